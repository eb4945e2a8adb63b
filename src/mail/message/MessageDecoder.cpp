#include "mail/message/MessageDecoder.h"

#include "mail/Exceptions.h"
#include "mail/headers/HeaderWords.h"
#include "mail/message/Message.h"
#include "mail/mime/Base64.h"
#include "mail/mime/QuotedPrintable.h"
#include "mail/mime/Text.h"
#include "mail/mime/UUCode.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QStringDecoder>
#include <memory>

namespace {

// What the line stream gives after the last line.
const QByteArray kEndMarker(4, char(0xFF));
// How deep messages enclosed in messages are opened for their text.
constexpr int kEnclosedDepth = 4;

// A header field line, a continuation line, or a mailbox file's "From " line;
// anything else ends the header block and begins the body.
bool isHeaderLine(const QByteArray& Line) {
    if (Line.startsWith(' ') || Line.startsWith('\t') || Line.startsWith("From ")) return true;
    for (const char c : Line) {
        if (c == ':') return true;
        if (c < '!' || c > '~') return false;
    }
    return false;
}

// A part's type that is read as text into the body: text/plain and text/html,
// and "text" without a subtype (or no type at all), which mean plain text.
bool isBodyText(const QString& ContentType) {
    const QString type = FirstToken(ContentType).toLower();
    return type.isEmpty() || type == QLatin1String("text") || type == QLatin1String("text/plain") ||
           type == QLatin1String("text/html");
}

// Runs Step, one step of decoding an attachment: a failure other than a
// parser error becomes "Error decoding the attachment".
template <class Step> auto attachmentStep(Step&& step) {
    try {
        return step();
    } catch (const EMessageParserError&) {
        throw;
    } catch (const Exception&) {
        throw EMessageParserError(TrText::translate("Exception", "Error decoding the attachment"));
    }
}

QString latin(const QByteArray& Line) {
    return QString::fromLatin1(Line);
}

QByteArray boundaryLine(const QString& Param) {
    return "--" + Param.toUtf8();
}

QByteArray decodeQuotedPrintable(const QByteArrayList& Lines) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    TQuotedPrintable(&out, Lines).Decode();
    return out.data();
}

// The text of the body lines in the named character set; without a name, or
// with one the platform does not know, UTF-8 when the bytes are valid UTF-8,
// else Windows-1252.
QStringList bodyText(const QByteArrayList& Lines, const QString& Charset) {
    if (Lines.isEmpty()) return {};
    const QByteArray joined = Lines.join('\n');
    const QString name = TrimBlanks(Charset);
    const bool known = !name.isEmpty() && QStringDecoder(name.toLatin1().constData()).isValid();
    const QString text = known ? DecodeCharset(joined, name) : TextFromBytes(joined);
    return text.split(u'\n');
}

} // namespace

namespace {

// Bytes split into lines at CR LF, CR or LF, all of them.
QByteArrayList splitAll(QByteArrayView Bytes) {
    QByteArrayList lines;
    qsizetype from = 0;
    while (from < Bytes.size()) {
        qsizetype end = from;
        while (end < Bytes.size() && Bytes[end] != '\n' && Bytes[end] != '\r')
            ++end;
        lines << Bytes.sliced(from, end - from).toByteArray();
        if (end < Bytes.size() && Bytes[end] == '\r' && end + 1 < Bytes.size() &&
            Bytes[end + 1] == '\n')
            ++end;
        from = end + 1;
    }
    return lines;
}

} // namespace

QByteArrayList SplitByteLines(const QByteArray& Bytes) {
    const qsizetype zero = Bytes.indexOf('\0');
    return splitAll(QByteArrayView(Bytes).first(zero >= 0 ? zero : Bytes.size()));
}

// The stream reads past zero bytes; only decoded text ends at one.
TmsMessageDecoder::TmsMessageDecoder(TmsCustomMessage& Message, const QByteArray& Raw)
    : m_message(Message), m_raw(Raw), m_lines(splitAll(Raw)) {}

void TmsMessageDecoder::reset() {
    m_index = -1;
    m_eof = false;
}

