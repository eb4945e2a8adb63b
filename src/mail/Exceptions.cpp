#include "mail/Exceptions.h"

#include <QCoreApplication>
#include <QHash>

Exception::Exception(QString message)
    : m_text(TrText::plain(message)), m_utf8(m_text.english().toUtf8()) {}

Exception::Exception(TrText text) : m_text(std::move(text)), m_utf8(m_text.english().toUtf8()) {}

TrText LibraryText(int code) {
    static const QHash<int, const char*> texts = {
        {57000, QT_TRANSLATE_NOOP("Exception", "Operation timed out")},
        {57001, QT_TRANSLATE_NOOP("Exception", "Operation has been canceled")},
        {57002, QT_TRANSLATE_NOOP("Exception", "Server property is required")},
        {57003, QT_TRANSLATE_NOOP("Exception", "Invalid Winsock version")},
        {57004, QT_TRANSLATE_NOOP("Exception", "Error resolving remote host")},
        {57005, QT_TRANSLATE_NOOP("Exception", "Service name is required")},
        {57006, QT_TRANSLATE_NOOP("Exception", "Reply line is longer than 1024 bytes")},
        {57007, QT_TRANSLATE_NOOP("Exception", "Secure connection to %s failed: %s")},
        {57008, QT_TRANSLATE_NOOP("Exception", "You have to connect to the server first")},
        {57009, QT_TRANSLATE_NOOP("Exception", "Certificate of %s not accepted: %s")},
        {57010, QT_TRANSLATE_NOOP("Exception", "Function %s not found")},
        {57011, QT_TRANSLATE_NOOP("Exception", "Winsock is not loaded")},
        {57012, QT_TRANSLATE_NOOP("Exception", "Winsock not found")},
        {57013, QT_TRANSLATE_NOOP("Exception",
                                  "Connection closed by the server in the middle of a reply")},
        {57014, QT_TRANSLATE_NOOP("Exception", "The server's reply is larger than %s bytes")},
        {57015, QT_TRANSLATE_NOOP("Exception", "IDs in the query and response are different")},
        {57016, QT_TRANSLATE_NOOP("Exception", "This is not a response")},
        {57017, QT_TRANSLATE_NOOP("Exception", "Domain server was unable to interpret a query")},
        {57018, QT_TRANSLATE_NOOP("Exception", "Domain server failure")},
        {57019, QT_TRANSLATE_NOOP("Exception", "Domain name does not exist")},
        {57020, QT_TRANSLATE_NOOP("Exception", "Not implemented")},
        {57021, QT_TRANSLATE_NOOP("Exception", "Domain server refused to return the information")},
        {57022, QT_TRANSLATE_NOOP("Exception", "Connection closed by the server")},
        {57103, QT_TRANSLATE_NOOP("Exception", "UserName property is required")},
        {57104, QT_TRANSLATE_NOOP("Exception", "Password property is required")},
        {57105, QT_TRANSLATE_NOOP("Exception", "IDs are different")},
    };
    const char* text = texts.value(code);
    return text ? TrText::translate("Exception", text) : TrText();
}

TrText FailureText(const std::exception& e) {
    if (const auto* ours = dynamic_cast<const Exception*>(&e)) return ours->text();
    const QString what = QString::fromLocal8Bit(e.what());
    return TrText::translate("Exception", "Internal error: %1")
        .arg(what.isEmpty() ? TrText::translate("Exception", "unknown") : TrText::plain(what));
}

TrText Reworded(const TrText& text, const QString& english) {
    return english == text.english() ? text : TrText::plain(english);
}
