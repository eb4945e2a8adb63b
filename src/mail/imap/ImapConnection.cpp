#include "mail/imap/ImapConnection.h"

#include "mail/Exceptions.h"
#include "mail/imap/ImapText.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A string as a command carries it: quoted, or a literal when it cannot be.
struct Piece {
    QByteArray bytes;
    bool literal = false;
};

Piece astring(const QByteArray& bytes) {
    if (fitsQuoted(bytes)) return {imapQuoted(bytes), false};
    return {bytes, true};
}

} // namespace

ImapConnection::ImapConnection(QObject* parent) : TmsMailBase(parent) {
    ServiceName = QStringLiteral("imap");
    DefaultPort = 143;
    SecureScheme = QStringLiteral("imaps");
    SecureServiceName = QStringLiteral("imaps");
    SecurePort = 993;
}

void ImapConnection::ResetState() {
    TmsMailBase::ResetState();
    m_reader.clear();
    m_reader.setLiteralLimit(HeaderLimit);
    m_capabilities.clear();
    m_capabilitiesKnown = false;
    m_nextTag = 0;
    m_selected = {};
    m_loggingOut = false;
}

void ImapConnection::Open() {
    if (UserName.isEmpty()) RaiseSocketError(57103);
    if (SignIn == MailSignIn::OAuth2) {
        if (!OnAccessToken) {
            const TrText tr =
                TrText::translate("Exception", "No OAuth2 sign-in is set up for this mailbox");
            QString text = tr.english();
            if (OnError) OnError(this, text);
            throw ESocketError(Reworded(tr, text));
        }
    } else if (Password.isEmpty()) {
        RaiseSocketError(57104);
    }
    ResetState();
    TmsMailBase::Open();
}

bool ImapConnection::offers(QByteArrayView cap) const {
    return m_capabilities.contains(cap.toByteArray());
}

void ImapConnection::expectReplyTo(const QString& step) {
    setAwaiting(TrText::translate("Exception", "the reply to %1").arg(step));
}

TrText ImapConnection::failure(const ImapResponse& response, const QString& step) const {
    return TrText::translate("Exception", "%1 (%2)")
        .arg(TrText::plain(QString::fromUtf8(response.summary())),
             TrText::translate("Exception", "the reply to %1").arg(step));
}

QByteArray ImapConnection::send(const QByteArray& command, const QString& step, bool queue) {
    const QByteArray tag = 'A' + QByteArray::number(++m_nextTag);
    expectReplyTo(step.isEmpty() ? QString::fromUtf8(command) : step);
    m_commandTime.start();
    const QByteArray line = tag + ' ' + command + "\r\n";
    if (queue)
        QueueBytes(line);
    else
        SendBytes(line);
    return tag;
}

ImapResponse ImapConnection::readResponse() {
    for (;;) {
        ImapResponse r;
        if (m_reader.next(r)) {
            if (r.code.name == "CAPABILITY") learnCapabilities(r);
            if (r.kind == ImapResponse::Kind::Untagged) {
                if (r.name == "CAPABILITY") learnCapabilities(r);
                if (r.name == "EXISTS") m_selected.exists = r.number;
                if (r.name == "EXPUNGE" && m_selected.exists > 0) --m_selected.exists;
                if (r.code.name == "UIDVALIDITY" && r.code.number())
                    m_selected.uidValidity = *r.code.number();
                if (r.code.name == "UIDNEXT" && r.code.number())
                    m_selected.uidNext = *r.code.number();
                if (r.code.name == "HIGHESTMODSEQ" && r.code.number())
                    m_selected.highestModSeq = *r.code.number();
                if (r.status == ImapResponse::Status::Bye && !m_loggingOut) {
                    const TrText tr =
                        TrText::translate("Exception",
                                          "The server ended the session (%1) while waiting for %2")
                            .arg(TrText::plain(QString::fromUtf8(r.summary())), awaiting());
                    QString text = tr.english();
                    if (OnError) OnError(this, text);
                    Close();
                    throw ESocketError(Reworded(tr, text));
                }
            }
            LastReply = QString::fromUtf8(r.summary());
            return r;
        }
        // However often the server sends a little, one command's replies have a ceiling.
        if (BlockCeiling > 0 && m_commandTime.isValid() &&
            m_commandTime.elapsed() >= qint64(BlockCeiling) * 1000)
            RaiseTimedOut();
        m_reader.feed(ReadAvailable(m_reader.pending() > 0));
    }
}

ImapResponse ImapConnection::complete(const QByteArray& tag, const QString& step,
                                      const std::function<void(const ImapResponse&)>& untagged,
                                      bool okOnly) {
    expectReplyTo(step);
    for (;;) {
        ImapResponse r = readResponse();
        if (r.kind == ImapResponse::Kind::Tagged) {
            if (r.tag != tag)
                throw EServerError(TrText::translate("Exception",
                                                     "The server answered a command it was not "
                                                     "sent: ") +
                                   failure(r, step));
            if (okOnly && !r.ok()) throw EServerError(failure(r, step));
            return r;
        }
        if (r.kind == ImapResponse::Kind::Continuation)
            throw EServerError(TrText::translate("Exception",
                                                 "The server asks for more of a command that is "
                                                 "complete: ") +
                               failure(r, step));
        if (untagged) untagged(r);
    }
}

