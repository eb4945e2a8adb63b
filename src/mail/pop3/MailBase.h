#pragma once

#include "mail/MailClient.h"
#include "mail/transport/Socket.h"

#include <functional>

// The frame of a mail protocol client: connecting signs in, disconnecting
// signs off. When an operation fails, the connection is closed without signing
// off, so that the server commits nothing that was asked before the failure
// and the next operation signs in anew.
class TmsMailBase : public TagSocket {
    Q_OBJECT
public:
    using TagSocket::TagSocket;

    QString UserName;
    // Sent as its UTF-8 bytes; never shown anywhere.
    QString Password;
    // The password, or OAuth2 through SASL (only on a protected connection).
    MailSignIn SignIn = MailSignIn::Password;
    // For OAuth2: the access token to send. renew is true when the server has
    // just rejected the token given before in this sign-in. Raises (for
    // instance EOAuth2Error) when no token can be had; the sign-in then ends
    // before anything more is sent.
    std::function<QString(bool renew)> OnAccessToken;

    // Takes account's server, user name, password, sign-in, security and
    // trusted fingerprint for the next sign-in.
    void useAccount(const MailAccount& account);

    // Signs in on a connection whose socket is connected.
    virtual void Login() = 0;
    // Signs off.
    virtual void Logout() = 0;

    // Unless connected: Open, then Login. A connection the server has closed
    // meanwhile is closed and opened anew.
    void Connect();
    // If connected: Logout, then Close (only Close when the server has closed).
    void Disconnect();

protected:
    // Reports reason through OnError and raises ESocketError: no sign-in.
    [[noreturn]] void refuseSignIn(const TrText& reason);
    // The server offers no STARTTLS: refuses the sign-in when the mailbox
    // requires it, else returns and the session goes on unencrypted.
    void refuseWithoutStartTls(bool required);
    // The server refused STARTTLS with reply: refuses the sign-in.
    [[noreturn]] void refuseStartTls(bool required, const TrText& reply);
    // Runs step; when it raises, closes the connection (without signing off)
    // and passes the exception on.
    template <class Step> void closeOnFailure(Step&& step) {
        try {
            step();
        } catch (...) {
            if (Connected()) Close();
            throw;
        }
    }
};
