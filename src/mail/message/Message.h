#pragma once

#include "mail/headers/Attachments.h"
#include "mail/headers/Headers.h"
#include "mail/headers/MailAddress.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// How the message carried its attachments.
enum TMsgEncoding { meMIME, meUU };
// The character set the message's text was marked with. A marker only: the
// body is converted from the character set its part declares.
enum TCharSet { csUSASCII, csISO8859, csISO2022jp };
// The priority the sender gave.
enum TPriority { ptLow, ptNormal, ptHigh };

// One mail message as header fields, body lines and decoded attachments.
class TmsCustomMessage {
public:
    virtual ~TmsCustomMessage() = default;

    TmsMailAddress Sender;
    // At most 255 characters.
    QString Subject;
    TMsgEncoding Encoding = meMIME;
    TCharSet CharSet = csUSASCII;
    TmsHeaders Headers;
    QStringList Body;
    TmsAttList Attachments;
    // Lower case, at most 255 characters.
    QString ContentType = QStringLiteral("text/plain");

    // Empties body, attachments, sender, headers, subject and content type;
    // encoding meMIME, character set csUSASCII.
    virtual void Clear();

    // Clears the message and decodes the file into it. A structure the decoder
    // cannot follow gives an error body and the whole file as "original.eml";
    // a file that cannot be read raises EFileError, a malformed top-level
    // header EMessageParserError, and other failures pass on as they are.
    void LoadFromFile(const QString& FileName);
    // LoadFromFile over bytes already in memory.
    void LoadFromBytes(const QByteArray& Raw);
};

// A message with its recipients, priority and return-receipt request.
class TmsMessage : public TmsCustomMessage {
public:
    TmsAddressList Recipients;
    TmsAddressList CC;
    TmsAddressList BCC;
    TPriority Priority = ptNormal;
    bool ReturnReceipt = false;

    // Also empties the three address lists.
    void Clear() override;
};

// The names of the markers as the code spells them ("meUU", "csISO8859").
QString EncodingName(TMsgEncoding Encoding);
QString CharSetName(TCharSet CharSet);
