#pragma once

#include "mail/headers/Headers.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <memory>

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
    // Reads the lines of an attachment whole, up to the end of its part (a
    // line that begins with the boundary line, or the end of the file; with
    // DotEnds a base64 part also ends at a line "."), decodes them by Item's
    // Kind and appends Item. Returns the line that ended the part.
    QByteArray readAttachment(std::unique_ptr<TmsAttItem> Item, bool UU, bool DotEnds);
    void readEnclosedText(const QByteArray& Enclosed);

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
    // The text of an enclosed message, the body when the message has no other.
    QStringList m_enclosedBody;
    // How deep this message is enclosed in others.
    int m_depth = 0;
};

// Bytes split into lines at CR LF, CR or LF; a zero byte ends the text.
QByteArrayList SplitByteLines(const QByteArray& Bytes);
