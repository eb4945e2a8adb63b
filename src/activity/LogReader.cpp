#include "activity/LogReader.h"

#include "activity/LogStamp.h"
#include "mail/Exceptions.h"
#include "mail/mime/Text.h"
#include "settings/Clock.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstring>

namespace {
const qsizetype kBlock = 256 * 1024;
const qsizetype kMaxField = 255;

// The lines of a device, each decoded as UTF-8, or as Windows-1252 when its
// bytes are not valid UTF-8; the CR LF or LF at its end removed.
class LineSource {
public:
    explicit LineSource(QIODevice& device) : m_device(device) {}

    // The next line, or false at the end of the device.
    bool next(QString& line) {
        for (;;) {
            const char* begin = m_buf.constData() + m_pos;
            const auto* nl =
                static_cast<const char*>(std::memchr(begin, '\n', size_t(m_buf.size() - m_pos)));
            if (nl) {
                line = decode(QByteArrayView(begin, nl - begin));
                m_pos = nl - m_buf.constData() + 1;
                return true;
            }
            if (m_eof) {
                if (m_pos >= m_buf.size()) return false;
                line = decode(QByteArrayView(begin, m_buf.size() - m_pos));
                m_pos = m_buf.size();
                return true;
            }
            m_buf.remove(0, m_pos);
            m_pos = 0;
            const QByteArray more = m_device.read(kBlock);
            if (more.isEmpty()) m_eof = true;
            m_buf += more;
        }
    }

private:
    QString decode(QByteArrayView bytes) {
        if (!bytes.isEmpty() && bytes.back() == '\r') bytes.chop(1);
        bool ascii = true;
        for (char c : bytes) {
            if (uchar(c) >= 0x80) {
                ascii = false;
                break;
            }
        }
        if (ascii) return QString::fromLatin1(bytes);
        if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
        return Windows1252ToString(bytes);
    }

    QIODevice& m_device;
    QByteArray m_buf;
    qsizetype m_pos = 0;
    bool m_eof = false;
};

// Shares one copy of each field text among the records that hold it.
class FieldPool {
public:
    QString operator()(QStringView text) {
        QString field = TrimField(text);
        if (field.isEmpty()) return QString();
        const auto it = m_pool.constFind(field);
        if (it != m_pool.cend()) return *it;
        m_pool.insert(field);
        return field;
    }

private:
    QSet<QString> m_pool;
};

// The characters from index from up to, not including, the next stop, or to the end.
QStringView upTo(QStringView line, qsizetype from, QChar stop) {
    if (from < 0 || from >= line.size()) return {};
    qsizetype end = line.indexOf(stop, from);
    if (end < 0) end = line.size();
    return line.mid(from, end - from);
}

// The rest of line from index from, at most kMaxField characters.
QStringView restOf(QStringView line, qsizetype from) {
    if (from < 0 || from >= line.size()) return {};
    return line.mid(from, kMaxField);
}

QString asciiLower(const QString& s) {
    QString out = s;
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
    }
    return out;
}

class Parser {
public:
    Parser(const QLocale& locale, const Clock& clock, ActivityRecords& out)
        : m_locale(locale), m_clock(clock), m_out(out) {}

    void mailCheck(QStringView line) {
        const QString number = m_pool(upTo(line, 11, u' '));

        QString user;
        const qsizetype forAt = line.indexOf(u"for \"");
        if (forAt >= 0) user = m_pool(upTo(line, forAt + 5, u'"'));

        QString server;
        const qsizetype serverAt = line.indexOf(u"on server ");
        if (serverAt >= 0) server = m_pool(upTo(line, serverAt + 10, u' '));

        QString date, time;
        const qsizetype at = line.indexOf(u" at ");
        if (at >= 0) {
            date = m_pool(upTo(line, at + 8, u' '));
            time = m_pool(LogTimeOfLine(line, m_locale, m_clock));
        }

        if (!number.isEmpty()) m_out.Checks.append(CheckRecord{number, user, server, date, time});
        offerMailbox(user);
    }

    void deletion(QStringView first, QStringView server, QStringView subject, QStringView sender,
                  QStringView size) {
        Q_UNUSED(subject);
        DeletionRecord r;
        r.Date = m_pool(upTo(first, 19, u' '));
        r.Time = m_pool(LogTimeOfLine(first, m_locale, m_clock));
        if (server.contains(u"Server:")) r.Server = m_pool(upTo(server, 12, u' '));
        const qsizetype mailboxAt = server.indexOf(u"Mailbox:");
        if (mailboxAt >= 0) r.Mailbox = m_pool(restOf(server, mailboxAt + 9));
        const qsizetype senderAt = sender.indexOf(u"Sender:");
        if (senderAt >= 0) {
            const QString raw = TrimField(restOf(sender, senderAt + 9));
            r.Sender = m_pool(asciiLower(raw));
            const qsizetype atSign = r.Sender.indexOf(u'@');
            if (atSign >= 0) r.Domain = m_pool(QStringView(r.Sender).mid(atSign + 1, kMaxField));
        }
        const qsizetype sizeAt = size.indexOf(u"Size:");
        if (sizeAt >= 0) r.Size = m_pool(upTo(size, sizeAt + 9, u' '));
        m_out.Deletions.append(std::move(r));
    }

private:
    void offerMailbox(const QString& user) {
        if (m_seen.contains(user)) return;
        m_seen.insert(user);
        const QString key = user.toLower();
        if (m_seenFolded.contains(key)) return;
        m_seenFolded.insert(key);
        m_out.Mailboxes.append(user);
    }

    const QLocale& m_locale;
    const Clock& m_clock;
    ActivityRecords& m_out;
    FieldPool m_pool;
    QSet<QString> m_seen, m_seenFolded;
};
} // namespace

QString LogReader::AllMailboxes() {
    return QStringLiteral("All mailboxes");
}

QString LogReader::MissingFileText() {
    return QCoreApplication::translate("LogReader",
                                       "The activity log file does not exist!  Either you have "
                                       "cleared/deleted the activity log or you have not yet "
                                       "begun to use Quillmere.");
}

QString LogReader::UnreadableFileText() {
    return QCoreApplication::translate("LogReader",
                                       "Could not open Activity log file for reading!");
}

LogReader::LogReader(const QLocale& locale) : LogReader(locale, Clock::current()) {}

LogReader::LogReader(const QLocale& locale, const Clock& clock)
    : m_locale(locale), m_clock(clock) {}

ActivityRecords LogReader::readInLogFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) throw EFileError(MissingFileText());
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) throw EFileError(UnreadableFileText());
    return read(file, info.size());
}

ActivityRecords LogReader::read(QIODevice& device, qint64 size) {
    ActivityRecords out;
    out.Mailboxes.append(AllMailboxes());
    Parser parser(m_locale, m_clock, out);
    LineSource source(device);
    qint64 lineNo = 0;
    const auto nextLine = [&](QString& line) {
        ++lineNo;
        if (OnProgress) OnProgress(qMin(size, 60 * lineNo), size);
        return source.next(line);
    };

    QString line;
    QString block[4];
    while (nextLine(line)) {
        if (line.contains(u"MAIL CHECK ")) {
            parser.mailCheck(line);
        } else if (line.contains(u"DELETE SPAM")) {
            for (QString& next : block) {
                if (!nextLine(next)) next.clear();
            }
            parser.deletion(line, block[0], block[1], block[2], block[3]);
        }
    }
    return out;
}
