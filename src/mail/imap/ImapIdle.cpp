#include "mail/imap/ImapIdle.h"

#include "mail/Exceptions.h"
#include "mail/imap/ImapText.h"

ImapIdle::ImapIdle(QObject* parent) : QObject(parent) {
    m_connect.setSingleShot(true);
    m_reissue.setSingleShot(true);
    m_answer.setSingleShot(true);
    m_answer.setInterval(120 * 1000);
    connect(&m_connect, &QTimer::timeout, this, &ImapIdle::connectNow);
    connect(&m_reissue, &QTimer::timeout, this, &ImapIdle::reissue);
    connect(&m_answer, &QTimer::timeout, this,
            [this] { drop(QStringLiteral("The server did not answer during IDLE")); });
    m_imap.setTimeOut(120);
}

ImapIdle::~ImapIdle() {
    m_imap.OnReadable = nullptr;
}

void ImapIdle::setAccount(const MailAccount& account) {
    m_account = account;
    m_imap.useAccount(account);
}

void ImapIdle::setAccessTokenSource(std::function<QString(bool renew)> source) {
    m_imap.OnAccessToken = std::move(source);
}

void ImapIdle::setTimeOut(int seconds) {
    m_imap.setTimeOut(seconds);
    m_answer.setInterval(seconds * 1000);
}

void ImapIdle::setBackOff(int firstMs, int mostMs) {
    m_firstBackOffMs = m_backOffMs = firstMs;
    m_mostBackOffMs = mostMs;
}

void ImapIdle::start() {
    if (m_state != State::Stopped || m_disposed) return;
    m_state = State::Waiting;
    m_backOffMs = m_firstBackOffMs;
    m_connect.start(0);
}

void ImapIdle::stop() {
    m_state = State::Stopped;
    m_connect.stop();
    m_reissue.stop();
    m_answer.stop();
    m_imap.OnReadable = nullptr;
    // A sign-in waiting in the transport ends with the cancel it gets here.
    if (m_busy)
        m_imap.Cancel();
    else if (m_imap.Connected())
        m_imap.Close();
}

void ImapIdle::dispose() {
    stop();
    m_disposed = true;
    if (!m_busy) deleteLater();
}

void ImapIdle::connectNow() {
    if (m_state != State::Waiting) return;
    m_state = State::Connecting;
    m_busy = true;
    QString failure;
    bool idles = true;
    try {
        if (m_imap.Connected()) m_imap.Close();
        m_imap.Connect();
        idles = m_imap.offers("IDLE");
        if (idles) {
            // Watching changes nothing: the folder is only examined.
            const QString folder =
                m_account.Folder.trimmed().isEmpty() ? QStringLiteral("INBOX") : m_account.Folder;
            m_imap.completeSelect(m_imap.sendSelect(encodeFolderName(folder), false, false));
        } else {
            m_imap.Disconnect();
        }
    } catch (const Exception& e) {
        failure = e.message();
    } catch (const std::exception& e) {
        failure = FailureText(e).english();
    }
    m_busy = false;
    if (m_disposed) {
        deleteLater();
        return;
    }
    if (m_state != State::Connecting) return; // stopped meanwhile
    if (!failure.isEmpty()) {
        drop(failure);
        return;
    }
    if (!idles) {
        m_state = State::Stopped;
        Q_EMIT unsupported();
        return;
    }
    m_exists = m_imap.selected().exists;
    // From here the server's words arrive in the event loop.
    m_imap.OnReadable = [this](QObject*) { readSome(); };
    sendIdle();
    // What came with the folder's selection is read at once.
    readSome();
}

void ImapIdle::sendIdle() {
    m_state = State::Starting;
    try {
        m_tag = m_imap.send("IDLE", QString(), true);
    } catch (const Exception& e) {
        drop(e.message());
        return;
    }
    m_answer.start();
}

void ImapIdle::readSome() {
    if (m_state != State::Starting && m_state != State::Idling && m_state != State::Ending) return;
    m_imap.reader().feed(m_imap.TakeAvailable());
    try {
        ImapResponse r;
        while (m_state != State::Stopped && m_state != State::Waiting && m_imap.reader().next(r))
            handle(r);
    } catch (const Exception& e) {
        drop(e.message());
        return;
    }
    if ((m_state == State::Starting || m_state == State::Idling || m_state == State::Ending) &&
        (m_imap.PeerClosed || m_imap.AsyncError || !m_imap.Connected()))
        drop(m_imap.AsyncErrorText.isEmpty() ? LibraryText(57022).english()
                                             : m_imap.AsyncErrorText);
}

void ImapIdle::handle(const ImapResponse& r) {
    if (r.kind == ImapResponse::Kind::Continuation && m_state == State::Starting) {
        m_state = State::Idling;
        m_answer.stop();
        m_backOffMs = m_firstBackOffMs;
        m_reissue.start(m_reissueMs);
        Q_EMIT watchingStarted();
        return;
    }
    if (r.kind == ImapResponse::Kind::Tagged && r.tag == m_tag) {
        m_answer.stop();
        if (r.ok() && m_state == State::Ending)
            sendIdle();
        else
            drop(QString::fromUtf8(r.summary()));
        return;
    }
    if (r.kind != ImapResponse::Kind::Untagged) return;
    if (r.status == ImapResponse::Status::Bye) {
        drop(QString::fromUtf8(r.summary()));
        return;
    }
    if (r.name == "EXPUNGE" && m_exists > 0) --m_exists;
    if (r.name == "EXISTS") {
        const bool more = r.number > m_exists;
        m_exists = r.number;
        if (more) Q_EMIT newMail();
    }
}

void ImapIdle::reissue() {
    if (m_state != State::Idling) return;
    m_state = State::Ending;
    try {
        m_imap.QueueBytes("DONE\r\n");
    } catch (const Exception& e) {
        drop(e.message());
        return;
    }
    m_answer.start();
}

void ImapIdle::drop(const QString& why) {
    if (m_state == State::Stopped) return;
    m_imap.OnReadable = nullptr;
    m_reissue.stop();
    m_answer.stop();
    if (m_imap.Connected()) m_imap.Close();
    m_state = State::Waiting;
    const int pause = m_backOffMs;
    m_backOffMs = std::min(m_backOffMs * 2, m_mostBackOffMs);
    m_connect.start(pause);
    Q_EMIT dropped(why);
}
