#include "mail/headers/Headers.h"

#include "mail/mime/HeaderText.h"
#include "mail/mime/Text.h"

namespace {

constexpr qsizetype kValueLimit = 255;

bool isContinuation(const QString& line) {
    return line.startsWith(u' ') || line.startsWith(u'\t');
}

QString withColon(const QString& name) {
    return name.endsWith(u':') ? name : name + u':';
}

// The index of the first line that begins with field (a name with its colon).
qsizetype findField(const QStringList& lines, const QString& field) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(field, Qt::CaseInsensitive)) return i;
    return -1;
}

// Splits text at its commas (not at those in protected) and appends each item,
// trimmed, cut and decoded. The last item is kept only when it is not blank.
void appendItems(QStringView text, const QList<bool>& isProtected, QStringList& list) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u',' || (i < isProtected.size() && isProtected[i])) continue;
        list.append(DecodeHeaderText(TrimBlanks(text.mid(start, i - start)).left(kValueLimit)));
        start = i + 1;
    }
    const QString last = TrimBlanks(text.mid(start));
    if (!last.isEmpty()) list.append(DecodeHeaderText(last.left(kValueLimit)));
}

// Marks every comma that lies between an opening and a closing double quote.
QList<bool> quotedCommas(QStringView text) {
    QList<bool> marks(text.size(), false);
    qsizetype open = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'"') continue;
        if (open < 0) {
            open = i;
            continue;
        }
        for (qsizetype k = open + 1; k < i; ++k)
            marks[k] = text[k] == u',';
        open = -1;
    }
    return marks;
}

} // namespace

void TmsHeaders::LoadFromBytes(const QByteArray& raw) {
    clear();
    qsizetype start = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c != '\r' && c != '\n') continue;
        append(TextFromBytes(QByteArrayView(raw).sliced(start, i - start)));
        if (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < raw.size()) append(TextFromBytes(QByteArrayView(raw).sliced(start)));
}

QString TmsHeaders::GetFieldValue(const QString& Name) const {
    const QString field = withColon(Name);
    qsizetype i = findField(*this, field);
    if (i < 0) return {};
    const QString& line = at(i);
    // The character after the colon goes with it, whatever it is.
    QString value = TrimBlanks(QStringView(line).mid(line.indexOf(u':') + 2));
    for (++i; i < size() && isContinuation(at(i)); ++i)
        value += u' ' + TrimBlanks(at(i));
    const QString bare = field.chopped(1);
    if (bare.compare(QLatin1String("Content-Type"), Qt::CaseInsensitive) == 0 ||
        bare.compare(QLatin1String("X-UIDL"), Qt::CaseInsensitive) == 0)
        return value;
    return DecodeHeaderText(value.left(kValueLimit));
}

void TmsHeaders::GetFieldList(const QString& Name, QStringList& List) const {
    List.clear();
    qsizetype i = 0;
    while (i < size()) {
        const QString& line = at(i);
        if (!line.startsWith(Name, Qt::CaseInsensitive)) {
            ++i;
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) return;
        const QStringView text = QStringView(line).mid(colon + 2);
        appendItems(text, text.contains(u'"') ? quotedCommas(text) : QList<bool>(), List);
        // Lines without a colon continue the field, whatever they begin with.
        for (++i; i < size() && !at(i).contains(u':'); ++i)
            appendItems(at(i), {}, List);
    }
}

void TmsHeaders::DeleteField(const QString& Name) {
    const qsizetype i = findField(*this, withColon(Name));
    if (i < 0) return;
    qsizetype end = i + 1;
    while (end < size() && isContinuation(at(end)))
        ++end;
    remove(i, end - i);
}

void TmsHeaders::StripBody() {
    const qsizetype blank = indexOf(QString());
    if (blank >= 0) resize(blank);
}

QString ExtractWord(const QString& Text, int Skip, bool Single) {
    QString rest = Text;
    for (int k = 0; k < Skip; ++k) {
        const qsizetype space = rest.indexOf(u' ');
        if (space < 0) return {};
        rest = TrimBlanks(QStringView(rest).mid(space + 1));
    }
    if (Single) {
        const qsizetype space = rest.indexOf(u' ');
        if (space >= 0) rest.truncate(space);
    }
    return TrimBlanks(rest);
}
