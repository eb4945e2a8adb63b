#pragma once

#include "mail/headers/Headers.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

class TmsAttItem;
class TmsCustomMessage;

// Fills a message from the bytes of a stored message file: header fields,
// body lines (converted from the character set their part declares) and
// decoded attachments. Used once per message.
class TmsMessageDecoder {
public:
    TmsMessageDecoder(TmsCustomMessage& Message, const QByteArray& Raw);

    // Decodes the bytes into the message, which the caller has cleared.
    void Decode();

private:
    // The line stream over the whole file.
    void reset();
    QByteArray readLine();

    void readHeaders(TmsHeaders& Headers);
    void applyHeaderFields();
    void decodeMime();
    void decodeMultipart();
    bool decodeFirstPart();
    void attachmentLoop();
    void decodeTextBody();
    void decodeSingleAttachment();
    void decodePlain();
    void decodeUUAttachments();
    void restartPlain();
    void appendErrorBody(const QString& Text);

    // Name, type and kind of an item from a part's header lines; true when
    // the part is uuencoded.
    bool describeItem(const TmsHeaders& Part, TmsAttItem& Item, bool AltName);
    // Decodes one line of a base64 or uuencoded part into Item.
    static void decodeKind1Line(const QByteArray& Line, bool UU, TmsAttItem& Item);

    TmsCustomMessage& m_message;
    QByteArray m_raw;
    QByteArrayList m_lines;
    qsizetype m_index = -1;
    bool m_eof = false;

    TmsHeaders m_top;
    TmsHeaders m_part;
    QByteArray m_boundary;
    QByteArray m_outerBoundary;
    bool m_insideAlternative = false;
    bool m_topAlternative = false;

    // The body as bytes and the character set it is read in (empty: UTF-8
    // when valid, else Windows-1252).
    QByteArrayList m_body;
    QString m_charset;
    QStringList m_errorLines;
};

// Bytes split into lines at CR LF, CR or LF; a zero byte ends the text.
QByteArrayList SplitByteLines(const QByteArray& Bytes);