QByteArray TmsMessageDecoder::readLine() {
    if (m_index + 1 < m_lines.size()) return m_lines.at(++m_index);
    m_index = m_lines.size();
    m_eof = true;
    return kEndMarker;
}

void TmsMessageDecoder::readHeaders(TmsHeaders& Headers) {
    Headers.clear();
    for (;;) {
        const QByteArray line = readLine();
        if (m_eof || line.isEmpty()) return;
        if (line == kEndMarker)
            throw EMessageParserError(TrText::translate("Exception", "Unable to retrieve headers"));
        // A block without its empty line: the body begins with this line.
        if (!Headers.isEmpty() && !isHeaderLine(line)) {
            --m_index;
            return;
        }
        Headers << TextFromBytes(line);
    }
}

void TmsMessageDecoder::Decode() {
    reset();
    readHeaders(m_top);
    applyHeaderFields();
    try {
        if (m_top.GetFieldValue(QStringLiteral("MIME-VERSION")).contains(QLatin1String("1.0")))
            decodeMime();
        else
            decodePlain();
    } catch (const EMessageParserError& e) {
        appendErrorBody(e.shown());
    }
    m_message.Body =
        (m_body.isEmpty() ? m_enclosedBody : bodyText(m_body, m_charset)) + m_errorLines;
    if (!m_message.Body.isEmpty() && m_message.Body.last() == QLatin1String("."))
        m_message.Body.removeLast();
}

void TmsMessageDecoder::applyHeaderFields() {
    ParseMailAddress(m_top.GetFieldValue(QStringLiteral("FROM")), m_message.Sender);
    if (auto* message = dynamic_cast<TmsMessage*>(&m_message)) {
        const std::pair<const char*, TmsAddressList*> lists[] = {
            {"TO", &message->Recipients}, {"CC", &message->CC}, {"BCC", &message->BCC}};
        for (const auto& [name, list] : lists) {
            QStringList items;
            m_top.GetFieldList(QLatin1String(name), items);
            for (const QString& item : items) {
                auto address = std::make_unique<TmsMailAddress>();
                ParseMailAddress(item, *address);
                list->Add(address.release());
            }
        }
        const QString priority = m_top.GetFieldValue(QStringLiteral("X-Priority"));
        message->Priority = priority == QLatin1String("1")   ? ptHigh
                            : priority == QLatin1String("5") ? ptLow
                                                             : ptNormal;
        message->ReturnReceipt =
            !m_top.GetFieldValue(QStringLiteral("Return-receipt-to")).isEmpty();
    }
    const QString subject = m_top.GetFieldValue(QStringLiteral("Subject"));
    if (!subject.isEmpty()) m_message.Subject = subject.left(255);
    m_message.Headers = m_top;
}

void TmsMessageDecoder::decodeMime() {
    if (m_top.GetFieldValue(QStringLiteral("X-Mailer")) == QLatin1String("V Mailsystem R #0001"))
        m_top.DeleteField(QStringLiteral("Content-Type"));
    const QString contentType = m_top.GetFieldValue(QStringLiteral("Content-type"));
    const QString type = contentType.toLower();
    if (type.contains(QLatin1String("multipart/alternative"))) {
        m_topAlternative = true;
        decodeMultipart();
    } else if (type.contains(QLatin1String("multipart"))) {
        decodeMultipart();
    } else if (!type.isEmpty() && !type.contains(QLatin1String("text/")) &&
               FirstToken(type) != QLatin1String("text")) {
        decodeSingleAttachment();
    } else {
        const QString name = GetHeaderParam(QStringLiteral("name"), contentType);
        if (!name.isEmpty() && name != QLatin1String("cc:Mail"))
            decodeSingleAttachment();
        else
            decodeTextBody();
    }
}

void TmsMessageDecoder::decodeMultipart() {
    m_boundary = boundaryLine(GetHeaderParam(QStringLiteral("Boundary"),
                                             m_top.GetFieldValue(QStringLiteral("Content-Type"))));
    for (;;) {
        const QByteArray line = readLine();
        if (m_eof)
            throw EMessageParserError(TrText::translate("Exception", "Cannot find boundary"));
        if (line == m_boundary) break;
    }
    if (decodeFirstPart()) attachmentLoop();
}

