#include "mail/headers/Attachments.h"

#include <QMimeDatabase>

namespace {

// The name without control characters (NUL, line ends, escapes): a name comes
// from whoever sent the message and is shown and printed as it is.
QString withoutControls(const QString& Name) {
    QString clean;
    clean.reserve(Name.size());
    for (const QChar c : Name)
        if (c.category() != QChar::Other_Control) clean += c;
    return clean;
}

// The extension of the last path segment, without its dot; empty when it has none.
QString suffixOf(const QString& Name) {
    const qsizetype slash = std::max(Name.lastIndexOf(u'/'), Name.lastIndexOf(u'\\'));
    const qsizetype dot = Name.lastIndexOf(u'.');
    return dot > slash ? Name.mid(dot + 1) : QString();
}

} // namespace

QString ContentTypeOfFile(const QString& FileName) {
    const QString suffix = suffixOf(withoutControls(FileName));
    if (suffix.isEmpty()) return QStringLiteral("application/octet-stream");
    // Only the extension is looked up, as the name of no file in particular.
    const QMimeDatabase db;
    const QMimeType type =
        db.mimeTypeForFile(QStringLiteral("file.") + suffix, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) return QStringLiteral("application/octet-stream");
    return type.name();
}

void TmsAttItem::setFileName(const QString& FileName) {
    m_fileName = withoutControls(FileName).left(255);
    if (m_fileName.isEmpty()) return;
    ContentType = ContentTypeOfFile(m_fileName);
    const QString type = ContentType.toUpper();
    if (type == QLatin1String("TEXT/PLAIN") || type == QLatin1String("TEXT/RTF") ||
        type == QLatin1String("TEXT/HTML"))
        Kind = KindQuotedPrintable;
    else if (type == QLatin1String("MESSAGE/RFC822"))
        Kind = KindNone;
    else
        Kind = KindBase64;
}
