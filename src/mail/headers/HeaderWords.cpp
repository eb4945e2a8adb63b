#include "mail/headers/HeaderWords.h"

#include "mail/mime/Text.h"

QString UnquoteText(const QString& Text) {
    QStringView s = Text;
    QString trimmed = TrimBlanks(s);
    s = trimmed;
    while (s.startsWith(u'"'))
        s = s.mid(1);
    while (s.endsWith(u'"'))
        s.chop(1);
    return s.toString();
}

QString GetHeaderParam(const QString& ParamName, const QString& Value) {
    if (ParamName.isEmpty()) return {};
    const qsizetype at = Value.indexOf(ParamName, 0, Qt::CaseInsensitive);
    if (at < 0) return {};
    // The character after the name is the '='.
    const QString rest = TrimBlanks(QStringView(Value).mid(at + ParamName.size() + 1));
    QString result;
    if (rest.startsWith(u'"')) {
        const qsizetype close = rest.indexOf(u'"', 1);
        result = close < 0 ? rest.mid(1) : rest.mid(1, close - 1);
    } else {
        const qsizetype space = rest.indexOf(u' ');
        result = space < 0 ? rest : rest.left(space);
    }
    if (result.endsWith(u';')) result.chop(1);
    return TrimBlanks(result);
}

QString FirstToken(const QString& Text) {
    qsizetype end = 0;
    while (end < Text.size() && Text[end] != u' ' && Text[end] != u';')
        ++end;
    return TrimBlanks(QStringView(Text).left(end));
}