ImapResponse ImapConnection::run(const QByteArray& command, const QString& step,
                                 const std::function<void(const ImapResponse&)>& untagged,
                                 bool okOnly) {
    const QString name = step.isEmpty() ? QString::fromUtf8(command) : step;
    return complete(send(command, name), name, untagged, okOnly);
}

QByteArray ImapConnection::sendSelect(const QByteArray& folder, bool writable, bool queue) {
    m_selected = {};
    m_selected.name = folder;
    m_selected.writable = writable;
    const QByteArray verb = writable ? "SELECT " : "EXAMINE ";
    return send(verb + imapQuoted(folder), QString::fromLatin1(verb) + decodeFolderName(folder),
                queue);
}

void ImapConnection::completeSelect(const QByteArray& tag) {
    const QString step =
        (m_selected.writable ? QStringLiteral("SELECT ") : QStringLiteral("EXAMINE ")) +
        decodeFolderName(m_selected.name);
    try {
        complete(tag, step);
    } catch (...) {
        m_selected = {};
        throw;
    }
}

void ImapConnection::learnCapabilities(const ImapResponse& response) {
    const QList<ImapValue>& values =
        response.code.name == "CAPABILITY" ? response.code.args : response.data;
    m_capabilities.clear();
    for (const ImapValue& v : values)
        if (v.isAtom() || v.isNumber()) m_capabilities << v.text.toUpper();
    m_capabilitiesKnown = true;
}

void ImapConnection::askCapabilities() {
    run("CAPABILITY");
}

void ImapConnection::Login() {
    closeOnFailure([this] {
        ResetState();
        setAwaiting(TrText::translate("Exception", "the greeting"));
        ConnectSocket();
        const ImapResponse greeting = readResponse();
        if (greeting.kind != ImapResponse::Kind::Untagged ||
            (greeting.status != ImapResponse::Status::Ok &&
             greeting.status != ImapResponse::Status::PreAuth))
            throw EServerError(
                TrText::translate("Exception", "The server's greeting is no IMAP greeting: ") +
                QString::fromUtf8(greeting.summary()));
        const bool signedIn = greeting.status == ImapResponse::Status::PreAuth;
        if (!IsSecure()) {
            // Signed in before anything could be protected: only when the
            // mailbox does not ask for protection.
            if (signedIn && Security == MailSecurity::StartTlsRequired)
                refuseSignIn(TrText::translate("Exception",
                                               "The server signed in without STARTTLS, which this "
                                               "mailbox requires"));
            if (!signedIn) negotiateTls();
        }
        if (signedIn) return;
        if (!m_capabilitiesKnown) askCapabilities();
        if (SignIn == MailSignIn::OAuth2)
            authenticateOAuth2();
        else
            login();
    });
}

// On a plain connection: STARTTLS as Security asks for it. Once STARTTLS is
// sent the upgrade is required whatever the choice. "STARTTLS required" signs
// in on nothing but a protected connection, so that whoever strips STARTTLS
// from the capabilities never gets the password.
void ImapConnection::negotiateTls() {
    if (Security == MailSecurity::None) return;
    const bool required = Security == MailSecurity::StartTlsRequired;
    if (!m_capabilitiesKnown) askCapabilities();
    if (!offers("STARTTLS")) {
        refuseWithoutStartTls(required);
        return;
    }
    const ImapResponse r = run("STARTTLS", QString(), {}, false);
    if (!r.ok()) refuseStartTls(required, TrText::plain(QString::fromUtf8(r.summary())));
    // Nothing received before the handshake counts, the capabilities least of all.
    m_reader.clear();
    StartTls();
    m_capabilities.clear();
    m_capabilitiesKnown = false;
    askCapabilities();
}

void ImapConnection::login() {
    if (offers("LOGINDISABLED"))
        refuseSignIn(TrText::translate("Exception",
                                       "The server does not accept a password on this connection "
                                       "(LOGINDISABLED)"));
    const QList<Piece> pieces = {
        {"LOGIN ", false}, astring(UserName.toUtf8()), {" ", false}, astring(Password.toUtf8())};
    const QString step = QStringLiteral("LOGIN"); // the user name and password are never shown
    const QByteArray tag = 'A' + QByteArray::number(++m_nextTag);
    expectReplyTo(step);
    m_commandTime.start();
    QByteArray out = tag + ' ';
    for (const Piece& p : pieces) {
        if (!p.literal) {
            out += p.bytes;
            continue;
        }
        const bool ahead = offers("LITERAL+") || (offers("LITERAL-") && p.bytes.size() <= 4096);
        out += '{' + QByteArray::number(p.bytes.size()) + (ahead ? "+" : "") + "}\r\n";
        if (!ahead) {
            // The rest goes once the server asks for it.
            SendBytes(out);
            out.clear();
            for (;;) {
                const ImapResponse r = readResponse();
                if (r.kind == ImapResponse::Kind::Continuation) break;
                if (r.kind == ImapResponse::Kind::Tagged) throw EServerError(failure(r, step));
            }
        }
        out += p.bytes;
    }
    SendBytes(out + "\r\n");
    const ImapResponse done = complete(tag, step);
    if (done.code.name != "CAPABILITY") askCapabilities();
}

