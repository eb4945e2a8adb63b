#include "mail/headers/MailAddress.h"

#include "mail/headers/HeaderWords.h"

namespace {
constexpr qsizetype kLimit = 255;
}

void ParseMailAddress(const QString& Text, TmsMailAddress& Address) {
    const qsizetype open = Text.indexOf(u'<');
    if (open >= 0) {
        const qsizetype close = Text.indexOf(u'>');
        if (close < open) {
            Address.Address.clear();
            Address.Name = UnquoteText(Text);
        } else {
            Address.Address = UnquoteText(Text.mid(open + 1, close - open - 1));
            Address.Name = UnquoteText(Text.left(open) + Text.mid(close + 1));
        }
    } else if (const qsizetype paren = Text.indexOf(u'('); paren >= 0) {
        Address.Address = UnquoteText(Text.left(paren));
        Address.Name = UnquoteText(Text.mid(paren + 1).chopped(paren + 1 < Text.size() ? 1 : 0));
    } else {
        Address.Address = Text;
        Address.Name.clear();
    }
    Address.Address.truncate(kLimit);
    Address.Name.truncate(kLimit);
}

void SplitMailAddress(const QString& Text, QString& Address, QString& Name) {
    TmsMailAddress parsed;
    ParseMailAddress(Text, parsed);
    Address = parsed.Address;
    Name = parsed.Name;
}
