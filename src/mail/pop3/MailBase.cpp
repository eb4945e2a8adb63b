#include "mail/pop3/MailBase.h"

#include "mail/Exceptions.h"

void TmsMailBase::useAccount(const MailAccount& account) {
    Server = account.Server;
    UserName = account.UserName;
    Password = account.Password;
    SignIn = account.SignIn;
    Security = account.Security;
    TrustedFingerprint = account.TrustedFingerprint;
}

void TmsMailBase::refuseSignIn(const QString& reason) {
    const QString suffix = SignIn == MailSignIn::OAuth2
                               ? QStringLiteral("; no token was sent.")
                               : QStringLiteral("; the password was not sent.");
    QString text = reason + suffix;
    if (OnError) OnError(this, text);
    throw ESocketError(text);
}

void TmsMailBase::Connect() {
    if (Connected() && PeerClosed) Close();
    if (Connected()) return;
    closeOnFailure([this] {
        Open();
        Login();
    });
}

void TmsMailBase::Disconnect() {
    if (!Connected()) return;
    if (PeerClosed) { // the server has gone: there is nobody to sign off from
        Close();
        return;
    }
    closeOnFailure([this] { Logout(); });
    Close();
}
