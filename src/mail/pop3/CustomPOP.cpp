#include "mail/pop3/CustomPOP.h"

#include "mail/Exceptions.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// An integer as a whole text: leading blanks, an optional sign, decimal digits
// and nothing else; false when it is not one (or too large).
bool toInteger(const QString& text, int* value) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    const QStringView number = QStringView(text).mid(i);
    const qsizetype first = !number.isEmpty() && (number[0] == u'+' || number[0] == u'-') ? 1 : 0;
    if (number.size() == first) return false;
    for (qsizetype k = first; k < number.size(); ++k)
        if (number[k] < u'0' || number[k] > u'9') return false;
    bool ok = false;
    *value = number.toInt(&ok, 10);
    return ok;
}

// The standard conversion failure for a text that should be an integer.
int integerOrThrow(const QString& text) {
    int value = 0;
    if (!toInteger(text, &value))
        throw EConvertError(
            TrText::translate("Exception", "'%1' is not a valid integer value").arg(text));
    return value;
}

// A capability by its name, with or without arguments.
bool offers(const QByteArray& capabilities, const QByteArray& name) {
    for (QByteArray line : capabilities.split('\n')) {
        line = line.trimmed().toUpper();
        if (line == name || line.startsWith(name + ' ')) return true;
    }
    return false;
}

bool offersStls(const QByteArray& capabilities) {
    return offers(capabilities, "STLS");
}

// The mechanisms of the SASL capability, upper case.
QList<QByteArray> saslMechanisms(const QByteArray& capabilities) {
    for (QByteArray line : capabilities.split('\n')) {
        line = line.trimmed().toUpper();
        if (line.startsWith("SASL ")) return line.mid(5).simplified().split(' ');
    }
    return {};
}

// A line on its own must stay within 255 octets with its CR LF.
constexpr qsizetype kSaslLineLimit = 255;

} // namespace

TmsCustomPOP::TmsCustomPOP(QObject* parent) : TmsMailBase(parent) {
    ServiceName = QStringLiteral("pop3");
    DefaultPort = 110;
    SecureScheme = QStringLiteral("pop3s");
    SecureServiceName = QStringLiteral("pop3s");
    SecurePort = 995;
}

void TmsCustomPOP::ResetState() {
    TmsMailBase::ResetState();
    m_capabilities.clear();
    m_capabilitiesKnown = false;
}

int TmsCustomPOP::ReplyCode(const QString& Line) {
    if (Line.startsWith(QLatin1Char('+'))) return 1;
    if (Line.startsWith(QLatin1Char('-'))) return -1;
    return 0;
}

bool TmsCustomPOP::OffersPipelining() const {
    return offers(m_capabilities, "PIPELINING");
}

bool TmsCustomPOP::OffersUidl() const {
    return offers(m_capabilities, "UIDL");
}

bool TmsCustomPOP::OffersTop() const {
    return !m_capabilitiesKnown || offers(m_capabilities, "TOP");
}

void TmsCustomPOP::CheckLogin() {
    if (UserName.isEmpty()) RaiseSocketError(57103);
    if (SignIn == MailSignIn::OAuth2) {
        if (!OnAccessToken) {
            const TrText tr =
                TrText::translate("Exception", "No OAuth2 sign-in is set up for this mailbox");
            QString text = tr.english();
            if (OnError) OnError(this, text);
            throw ESocketError(Reworded(tr, text));
        }
        return;
    }
    if (Password.isEmpty()) RaiseSocketError(57104);
}

void TmsCustomPOP::Open() {
    CheckLogin();
    ResetState();
    TmsMailBase::Open();
}

void TmsCustomPOP::expectReply(const QString& Step) {
    setAwaiting(Step.isEmpty() ? TrText::translate("Exception", "the greeting")
                               : TrText::translate("Exception", "the reply to %1").arg(Step));
}

TrText TmsCustomPOP::replyFailure(const QString& Detail) const {
    // No line at all: the server closed the connection before the line was
    // complete (or sent an empty line).
    if (LastReply.isEmpty() && PeerClosed)
        return TrText::translate("Exception", "%1 in the middle of %2")
            .arg(LibraryText(57022), awaiting());
    const TrText reply = LastReply.isEmpty() ? TrText::translate("Exception", "An empty line")
                                             : TrText::plain(LastReply);
    if (Detail.isEmpty()) return TrText::translate("Exception", "%1 (%2)").arg(reply, awaiting());
    return TrText::translate("Exception", "%1 (%2; %3)")
        .arg(reply, TrText::plain(Detail), awaiting());
}

void TmsCustomPOP::requirePositive(int code) {
    if (code == 1) return;
    throw EServerError(replyFailure());
}

void TmsCustomPOP::sendCommand(const QString& Command, const QString& Step) {
    expectReply(Step.isEmpty() ? Command : Step);
    SendLine(Command);
}

