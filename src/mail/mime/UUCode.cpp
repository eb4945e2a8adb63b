#include "mail/mime/UUCode.h"

#include "mail/Exceptions.h"
#include "mail/mime/Text.h"

#include <QList>

namespace {

int uuValue(char c) {
    if (c == ' ' || c == '`') return 0;
    if (c >= '!' && c <= '_') return c - 32;
    throw EMessageParserError(TrText::translate("Exception", "Invalid Character"));
}

} // namespace

bool IsUUBeginLine(const QString& Line) {
    if (Line.size() <= 8 || Line.left(5).toUpper() != QLatin1String("BEGIN")) return false;
    const QString mode = TrimBlanks(QStringView(Line).mid(5));
    return mode.size() >= 3 && ParseWholeNumber(QStringView(mode).left(3)).has_value();
}

QString UUFileName(const QString& Line) {
    const QStringView rest = QStringView(Line).mid(qMin<qsizetype>(10, Line.size()));
    if (rest.startsWith(u'"')) {
        const qsizetype close = rest.indexOf(u'"', 1);
        return close < 0 ? QString() : rest.mid(1, close - 1).toString();
    }
    const qsizetype space = rest.indexOf(u' ');
    return (space < 0 ? rest : rest.left(space)).toString();
}

QByteArray DecodeUULine(QByteArrayView Line) {
    const QByteArrayView line = Line.first(qMin<qsizetype>(Line.size(), 255));
    if (line.isEmpty()) return {};
    QList<int> values;
    values.reserve(line.size());
    for (const char c : line)
        values.append(uuValue(c));
    const int count = values.front();
    QByteArray out;
    out.reserve((line.size() + 2) / 4 * 3);
    for (qsizetype g = 1; g < values.size(); g += 4) {
        quint32 bits = 0;
        for (qsizetype k = 0; k < 4; ++k)
            bits = (bits << 6) | quint32(g + k < values.size() ? values[g + k] : 0);
        out.append(char(bits >> 16)).append(char(bits >> 8)).append(char(bits));
    }
    out.truncate(count);
    return out;
}
