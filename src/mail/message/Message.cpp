#include "mail/message/Message.h"

#include "mail/Exceptions.h"
#include "mail/message/MessageDecoder.h"

#include <QFile>

void TmsCustomMessage::Clear() {
    Body.clear();
    Attachments.Clear();
    Sender.Clear();
    Headers.clear();
    Subject.clear();
    ContentType.clear();
    Encoding = meMIME;
    CharSet = csUSASCII;
}

void TmsCustomMessage::LoadFromFile(const QString& FileName) {
    Clear();
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EFileError(TrText::translate("Exception", "Cannot open \"%1\": %2")
                             .arg(FileName, file.errorString()));
    const QByteArray raw = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFileError(TrText::translate("Exception", "Cannot read \"%1\": %2")
                             .arg(FileName, file.errorString()));
    TmsMessageDecoder(*this, raw).Decode();
}

void TmsCustomMessage::LoadFromBytes(const QByteArray& Raw) {
    Clear();
    TmsMessageDecoder(*this, Raw).Decode();
}

void TmsMessage::Clear() {
    TmsCustomMessage::Clear();
    Recipients.Clear();
    CC.Clear();
    BCC.Clear();
}

QString EncodingName(TMsgEncoding Encoding) {
    return Encoding == meUU ? QStringLiteral("meUU") : QStringLiteral("meMIME");
}

QString CharSetName(TCharSet CharSet) {
    switch (CharSet) {
    case csISO8859:
        return QStringLiteral("csISO8859");
    case csISO2022jp:
        return QStringLiteral("csISO2022jp");
    case csUSASCII:
        break;
    }
    return QStringLiteral("csUSASCII");
}