void TmsCustomPOP::command(const QString& Command, const QString& Step) {
    sendCommand(Command, Step);
    requirePositive(ReadReplyLine(LastReply));
}

void TmsCustomPOP::Login() {
    closeOnFailure([this] {
        ResetState();
        expectReply(QString());
        ConnectSocket();
        requirePositive(ReadReplyLine(LastReply));
        if (!IsSecure()) {
            negotiateTls();
        } else {
            // Protected from the start: CAPA only for what the server offers
            // (pipelining, UIDL, TOP); a server that does not know it is used
            // as it is.
            sendCommand(QStringLiteral("CAPA"));
            QByteArray capabilities;
            if (ReadReplyLine(LastReply) == 1) readCapabilities(capabilities);
        }
        if (SignIn == MailSignIn::OAuth2) {
            authenticateOAuth2();
        } else {
            // The user name and the password are never part of a failure's text.
            command(QStringLiteral("USER ") + UserName, QStringLiteral("USER"));
            command(QStringLiteral("PASS ") + Password, QStringLiteral("PASS"));
        }
        ReadStatistics();
    });
}

// On a plain connection: CAPA, and the upgrade as Security asks for it. Once
// STLS is sent the upgrade is required whatever the choice, and CAPA is asked
// once more on the protected connection. With "STARTTLS if offered" or "None",
// a server that does not know CAPA is used as it is; "STARTTLS required" signs
// in on nothing but a protected connection, so that whoever strips STLS from
// the server's reply never gets the password.
void TmsCustomPOP::negotiateTls() {
    const bool required = Security == MailSecurity::StartTlsRequired;
    sendCommand(QStringLiteral("CAPA"));
    QByteArray capabilities;
    const int code = ReadReplyLine(LastReply);
    if (code == 1) readCapabilities(capabilities);
    if (Security == MailSecurity::None) return;
    if (code != 1 || !offersStls(capabilities)) {
        refuseWithoutStartTls(required);
        return;
    }
    sendCommand(QStringLiteral("STLS"));
    if (ReadReplyLine(LastReply) != 1)
        refuseStartTls(required,
                       LastReply.isEmpty() ? LibraryText(57013) : TrText::plain(LastReply));
    StartTls();
    sendCommand(QStringLiteral("CAPA"));
    if (ReadReplyLine(LastReply) == 1) {
        QByteArray again;
        readCapabilities(again);
    }
}

void TmsCustomPOP::readCapabilities(QByteArray& Capabilities) {
    ReadToStream(Capabilities, -1, CapaReplyLimit);
    m_capabilities = Capabilities;
    m_capabilitiesKnown = true;
}

// A token goes out only on a protected connection, with the mechanism the last
// CAPA offered (OAUTHBEARER before XOAUTH2). A rejected token is renewed once
// and tried again in the same session.
void TmsCustomPOP::authenticateOAuth2() {
    if (!IsSecure())
        refuseSignIn(TrText::translate("Exception",
                                       "OAuth2 is only sent over an encrypted connection, and this "
                                       "one is not encrypted"));
    const QList<QByteArray> mechanisms = saslMechanisms(m_capabilities);
    QByteArray mechanism;
    if (mechanisms.contains("OAUTHBEARER"))
        mechanism = "OAUTHBEARER";
    else if (mechanisms.contains("XOAUTH2"))
        mechanism = "XOAUTH2";
    else
        refuseSignIn(TrText::translate("Exception",
                                       "The server does not offer OAuth2 sign-in (OAUTHBEARER or "
                                       "XOAUTH2)"));
    QString challenge;
    if (sendSaslToken(mechanism, OnAccessToken(false), &challenge)) return;
    if (Connected() && !LastReply.isEmpty() &&
        sendSaslToken(mechanism, OnAccessToken(true), &challenge))
        return;
    throw EServerError(replyFailure(challenge));
}

QByteArray TmsCustomPOP::oauthInitialResponse(const QByteArray& mechanism,
                                              const QString& token) const {
    const QByteArray user = UserName.toUtf8();
    const QByteArray bearer = "auth=Bearer " + token.toUtf8();
    if (mechanism == "XOAUTH2") return "user=" + user + '\x01' + bearer + "\x01\x01";
    QByteArray authzid = user;
    authzid.replace("=", "=3D").replace(",", "=2C");
    return "n,a=" + authzid + ",\x01host=" + RemoteHost().toUtf8() +
           "\x01port=" + QByteArray::number(RemotePort()) + '\x01' + bearer + "\x01\x01";
}

