#include "mail/headers/Attachments.h"

#include <QMimeDatabase>

QString ContentTypeOfFile(const QString& FileName) {
    const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(FileName, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) return QStringLiteral("application/octet-stream");
    return type.name();
}

void TmsAttItem::setFileName(const QString& FileName) {
    m_fileName = FileName.left(255);
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