// A token goes out only on a protected connection, with the mechanism the
// capabilities offer (OAUTHBEARER before XOAUTH2). A rejected token is renewed
// once and tried again in the same session.
void ImapConnection::authenticateOAuth2() {
    if (!IsSecure())
        refuseSignIn(TrText::translate("Exception",
                                       "OAuth2 is only sent over an encrypted connection, and this "
                                       "one is not encrypted"));
    QByteArray mechanism;
    if (offers("AUTH=OAUTHBEARER"))
        mechanism = "OAUTHBEARER";
    else if (offers("AUTH=XOAUTH2"))
        mechanism = "XOAUTH2";
    else
        refuseSignIn(TrText::translate("Exception",
                                       "The server does not offer OAuth2 sign-in (OAUTHBEARER or "
                                       "XOAUTH2)"));
    QString challenge;
    if (sendSaslToken(mechanism, OnAccessToken(false), &challenge)) return;
    const QString first = LastReply;
    if (Connected() && sendSaslToken(mechanism, OnAccessToken(true), &challenge)) return;
    QString text = LastReply.isEmpty() ? first : LastReply;
    if (!challenge.isEmpty()) text += QStringLiteral(" (") + challenge + QLatin1Char(')');
    throw EServerError(
        TrText::translate("Exception", "%1 (%2)")
            .arg(TrText::plain(text),
                 TrText::translate("Exception", "the reply to %1")
                     .arg(QStringLiteral("AUTHENTICATE ") + QString::fromLatin1(mechanism))));
}

bool ImapConnection::sendSaslToken(const QByteArray& mechanism, const QString& token,
                                   QString* challenge) {
    challenge->clear();
    const QByteArray user = UserName.toUtf8();
    const QByteArray bearer = "auth=Bearer " + token.toUtf8();
    QByteArray initial;
    if (mechanism == "XOAUTH2") {
        initial = "user=" + user + '\x01' + bearer + "\x01\x01";
    } else {
        QByteArray authzid = user;
        authzid.replace("=", "=3D").replace(",", "=2C");
        initial = "n,a=" + authzid + ",\x01host=" + RemoteHost().toUtf8() +
                  "\x01port=" + QByteArray::number(RemotePort()) + '\x01' + bearer + "\x01\x01";
    }
    const QByteArray response = initial.toBase64();
    // The token is never part of a failure's text.
    const QString step = QStringLiteral("AUTHENTICATE ") + QString::fromLatin1(mechanism);
    QByteArray tag;
    if (offers("SASL-IR")) {
        tag = send("AUTHENTICATE " + mechanism + ' ' + response, step);
    } else {
        tag = send("AUTHENTICATE " + mechanism, step);
        for (;;) {
            const ImapResponse r = readResponse();
            if (r.kind == ImapResponse::Kind::Continuation) break;
            if (r.kind == ImapResponse::Kind::Tagged) throw EServerError(failure(r, step));
        }
        SendBytes(response + "\r\n");
    }
    for (;;) {
        const ImapResponse r = readResponse();
        if (r.kind == ImapResponse::Kind::Continuation) {
            // An error challenge: its JSON status goes with the final reply.
            const QByteArray json = QByteArray::fromBase64(r.text.trimmed());
            *challenge =
                QJsonDocument::fromJson(json).object().value(QStringLiteral("status")).toString();
            if (challenge->isEmpty()) *challenge = QString::fromUtf8(json);
            SendBytes(mechanism == "OAUTHBEARER" ? "AQ==\r\n" : "\r\n");
            continue;
        }
        if (r.kind != ImapResponse::Kind::Tagged) continue;
        if (r.tag != tag || r.status == ImapResponse::Status::Bad)
            throw EServerError(failure(r, step));
        if (!r.ok()) return false;
        if (r.code.name != "CAPABILITY") askCapabilities();
        return true;
    }
}

void ImapConnection::Logout() {
    if (!Connected()) return;
    m_loggingOut = true;
    const QByteArray tag = send("LOGOUT");
    expectReplyTo(QStringLiteral("LOGOUT"));
    bool bye = false;
    for (;;) {
        // The server may close at once after its BYE: what it sent then is enough.
        ImapResponse r;
        if (bye && !m_reader.next(r)) return;
        if (!bye) r = readResponse();
        if (r.status == ImapResponse::Status::Bye) bye = true;
        if (r.kind == ImapResponse::Kind::Tagged && r.tag == tag) return;
    }
}
