// Line and data-block traffic of the transport, and the TLS upgrade.
#include "mail/Exceptions.h"
#include "mail/mime/Text.h"
#include "mail/transport/Socket.h"
#include "mail/transport/SocketErrors.h"

#include <QElapsedTimer>
#include <QSslSocket>

namespace {

constexpr int LineBufferSize = 1024;
constexpr qint64 BlockChunk = 16384;
const QByteArray Terminator = QByteArrayLiteral("\r\n.\r\n");

// Stream position x 100 / expected, rounded to the nearest integer, halves to even.
int percentage(qint64 position, qint64 expected) {
    const qint64 scaled = position * 100;
    qint64 q = scaled / expected;
    const qint64 twice = (scaled % expected) * 2;
    if (twice > expected || (twice == expected && (q & 1))) ++q;
    return static_cast<int>(q);
}

// How many bytes of ahead belong to the block whose bytes so far are received:
// all of them, or up to and including the terminating line. The block follows
// the CR LF of its status line, so a block that is only "." CR LF is complete.
qsizetype blockPart(const QByteArray& received, const QByteArray& ahead, bool* done) {
    const QByteArray before = (QByteArrayLiteral("\r\n") + received).right(4);
    // A terminating line that began in what was received before; otherwise
    // one in ahead alone (ahead may hold many replies: it is not copied).
    const qsizetype seam = (before + ahead.left(4)).indexOf(Terminator);
    *done = true;
    if (seam >= 0) return seam + Terminator.size() - before.size();
    const qsizetype at = ahead.indexOf(Terminator);
    *done = at >= 0;
    return at < 0 ? ahead.size() : at + Terminator.size();
}

} // namespace

void TagSocket::SendLine(const QString& Line) {
    SendBytes(Line.toUtf8() + "\r\n");
}

void TagSocket::SendBytes(const QByteArray& Bytes) {
    // A cancel between two waits (from an event handler) has closed the socket
    // already: report the cancel, not the missing connection.
    if (Canceled) RaiseCanceled();
    if (!Connected()) RaiseSocketError(57008);
    m_counter.Start();
    // After the peer has closed, the line goes nowhere; the wait for its reply
    // then fails at once.
    if (!PeerClosed) {
        m_socket->write(Bytes);
        m_socket->flush();
    }
    waitFor([this] { return !m_socket || PeerClosed || m_socket->bytesToWrite() == 0; },
            StopCanceled | StopTimedOut | StopAsyncError);
    m_counter.Stop();
    if (m_counter.TimedOut) RaiseTimedOut();
    if (Canceled) RaiseCanceled();
    if (AsyncError) RaiseSocketError(AsyncErrorCode);
}

void TagSocket::QueueLines(const QStringList& Lines) {
    QByteArray data;
    for (const QString& line : Lines)
        data += line.toUtf8() + "\r\n";
    QueueBytes(data);
}

void TagSocket::QueueBytes(const QByteArray& Bytes) {
    if (Canceled) RaiseCanceled();
    if (!Connected()) RaiseSocketError(57008);
    if (AsyncError) RaiseSocketError(AsyncErrorCode);
    // After the peer has closed, the lines go nowhere, as with SendLine.
    if (PeerClosed || Bytes.isEmpty()) return;
    m_socket->write(Bytes);
    // Hands the kernel what it takes now; Qt sends the rest when it can.
    m_socket->flush();
}

// Waits until data is there to read, and raises what stopped the wait otherwise
// (a peer that closed with nothing more to read, too).
void TagSocket::waitReadable(bool MidReply) {
    m_counter.Start();
    waitFor([this] { return bytesWaiting() || PeerClosed; },
            StopCanceled | StopTimedOut | StopAsyncError);
    m_counter.Stop();
    if (Canceled) RaiseCanceled();
    if (m_counter.TimedOut) RaiseTimedOut();
    if (AsyncError) RaiseSocketError(AsyncErrorCode);
    if (!bytesWaiting()) raiseClosed(MidReply);
}

QByteArray TagSocket::ReadAvailable(bool MidReply) {
    if (Canceled) RaiseCanceled();
    if (!Connected()) RaiseSocketError(57008);
    waitReadable(MidReply);
    Readable = false;
    return m_socket->readAll();
}

QByteArray TagSocket::TakeAvailable() {
    if (!m_socket) return {};
    Readable = false;
    return m_socket->readAll();
}