// Reads the first part: the body, or with base64 text in a character set of
// its own the first attachment. False when it was the only part.
bool TmsMessageDecoder::decodeFirstPart() {
    readHeaders(m_part);
    QString contentType = m_part.GetFieldValue(QStringLiteral("Content-Type"));
    if (GetHeaderParam(QStringLiteral("CharSet"), contentType).toLower() ==
        QLatin1String("iso-2022-jp"))
        m_message.CharSet = csISO2022jp;
    if (contentType.toLower().contains(QLatin1String("multipart/alternative"))) {
        m_outerBoundary = m_boundary;
        m_boundary = boundaryLine(GetHeaderParam(QStringLiteral("boundary"), contentType));
        m_insideAlternative = true;
        for (;;) {
            const QByteArray line = readLine();
            if (m_eof)
                throw EMessageParserError(TrText::translate("Exception", "Cannot find boundary"));
            if (line == m_boundary) break;
        }
        readHeaders(m_part);
        contentType = m_part.GetFieldValue(QStringLiteral("Content-Type"));
    }
    m_charset = GetHeaderParam(QStringLiteral("charset"), contentType);

    const QString encoding =
        m_part.GetFieldValue(QStringLiteral("Content-Transfer-Encoding")).toLower();
    const bool base64 = encoding == QLatin1String("base64");
    // Base64 text is the body as any other text; anything else in base64 is
    // the first attachment.
    if (base64 && m_message.CharSet != csISO2022jp && !isBodyText(contentType)) {
        m_part << QStringLiteral("Content-Transfer-Encoding: Base64");
        return true;
    }

    m_body.clear();
    const QByteArray closing = m_boundary + "--";
    QByteArray last;
    if (!base64) {
        if (encoding == QLatin1String("quoted-printable")) m_message.CharSet = csISO8859;
        for (;;) {
            last = readLine();
            if (m_eof || last == m_boundary || last == closing) break;
            m_body << last;
        }
        if (m_body.isEmpty()) m_body << QByteArray();
        if (encoding == QLatin1String("quoted-printable"))
            m_body = SplitByteLines(decodeQuotedPrintable(m_body));
    } else {
        QByteArray bytes;
        for (;;) {
            last = readLine();
            if (m_eof || last.startsWith(m_boundary)) break;
            if (!last.isEmpty()) bytes += DecodeBase64(last);
        }
        m_body = SplitByteLines(bytes);
    }

    if (last == closing) {
        m_message.ContentType = FirstToken(contentType).toLower().left(255);
        while (!m_eof)
            readLine();
        return false;
    }
    if (m_eof) throw EMessageParserError(TrText::translate("Exception", "Cannot find boundary"));
    return true;
}

bool TmsMessageDecoder::describeItem(const TmsHeaders& Part, TmsAttItem& Item, bool AltName) {
    QString contentType = Part.GetFieldValue(QStringLiteral("Content-type"));
    if (contentType.isEmpty()) contentType = QStringLiteral("text/plain");
    Item.ContentType = FirstToken(contentType);
    const QString name = GetHeaderParam(QStringLiteral("name"), contentType);
    Item.setFileName(name);

    const QString encoding =
        Part.GetFieldValue(QStringLiteral("Content-Transfer-Encoding")).toLower();
    const bool uu = encoding.startsWith(QLatin1String("x-uue"));
    if (encoding == QLatin1String("base64") || uu)
        Item.Kind = TmsAttItem::KindBase64;
    else if (encoding == QLatin1String("quoted-printable"))
        Item.Kind = TmsAttItem::KindQuotedPrintable;
    else
        Item.Kind = TmsAttItem::KindNone;

    if (name.isEmpty()) {
        const quint8 kind = Item.Kind;
        const QString type = Item.ContentType;
        const QString fileName = GetHeaderParam(
            QStringLiteral("filename"), Part.GetFieldValue(QStringLiteral("Content-Disposition")));
        if (!fileName.isEmpty()) {
            Item.setFileName(fileName);
        } else {
            const QString count = QString::number(m_message.Attachments.Count());
            Item.setFileName((AltName ? QStringLiteral("_alt.") : QStringLiteral("att.")) + count);
            Item.ContentType = type;
        }
        Item.Kind = kind;
    }
    return uu;
}

