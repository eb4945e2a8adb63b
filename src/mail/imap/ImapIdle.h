#pragma once

#include "mail/MailClient.h"
#include "mail/imap/ImapConnection.h"

#include <QObject>
#include <QTimer>

// Watches one IMAP folder for new mail on a connection of its own (IDLE, RFC
// 2177): signs in, examines the folder and waits in IDLE, which is issued
// anew every 25 minutes, before servers give up on it. A connection that
// drops is made again after a pause that doubles with each failure (from 5
// seconds to 5 minutes). Only the sign-in waits in the transport's own waits;
// IDLE itself waits in the program's event loop, so nothing else is held up
// while it lasts.
class ImapIdle : public QObject {
    Q_OBJECT
public:
    explicit ImapIdle(QObject* parent = nullptr);
    ~ImapIdle() override;

    // The mailbox and folder watched; the token source of an OAuth2 sign-in.
    void setAccount(const MailAccount& account);
    const MailAccount& account() const { return m_account; }
    void setAccessTokenSource(std::function<QString(bool renew)> source);
    // Seconds a wait of the sign-in, or for an answer during IDLE, may last.
    void setTimeOut(int seconds);
    // How often IDLE is issued anew, and the pauses before a new connection.
    void setReissueInterval(int ms) { m_reissueMs = ms; }
    void setBackOff(int firstMs, int mostMs);

    // Starts watching from the event loop (never within this call).
    void start();
    // Stops watching: the connection closes without another word and nothing
    // more is announced. A sign-in under way is canceled.
    void stop();
    // stop(), then deletes itself once no sign-in of its own is under way.
    void dispose();
    // Whether IDLE runs now.
    bool watching() const { return m_state == State::Idling; }
    // Whether a sign-in of its own waits now (it must not be deleted then).
    bool signingIn() const { return m_busy; }

    static constexpr int ReissueMs = 25 * 60 * 1000;

Q_SIGNALS:
    // The server accepted IDLE: the folder is watched.
    void watchingStarted();
    // The folder holds more messages than when it was last seen.
    void newMail();
    // The connection was lost or refused (why); a new one follows after a pause.
    void dropped(const QString& why);
    // The server does not offer IDLE: the folder is not watched.
    void unsupported();

private:
    enum class State { Stopped, Waiting, Connecting, Starting, Idling, Ending };

    void connectNow();
    void sendIdle();
    void readSome();
    void handle(const ImapResponse& r);
    void reissue();
    void drop(const QString& why);

    ImapConnection m_imap;
    MailAccount m_account;
    State m_state = State::Stopped;
    QByteArray m_tag;     // of the IDLE running
    qint64 m_exists = -1; // the folder's messages as last seen
    bool m_busy = false;  // inside the sign-in's waits
    bool m_disposed = false;
    int m_reissueMs = ReissueMs;
    int m_firstBackOffMs = 5000;
    int m_mostBackOffMs = 5 * 60 * 1000;
    int m_backOffMs = 5000;
    QTimer m_connect; // the next connection
    QTimer m_reissue; // the next DONE
    QTimer m_answer;  // an answer awaited during IDLE
};