int TagSocket::ReadReplyLine(QString& Line) {
    int result = -1;
    if (Canceled) RaiseCanceled();
    if (!Connected()) RaiseSocketError(57008);
    waitReadable(false);
    m_counter.Start();
    Readable = false;
    Line.clear();
    QByteArray line;
    bool found = false;
    for (;;) {
        if (Canceled || m_counter.TimedOut || !m_socket) break;
        // Take what is buffered, up to and including the first LF only.
        char chunk[LineBufferSize + 1];
        const qint64 room = LineBufferSize - line.size();
        const qint64 got = room > 0 ? m_socket->readLine(chunk, room + 1) : 0;
        if (got > 0) {
            line.append(chunk, got);
            found = line.endsWith('\n');
            if (found) break;
        }
        if (line.size() >= LineBufferSize) {
            m_counter.Stop();
            RaiseSocketError(57006);
        }
        if (AsyncError) break;
        if (PeerClosed && !bytesWaiting()) break;
        waitFor([this] { return bytesWaiting() || PeerClosed; },
                StopCanceled | StopTimedOut | StopAsyncError);
    }
    m_counter.Stop();
    if (found) {
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        Line = TextFromBytes(line);
        result = ReplyCode(Line);
    }
    if (m_counter.TimedOut) RaiseTimedOut();
    if (Canceled) RaiseCanceled();
    if (!found && AsyncError) RaiseSocketError(AsyncErrorCode);
    return result;
}

void TagSocket::ReadToStream(QByteArray& Stream, int ExpectedSize, qint64 SizeLimit) {
    if (Canceled) RaiseCanceled();
    if (!Connected()) RaiseSocketError(57008);
    // The silence between two receipts restarts the time-out; the block as a
    // whole has a ceiling, so that a server that dribbles cannot hold us forever.
    QElapsedTimer whole;
    whole.start();
    const auto pastCeiling = [this, &whole] {
        return BlockCeiling > 0 && whole.elapsed() >= qint64(BlockCeiling) * 1000;
    };
    waitReadable(true);
    Readable = false;
    const qsizetype start = Stream.size();
    m_counter.Start();
    bool done = false;
    for (;;) {
        QByteArray received;
        if (m_socket && !Canceled) {
            // Never take more than the block: what follows it stays buffered.
            const QByteArray ahead = m_socket->peek(BlockChunk);
            if (!ahead.isEmpty())
                received = m_socket->read(
                    blockPart(Stream.sliced(std::max(start, Stream.size() - 4)), ahead, &done));
        }
        if (AsyncError && !Canceled) RaiseSocketError(AsyncErrorCode);
        const qint64 position = Stream.size() - start;
        if (OnProgress)
            OnProgress(this, ExpectedSize > 0 ? percentage(position, ExpectedSize) : -1,
                       static_cast<int>(position));
        if (!received.isEmpty()) {
            Stream.append(received);
            m_counter.Start();
        }
        if (SizeLimit > 0 && Stream.size() - start > SizeLimit) raiseTooLarge(SizeLimit);
        if (done || Canceled || m_counter.TimedOut || pastCeiling()) break;
        if (PeerClosed && !bytesWaiting()) raiseClosed(true);
        waitFor([this, &pastCeiling] { return bytesWaiting() || PeerClosed || pastCeiling(); },
                StopCanceled | StopTimedOut | StopAsyncError);
    }
    m_counter.Stop();
    if (m_counter.TimedOut) RaiseTimedOut();
    if (Canceled) RaiseCanceled();
    if (!done) RaiseTimedOut();
}

// The rest of the block is still unread, so the connection cannot go on.
void TagSocket::raiseTooLarge(qint64 SizeLimit) {
    m_counter.Stop();
    const TrText tr = FormatLibraryText(57014, {TrText::plain(QString::number(SizeLimit))});
    QString text = tr.english();
    if (OnError) OnError(this, text);
    Close();
    throw ESocketError(Reworded(tr, text));
}

void TagSocket::StartTls() {
    if (!Connected()) RaiseSocketError(57008);
    if (Canceled) RaiseCanceled();
    // Whatever arrived before the handshake was not protected: drop it.
    while (m_socket->bytesAvailable() > 0)
        m_socket->read(m_socket->bytesAvailable());
    ConnectDone = false;
    m_handshaking = true;
    m_sslErrors.clear();
    m_rejected = QSslCertificate();
    m_counter.Start();
    m_socket->startClientEncryption();
    finishHandshakeWait();
}