void TmsMessageDecoder::decodeKind1Line(const QByteArray& Line, bool UU, TmsAttItem& Item) {
    if (!UU) {
        Item.Data += DecodeBase64(Line);
        return;
    }
    if (IsUUBeginLine(latin(Line)) || Line == "`" || Line == "end") return;
    Item.Data += DecodeUULine(Line);
}

QByteArray TmsMessageDecoder::readAttachment(std::unique_ptr<TmsAttItem> Item, bool UU,
                                             bool DotEnds) {
    QByteArray last;
    attachmentStep([&] {
        QByteArrayList qpLines;
        for (;;) {
            last = readLine();
            if (m_eof || (!m_boundary.isEmpty() && last.startsWith(m_boundary))) break;
            if (DotEnds && Item->Kind == TmsAttItem::KindBase64 && last == ".") break;
            switch (Item->Kind) {
            case TmsAttItem::KindBase64:
                if (!last.isEmpty()) decodeKind1Line(last, UU, *Item);
                break;
            case TmsAttItem::KindQuotedPrintable:
                qpLines << last;
                break;
            default:
                Item->Data += last + "\r\n";
            }
        }
        if (Item->Kind == TmsAttItem::KindQuotedPrintable)
            Item->Data = decodeQuotedPrintable(qpLines);
    });
    m_message.Attachments.Add(Item.release());
    return last;
}

void TmsMessageDecoder::attachmentLoop() {
    for (;;) {
        if (!m_body.isEmpty() || m_message.Attachments.Count() > 0) readHeaders(m_part);
        auto item = std::make_unique<TmsAttItem>();
        const bool uu = attachmentStep(
            [&] { return describeItem(m_part, *item, m_insideAlternative || m_topAlternative); });
        const QByteArray last = readAttachment(std::move(item), uu, false);

        if (!m_eof && last != m_boundary + "--") continue;
        if (!m_insideAlternative) return;
        m_insideAlternative = false;
        m_boundary = m_outerBoundary;
        for (;;) {
            const QByteArray line = readLine();
            if (m_eof)
                throw EMessageParserError(
                    TrText::translate("Exception", "Cannot find closing boundary"));
            if (line == m_boundary + "--") return; // nothing after the alternatives
            if (line.startsWith(m_boundary)) break;
        }
    }
}

void TmsMessageDecoder::decodeTextBody() {
    const QString contentType = m_top.GetFieldValue(QStringLiteral("Content-Type"));
    const QString type = FirstToken(contentType).toLower();
    if (type == QLatin1String("text/html") || type == QLatin1String("text/rtf"))
        m_message.ContentType = type;

    const QString encoding =
        m_top.GetFieldValue(QStringLiteral("Content-Transfer-Encoding")).toLower();
    const bool quoted = encoding == QLatin1String("quoted-printable") ||
                        m_top.GetFieldValue(QStringLiteral("X-MIME-Autoconverted"))
                            .contains(QLatin1String("quoted-printable"));
    const bool base64 = encoding == QLatin1String("base64");
    m_charset = GetHeaderParam(QStringLiteral("CharSet"), contentType);
    if (m_charset.toLower() == QLatin1String("iso-2022-jp")) m_message.CharSet = csISO2022jp;
    if (quoted) m_message.CharSet = csISO8859;

    m_body.clear();
    if (!base64) {
        for (;;) {
            const QByteArray line = readLine();
            if (m_eof) break;
            if (IsUUBeginLine(latin(line))) {
                restartPlain();
                return;
            }
            m_body << line;
        }
        if (quoted) m_body = SplitByteLines(decodeQuotedPrintable(m_body));
        return;
    }
    QByteArray bytes;
    for (;;) {
        const QByteArray line = readLine();
        if (m_eof) break;
        if (!line.isEmpty() && line != ".") bytes += DecodeBase64(line);
    }
    m_body = SplitByteLines(bytes);
}

