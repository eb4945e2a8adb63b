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

void TmsMailBase::refuseSignIn(const TrText& reason) {
    const TrText tr =
        SignIn == MailSignIn::OAuth2
            ? TrText::translate("Exception", "%1; no token was sent.").arg(reason)
            : TrText::translate("Exception", "%1; the password was not sent.").arg(reason);
    QString text = tr.english();
    if (OnError) OnError(this, text);
    throw ESocketError(Reworded(tr, text));
}

void TmsMailBase::refuseWithoutStartTls(bool required) {
    if (required)
        refuseSignIn(TrText::translate("Exception", "The server does not offer STARTTLS, "
                                                    "which this mailbox requires"));
}

void TmsMailBase::refuseStartTls(bool required, const TrText& reply) {
    refuseSignIn((required ? TrText::translate("Exception", "The server refused STARTTLS, "
                                                            "which this mailbox requires: %1")
                           : TrText::translate("Exception", "The server refused STARTTLS, which it "
                                                            "offered: %1"))
                     .arg(reply));
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
