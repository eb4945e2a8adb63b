#pragma once

#include "mail/transport/Socket.h"

// The frame of a mail protocol client: connecting signs in, disconnecting
// signs off. When an operation fails, the connection is closed without signing
// off, so that the server commits nothing that was asked before the failure
// and the next operation signs in anew.
class TmsMailBase : public TagSocket {
    Q_OBJECT
public:
    using TagSocket::TagSocket;

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
