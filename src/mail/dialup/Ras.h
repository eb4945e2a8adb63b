#pragma once

#include "mail/TrText.h"

#include "mail/transport/DialLink.h"
#include "mail/transport/TimeCounter.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class DialService;
class QEventLoop;

// The dial-up link of the transport: before a mail server is contacted, Dial
// makes sure the chosen connection (Service, one of Entries) is up, reusing one
// that is up already or starting it and waiting for it; Release hangs up a
// connection that this component started itself, never one another program
// started. The connections are the network manager's profiles of the kinds
// that dial; without a network manager Entries is empty and Dial does nothing.
//
// Dial's failures are raised: ERASError (with the network manager's reason),
// ETimedOutError after TimeOut seconds, ECanceledError when Release is called
// while it waits. The wait runs in the event loop.
class TagRas : public TagDialLink {
    Q_OBJECT
public:
    // Connection states, as OnStatusChange names them.
    enum RasState { RASCS_OpenPort = 0, RASCS_PortOpened = 1, RASCS_Connected = 0x2000 };

    // service answers the questions about connections; null: NetworkManager on
    // the system bus. The component owns it.
    explicit TagRas(DialService* service = nullptr, QObject* parent = nullptr);
    ~TagRas() override;

    // The entry to dial; empty means no dial-up. Setting it reports a refusal
    // through OnServiceError and keeps (or, for an unknown name, clears) it.
    const QString& Service() const { return m_serviceName; }
    void setService(const QString& name);

    // Only a connection of Service counts as up; when false, any connection
    // with an address does.
    bool ForceService = true;
    // Kept for the settings that set it; no dial-up window exists to minimise.
    bool MinimizeAtConnect = false;
    // Kept for the settings that set it; the network manager asks its own
    // secret agent for missing passwords.
    QString Password;
    bool RemovePassword = true;

    // Longest wait for a dialled connection, in seconds.
    int TimeOut() const { return m_counter.Limit; }
    void setTimeOut(int seconds) { m_counter.Limit = seconds; }

    // Progress of a dial (the status text of each state).
    std::function<void(QObject*, const QString& RASStatusStr)> OnStatusChange;
    // After this component hung up.
    std::function<void(QObject*)> OnDisconnected;
    // The refusals of setService, to be shown as error boxes.
    std::function<void(QObject*, const QString& Msg)> OnServiceError;

    // The names of the dial-up entries, sorted, asked for anew on every call.
    QStringList Entries();
    // The entry list last read by Entries is not empty.
    bool RASAvailable() const { return !m_entries.isEmpty(); }
    // A suitable connection is up; its handle is then taken over.
    bool IsConnected();
    // Makes the connection available or raises.
    void Dial() override;
    // HangUp, then stops a Dial that is waiting.
    void Release() override;
    // Ends a connection this component dialled.
    void HangUp();

    // The component counts as connected (from a successful Dial to HangUp).
    bool Connected() const { return m_connected; }
    // The connection in use was started by this component.
    bool Dialled() const { return m_dialled; }

    // The text for a connection state; empty for states without one.
    static QString StatusText(int state);
    // The text for a network manager's reason code; empty when it has none.
    static QString ReasonText(int reason);
    // The same, in English and in the user's language.
    static TrText ReasonTr(int reason);
    // An ERASError's message: text, or "RAS error no " and the code without one.
    static QString ErrorText(int code, const QString& text);
    // The code of the last failure a dial was told of (a reason code).
    int LastError() const { return m_lastError; }

private:
    void linkStateChanged(const QString& linkPath, int state, int reason);
    void status(int rasState);
    void wake();

    std::unique_ptr<DialService> m_service;
    QString m_serviceName;
    QStringList m_entries;
    QString m_handle;
    bool m_connected = false;
    bool m_dialled = false;
    bool m_canceled = false;
    bool m_failed = false;
    int m_lastError = 0;
    TTimeCounter m_counter;
    QEventLoop* m_loop = nullptr;
};