// Text with uuencoded content after all: the file is read again as a plain message.
void TmsMessageDecoder::restartPlain() {
    reset();
    m_body.clear();
    readHeaders(m_top);
    m_top.DeleteField(QStringLiteral("MIME-VERSION"));
    m_top.DeleteField(QStringLiteral("CONTENT-TYPE"));
    m_top.DeleteField(QStringLiteral("CONTENT-TRANSFER-ENCODING"));
    decodePlain();
}

void TmsMessageDecoder::decodeSingleAttachment() {
    const QString contentType = m_top.GetFieldValue(QStringLiteral("Content-type"));
    if (contentType.isEmpty())
        throw EMessageParserError(
            TrText::translate("Exception", "Missing required field: Content-Type"));
    auto item = std::make_unique<TmsAttItem>();
    const bool uu = attachmentStep([&] { return describeItem(m_top, *item, false); });
    item->ContentType = FirstToken(contentType);
    TmsAttItem* const kept = item.get();
    m_boundary.clear(); // the part ends with the file
    readAttachment(std::move(item), uu, true);
    if (kept->ContentType.compare(QLatin1String("message/rfc822"), Qt::CaseInsensitive) == 0)
        readEnclosedText(kept->Data);
}

// A message that is nothing but an enclosed message (a forward): its text is
// the body, and the enclosed message stays the attachment it was.
void TmsMessageDecoder::readEnclosedText(const QByteArray& Enclosed) {
    if (m_depth >= kEnclosedDepth) return;
    TmsCustomMessage enclosed;
    TmsMessageDecoder decoder(enclosed, Enclosed);
    decoder.m_depth = m_depth + 1;
    try {
        decoder.Decode();
    } catch (const Exception&) {
        return; // its header cannot be read: the attachment is all there is
    }
    m_enclosedBody = enclosed.Body;
}

void TmsMessageDecoder::decodePlain() {
    if (m_charset.isEmpty())
        m_charset = GetHeaderParam(QStringLiteral("charset"),
                                   m_top.GetFieldValue(QStringLiteral("Content-Type")));
    for (;;) {
        const QByteArray line = readLine();
        if (m_eof) return;
        if (IsUUBeginLine(latin(line))) {
            m_message.Encoding = meUU;
            --m_index; // the attachments start with this begin line
            decodeUUAttachments();
            return;
        }
        m_body << line;
    }
}

void TmsMessageDecoder::decodeUUAttachments() {
    try {
        QByteArray begin = readLine();
        while (!m_eof) {
            auto item = std::make_unique<TmsAttItem>();
            const QString name = UUFileName(latin(begin));
            if (name.isEmpty()) {
                // A made-up name says nothing about the type ("att.1" is no manual page).
                item->setFileName(QStringLiteral("att.") +
                                  QString::number(m_message.Attachments.Count()));
                item->ContentType = QStringLiteral("application/octet-stream");
                item->Kind = TmsAttItem::KindBase64;
            } else {
                item->setFileName(name);
            }
            for (;;) {
                const QByteArray line = readLine();
                if (m_eof || line == "`" || line.toUpper() == "END") break;
                if (!line.isEmpty()) item->Data += DecodeUULine(line);
            }
            m_message.Attachments.Add(item.release());
            do {
                begin = readLine();
            } while (!m_eof && !IsUUBeginLine(latin(begin)));
        }
    } catch (const Exception&) {
        throw EMessageParserError(TrText::translate("Exception", "Error decoding the attachment"));
    }
}

void TmsMessageDecoder::appendErrorBody(const QString& Text) {
    m_errorLines = {
        QCoreApplication::translate("TmsMessageDecoder",
                                    "The following error has been occured while processing the message:"),
        Text,
        QCoreApplication::translate("TmsMessageDecoder",
                                    "The original message will be stored as an attachment")};
    auto item = std::make_unique<TmsAttItem>();
    item->setFileName(QStringLiteral("original.eml"));
    item->ContentType = QStringLiteral("message/rfc822");
    item->Kind = TmsAttItem::KindNone;
    item->Data = m_raw;
    m_message.Attachments.Add(item.release());
}
