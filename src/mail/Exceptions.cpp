#include "mail/Exceptions.h"

#include <QHash>

Exception::Exception(QString message)
    : m_text(TrText::plain(message)), m_utf8(m_text.english().toUtf8()) {}

Exception::Exception(TrText text) : m_text(std::move(text)), m_utf8(m_text.english().toUtf8()) {}

QString LibraryText(int code) {
    static const QHash<int, QString> texts = {
        {57000, QStringLiteral("Operation timed out")},
        {57001, QStringLiteral("Operation has been canceled")},
        {57002, QStringLiteral("Server property is required")},
        {57003, QStringLiteral("Invalid Winsock version")},
        {57004, QStringLiteral("Error resolving remote host")},
        {57005, QStringLiteral("Service name is required")},
        {57006, QStringLiteral("Reply line is longer than 1024 bytes")},
        {57007, QStringLiteral("Secure connection to %s failed: %s")},
        {57008, QStringLiteral("You have to connect to the server first")},
        {57009, QStringLiteral("Certificate of %s not accepted: %s")},
        {57010, QStringLiteral("Function %s not found")},
        {57011, QStringLiteral("Winsock is not loaded")},
        {57012, QStringLiteral("Winsock not found")},
        {57013, QStringLiteral("Connection closed by the server in the middle of a reply")},
        {57014, QStringLiteral("The server's reply is larger than %s bytes")},
        {57015, QStringLiteral("IDs in the query and response are different")},
        {57016, QStringLiteral("This is not a response")},
        {57017, QStringLiteral("Domain server was unable to interpret a query")},
        {57018, QStringLiteral("Domain server failure")},
        {57019, QStringLiteral("Domain name does not exist")},
        {57020, QStringLiteral("Not implemented")},
        {57021, QStringLiteral("Domain server refused to return the information")},
        {57022, QStringLiteral("Connection closed by the server")},
        {57103, QStringLiteral("UserName property is required")},
        {57104, QStringLiteral("Password property is required")},
        {57105, QStringLiteral("IDs are different")},
    };
    return texts.value(code);
}

TrText FailureText(const std::exception& e) {
    if (const auto* ours = dynamic_cast<const Exception*>(&e)) return ours->text();
    const QString what = QString::fromLocal8Bit(e.what());
    return TrText::translate("Exception", "Internal error: %1")
        .arg(what.isEmpty() ? TrText::translate("Exception", "unknown") : TrText::plain(what));
}
