#include "mail/cache/HeaderCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstdio>
#include <unistd.h>

// The file: the magic "QUILLHDR", the format version (u32), the mailbox's
// server, user name and folder (each a u32 length and UTF-8 text), the validity
// (u64), the state (u32 length and bytes), the number of entries (u32), then per
// entry its key (u32 length and UTF-8 text), its size (i64), the number of
// header lines (u32), where each line ends in the text (u32 each) and the
// lines' UTF-8 text back to back; last, the checksum (u64) of everything
// before it. Numbers are little-endian.

namespace {

constexpr char Magic[] = "QUILLHDR";
constexpr qsizetype MagicSize = 8;
constexpr qsizetype ChecksumSize = 8;
// No key or mailbox field is longer: a UIDL is at most 70 characters.
constexpr quint32 FieldLimit = 64 * 1024;

class Writer {
public:
    explicit Writer(qsizetype reserve) { m_out.reserve(reserve); }

    void u32(quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        m_out.append(b, 4);
    }
    void u64(quint64 v) {
        char b[8];
        qToLittleEndian(v, b);
        m_out.append(b, 8);
    }
    void bytes(QByteArrayView v) {
        u32(quint32(v.size()));
        m_out.append(v);
    }
    void raw(QByteArrayView v) { m_out.append(v); }
    QByteArray& out() { return m_out; }

private:
    QByteArray m_out;
};

// Reads what Writer wrote; any read past the end, or over a limit, fails the
// whole reading.
class Reader {
public:
    explicit Reader(QByteArrayView in) : m_in(in) {}

    bool ok() const { return m_ok; }
    bool atEnd() const { return m_pos == m_in.size(); }
    qsizetype left() const { return m_in.size() - m_pos; }

    quint32 u32() {
        if (!take(4)) return 0;
        return qFromLittleEndian<quint32>(m_in.data() + m_pos - 4);
    }
    quint64 u64() {
        if (!take(8)) return 0;
        return qFromLittleEndian<quint64>(m_in.data() + m_pos - 8);
    }
    QByteArrayView raw(qsizetype n) {
        if (!take(n)) return {};
        return m_in.sliced(m_pos - n, n);
    }
    QByteArrayView bytes(quint32 limit) {
        const quint32 n = u32();
        if (n > limit) m_ok = false;
        return m_ok ? raw(n) : QByteArrayView();
    }
    // UTF-8 text; fails on bytes that are not.
    QString text(quint32 limit) {
        const QByteArrayView b = bytes(limit);
        if (!b.isValidUtf8()) m_ok = false;
        return m_ok ? QString::fromUtf8(b) : QString();
    }
    void fail() { m_ok = false; }

private:
    bool take(qsizetype n) {
        if (!m_ok || n < 0 || n > left()) {
            m_ok = false;
            return false;
        }
        m_pos += n;
        return true;
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

HeaderCache::Mailbox normalized(HeaderCache::Mailbox mailbox) {
    mailbox.Server = mailbox.Server.trimmed().toLower();
    return mailbox;
}

} // namespace

HeaderCache::HeaderCache(Mailbox mailbox) : m_mailbox(normalized(std::move(mailbox))) {}

QString HeaderCache::fileName(const Mailbox& mailbox) {
    const Mailbox m = normalized(mailbox);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const QString& part : {m.Server, m.UserName, m.Folder}) {
        const QByteArray utf8 = part.toUtf8();
        char size[4];
        qToLittleEndian(quint32(utf8.size()), size);
        digest.addData(QByteArrayView(size, 4));
        digest.addData(utf8);
    }
    return QStringLiteral("headers-") + QString::fromLatin1(digest.result().toHex().left(32)) +
           QStringLiteral(".cache");
}

quint64 HeaderCache::checksum(QByteArrayView bytes) {
    // Each step is a bijection of the state, so any one changed word changes
    // the result; the length goes in first, so a cut one does too.
    constexpr quint64 Odd = 0x9E3779B97F4A7C15ull;
    quint64 h = Odd ^ quint64(bytes.size());
    const char* p = bytes.data();
    qsizetype n = bytes.size();
    const auto mix = [&h](quint64 word) {
        h = (h ^ word) * Odd;
        h ^= h >> 32;
    };
    for (; n >= 8; p += 8, n -= 8)
        mix(qFromLittleEndian<quint64>(p));
    quint64 tail = 0;
    for (qsizetype i = 0; i < n; ++i)
        tail |= quint64(uchar(p[i])) << (8 * i);
    mix(tail);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return h;
}

QByteArray HeaderCache::encode() const {
    qsizetype estimate = 256 + m_state.size();
    for (const Entry& e : m_entries)
        estimate += 32 + e.Key.size() * 3 + e.Headers.packedText().size() +
                    e.Headers.packedEnds().size() * 4;
    Writer w(estimate);
    w.raw(QByteArrayView(Magic, MagicSize));
    w.u32(FormatVersion);
    w.bytes(m_mailbox.Server.toUtf8());
    w.bytes(m_mailbox.UserName.toUtf8());
    w.bytes(m_mailbox.Folder.toUtf8());
    w.u64(m_validity);
    w.bytes(m_state);
    w.u32(quint32(m_entries.size()));
    for (const Entry& e : m_entries) {
        w.bytes(e.Key.toUtf8());
        w.u64(quint64(e.Size));
        const QList<int>& ends = e.Headers.packedEnds();
        w.u32(quint32(ends.size()));
        for (int end : ends)
            w.u32(quint32(end));
        w.raw(e.Headers.packedText());
    }
    QByteArray& out = w.out();
    w.u64(checksum(out));
    return std::move(out);
}

bool HeaderCache::decode(QByteArrayView bytes) {
    const auto reject = [this] {
        m_entries.clear();
        m_index.clear();
        m_validity = 0;
        m_state.clear();
        m_changed = true;
        return false;
    };
    if (bytes.size() < MagicSize + 4 + ChecksumSize) return reject();
    const QByteArrayView body = bytes.first(bytes.size() - ChecksumSize);
    if (qFromLittleEndian<quint64>(bytes.data() + body.size()) != checksum(body)) return reject();

    Reader r(body);
    if (r.raw(MagicSize) != QByteArrayView(Magic, MagicSize) || r.u32() != FormatVersion)
        return reject();
    Mailbox mailbox;
    mailbox.Server = r.text(FieldLimit);
    mailbox.UserName = r.text(FieldLimit);
    mailbox.Folder = r.text(FieldLimit);
    if (!r.ok() || mailbox != m_mailbox) return reject();
    const quint64 validity = r.u64();
    const QByteArray state = r.bytes(FieldLimit).toByteArray();
    const quint32 count = r.u32();
    // An entry takes at least 20 bytes: no count beyond what the rest can hold.
    if (!r.ok() || count > r.left() / 20) return reject();

    std::vector<Entry> entries(count);
    QHash<QString, int> index;
    index.reserve(count);
    for (quint32 i = 0; i < count && r.ok(); ++i) {
        Entry& e = entries[i];
        e.Key = r.text(FieldLimit);
        e.Size = qint64(r.u64());
        const quint32 lines = r.u32();
        if (!r.ok() || lines > r.left() / 4) return reject();
        QList<int> ends(lines);
        for (quint32 k = 0; k < lines; ++k) {
            const quint32 end = r.u32();
            if (end > quint32(r.left())) r.fail();
            ends[k] = int(end);
        }
        const QByteArrayView text = r.raw(lines == 0 ? 0 : ends.last());
        if (!r.ok() || e.Key.isEmpty() || index.contains(e.Key) ||
            !e.Headers.setPacked(text.toByteArray(), ends))
            return reject();
        index.insert(e.Key, int(i));
    }
    if (!r.ok() || !r.atEnd()) return reject();
    m_entries = std::move(entries);
    m_index = std::move(index);
    m_validity = validity;
    m_state = state;
    m_changed = false;
    return true;
}

bool HeaderCache::load(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        decode({});
        m_changed = false; // nothing there to differ from
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) return decode({});
    return decode(file.readAll());
}

