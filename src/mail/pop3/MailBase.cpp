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
    closeOnFailure([this] { Logout(); });
    Close();
}