bool TmsCustomPOP::sendSaslToken(const QByteArray& mechanism, const QString& token,
                                 QString* challenge) {
    challenge->clear();
    const QByteArray response = oauthInitialResponse(mechanism, token).toBase64();
    const QString command = QStringLiteral("AUTH ") + QString::fromLatin1(mechanism);
    // The token is never part of a failure's text.
    expectReply(command);
    if (command.size() + 1 + response.size() + 2 <= kSaslLineLimit) {
        SendLine(command + QLatin1Char(' ') + QString::fromLatin1(response));
    } else {
        SendLine(command);
        // The server asks for the response with an empty challenge.
        const int code = ReadReplyLine(LastReply);
        if (code != 1 || LastReply.startsWith(QStringLiteral("+OK")))
            throw EServerError(replyFailure());
        SendLine(QString::fromLatin1(response));
    }
    int code = ReadReplyLine(LastReply);
    if (code == 1 && (LastReply.startsWith(QStringLiteral("+ ")) || LastReply == u"+")) {
        // An error challenge: its JSON status goes with the final reply.
        const QByteArray json = QByteArray::fromBase64(LastReply.mid(2).trimmed().toLatin1());
        const QJsonObject object = QJsonDocument::fromJson(json).object();
        *challenge = object.value(QStringLiteral("status")).toString();
        if (challenge->isEmpty()) *challenge = QString::fromUtf8(json);
        SendLine(mechanism == "OAUTHBEARER" ? QStringLiteral("AQ==") : QString());
        code = ReadReplyLine(LastReply);
    }
    if (code == 1) return true;
    if (code == 0) throw EServerError(replyFailure());
    return false;
}

void TmsCustomPOP::Logout() {
    if (!Connected()) return;
    command(QStringLiteral("QUIT"));
}

void TmsCustomPOP::ReadStatistics() {
    // Nothing of an earlier session stands for this one.
    MessageCount = -1;
    TotalSize = -1;
    closeOnFailure([this] {
        command(QStringLiteral("STAT"));
        QString rest = LastReply.mid(4);
        while (rest.startsWith(QLatin1Char(' ')))
            rest.remove(0, 1);
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        if (rest.isEmpty())
            throw EServerError(TrText::translate("Exception", "The server's reply to STAT gives "
                                                              "no message count: %1")
                                   .arg(LastReply));
        // A reply with the count alone still gives the count; the size then
        // stays unknown.
        MessageCount = integerOrThrow(space < 0 ? rest : rest.left(space));
        if (space < 0) return;
        rest.remove(0, space + 1);
        const qsizetype next = rest.indexOf(QLatin1Char(' '));
        TotalSize = integerOrThrow(next < 0 ? rest : rest.left(next));
    });
}

int TmsCustomPOP::listedSize() const {
    // "+OK n size", where words may follow the size.
    return sizeAfterNumber(LastReply.mid(4));
}

int TmsCustomPOP::sizeAfterNumber(QString size) {
    const qsizetype space = size.indexOf(QLatin1Char(' '));
    if (space >= 0) {
        size.remove(0, space + 1);
        qsizetype start = 0;
        while (start < size.size() && size[start] == QLatin1Char(' '))
            ++start;
        const qsizetype end = size.indexOf(QLatin1Char(' '), start);
        if (end >= 0) size.truncate(end);
    }
    int value = 0;
    return toInteger(size, &value) ? value : 0;
}

void TmsCustomPOP::RetrieveMessage(int Index) {
    closeOnFailure([this, Index] {
        const QString n = QString::number(Index + 1);
        command(QStringLiteral("LIST ") + n);
        const int expected = listedSize();
        if (OnRetrieving) OnRetrieving(this, Index);
        command(QStringLiteral("RETR ") + n);
        QByteArray contents;
        ReadToStream(contents, expected);
        SaveMessage(Index, contents);
        if (OnRetrieved) OnRetrieved(this, Index);
    });
}

bool TmsCustomPOP::DeleteMessage(int Index) {
    bool accepted = false;
    closeOnFailure([this, Index, &accepted] {
        if (OnDeleting) OnDeleting(this, Index);
        sendCommand(QStringLiteral("DELE ") + QString::number(Index + 1));
        accepted = readDeleteReply(Index);
    });
    return accepted;
}

bool TmsCustomPOP::readDeleteReply(int Index) {
    expectReply(QStringLiteral("DELE ") + QString::number(Index + 1));
    const int code = ReadReplyLine(LastReply);
    // No status line (or the connection gone): nothing is certain, so the
    // session ends without committing anything.
    if (code == 0) throw EServerError(replyFailure());
    if (LastReply.isEmpty())
        throw EServerError(TrText::translate("Exception", "The server closed the connection "
                                                          "before it answered the deletion of "
                                                          "message %1")
                               .arg(Index + 1));
    const bool accepted = code == 1;
    if (accepted) {
        if (OnDeleted) OnDeleted(this, Index);
    } else if (OnDeleteRefused) {
        OnDeleteRefused(this, Index);
    }
    return accepted;
}