bool HeaderCache::save(const QString& path) {
    const QByteArray bytes = encode();
    constexpr QFileDevice::Permissions Private = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir() &&
        !(QDir().mkpath(QFileInfo(folder).absolutePath()) &&
          QDir().mkdir(folder, Private | QFileDevice::ExeOwner)))
        return false;
    const QString temporary = path + QStringLiteral(".new");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, Private)) return false;
    // A file left by an interrupted save keeps its old mode: set it again.
    bool ok = file.setPermissions(Private) && file.write(bytes) == bytes.size() && file.flush() &&
              ::fsync(file.handle()) == 0;
    file.close();
    ok = ok && file.error() == QFileDevice::NoError &&
         std::rename(QFile::encodeName(temporary).constData(),
                     QFile::encodeName(path).constData()) == 0;
    if (!ok) {
        QFile::remove(temporary);
        return false;
    }
    m_changed = false;
    return true;
}

const TmsHeaders* HeaderCache::find(const QString& key, qint64 size) const {
    const auto at = m_index.constFind(key);
    if (at == m_index.cend()) return nullptr;
    const Entry& e = m_entries[size_t(*at)];
    return e.Size == size ? &e.Headers : nullptr;
}

void HeaderCache::replace(std::vector<Entry> entries, quint64 validity, const QByteArray& state) {
    QHash<QString, int> seen;
    seen.reserve(qsizetype(entries.size()));
    for (const Entry& e : entries)
        ++seen[e.Key];
    std::vector<Entry> kept;
    kept.reserve(entries.size());
    for (Entry& e : entries)
        if (!e.Key.isEmpty() && seen.value(e.Key) == 1) kept.push_back(std::move(e));

    bool same = validity == m_validity && state == m_state && kept.size() == m_entries.size();
    for (size_t i = 0; same && i < kept.size(); ++i)
        same = kept[i].Key == m_entries[i].Key && kept[i].Size == m_entries[i].Size &&
               kept[i].Headers == m_entries[i].Headers;
    if (same) return;

    m_index.clear();
    m_index.reserve(qsizetype(kept.size()));
    for (size_t i = 0; i < kept.size(); ++i)
        m_index.insert(kept[i].Key, int(i));
    m_entries = std::move(kept);
    m_validity = validity;
    m_state = state;
    m_changed = true;
}
