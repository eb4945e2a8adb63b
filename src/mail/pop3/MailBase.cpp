#include "mail/pop3/MailBase.h"

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
