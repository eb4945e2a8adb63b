#include "mail/cache/HeaderCache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <system_error>

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
// What a save holds before it hands the bytes to the file: a large cache is
// never held in memory a second time.
constexpr qsizetype Chunk = 1024 * 1024;

// The checksum over bytes given in pieces of any length: 64-bit words, each
// mixed into the state by a bijection (so any one changed word changes the
// result), then the length, then a final avalanche.
class Checksum {
public:
    void add(const char* p, qsizetype n) {
        m_length += quint64(n);
        while (m_tailBytes > 0 && m_tailBytes < 8 && n > 0) {
            m_tail |= quint64(uchar(*p++)) << (8 * m_tailBytes++);
            --n;
        }
        if (m_tailBytes == 8) {
            mix(m_tail);
            m_tail = 0;
            m_tailBytes = 0;
        }
        for (; n >= 8; p += 8, n -= 8)
            mix(qFromLittleEndian<quint64>(p));
        for (; n > 0; --n)
            m_tail |= quint64(uchar(*p++)) << (8 * m_tailBytes++);
    }
    quint64 result() const {
        Checksum end = *this;
        end.mix(m_tail);
        end.mix(m_length);
        quint64 h = end.m_h;
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ull;
        h ^= h >> 33;
        return h;
    }

private:
    static constexpr quint64 Odd = 0x9E3779B97F4A7C15ull;
    void mix(quint64 word) {
        m_h = (m_h ^ word) * Odd;
        m_h ^= m_h >> 32;
    }
    quint64 m_h = Odd;
    quint64 m_tail = 0;
    int m_tailBytes = 0;
    quint64 m_length = 0;
};

// Writes the format into memory, or through memory into a file a chunk at a
// time; finish() adds the checksum.
class Writer {
public:
    explicit Writer(QIODevice* file = nullptr, qsizetype reserve = 4096) : m_file(file) {
        m_out.reserve(file ? Chunk + 4096 : reserve);
    }

    void u32(quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        raw(QByteArrayView(b, 4));
    }
    void u64(quint64 v) {
        char b[8];
        qToLittleEndian(v, b);
        raw(QByteArrayView(b, 8));
    }
    void bytes(QByteArrayView v) {
        u32(quint32(v.size()));
        raw(v);
    }
    void raw(QByteArrayView v) {
        m_out.append(v);
        if (m_file && m_out.size() >= Chunk) spill();
    }
    // Ends the bytes with their checksum; false when the file took less than given.
    bool finish() {
        m_sum.add(m_out.constData(), m_out.size());
        char b[8];
        qToLittleEndian(m_sum.result(), b);
        m_out.append(b, 8);
        if (m_file) spill();
        return m_ok;
    }
    QByteArray& out() { return m_out; }

private:
    void spill() {
        m_sum.add(m_out.constData(), m_out.size());
        m_ok = m_ok && m_file->write(m_out) == m_out.size();
        m_out.resize(0); // keeps its room for the next chunk
    }

    QIODevice* m_file;
    QByteArray m_out;
    Checksum m_sum;
    bool m_ok = true;
};

} // namespace

// Reads what Writer wrote, from memory or from a file, summing what it reads;
// any read past the end, or over a limit, fails the whole reading, and so
// does a checksum that does not match at the end.
class HeaderCache::Reader {
public:
    // size: the whole file's, the checksum included.
    Reader(QByteArrayView memory) : m_memory(memory), m_left(memory.size() - ChecksumSize) {}
    Reader(QIODevice& file, qint64 size) : m_file(&file), m_left(size - ChecksumSize) {}

    bool ok() const { return m_ok; }
    qint64 left() const { return m_left; }

    bool take(char* to, qint64 n) {
        if (!m_ok || n < 0 || n > m_left) return m_ok = false;
        if (!get(to, n)) return m_ok = false;
        m_sum.add(to, n);
        m_left -= n;
        return true;
    }
    quint32 u32() {
        char b[4] = {};
        take(b, 4);
        return qFromLittleEndian<quint32>(b);
    }
    quint64 u64() {
        char b[8] = {};
        take(b, 8);
        return qFromLittleEndian<quint64>(b);
    }
    QByteArray bytes(qint64 n) {
        if (!m_ok || n < 0 || n > m_left) {
            m_ok = false;
            return {};
        }
        QByteArray b(n, Qt::Uninitialized);
        take(b.data(), n);
        return m_ok ? b : QByteArray();
    }
    QByteArray field() {
        const quint32 n = u32();
        if (n > FieldLimit) m_ok = false;
        return bytes(n);
    }
    // UTF-8 text; fails on bytes that are not.
    QString text() {
        const QByteArray b = field();
        if (!QByteArrayView(b).isValidUtf8()) m_ok = false;
        return m_ok ? QString::fromUtf8(b) : QString();
    }
    // Whether everything was read and the checksum that follows matches it.
    bool sealed() {
        char b[8] = {};
        return m_ok && m_left == 0 && get(b, 8) &&
               qFromLittleEndian<quint64>(b) == m_sum.result() && atEnd();
    }

private:
    bool get(char* to, qint64 n) {
        if (n == 0) return true; // an empty field: to may be null
        if (m_file) return m_file->read(to, n) == n;
        if (n > m_memory.size() - m_pos) return false;
        memcpy(to, m_memory.data() + m_pos, size_t(n));
        m_pos += n;
        return true;
    }
    bool atEnd() const { return m_file ? m_file->atEnd() : m_pos == m_memory.size(); }

    QByteArrayView m_memory;
    QIODevice* m_file = nullptr;
    qsizetype m_pos = 0;
    qint64 m_left;
    Checksum m_sum;
    bool m_ok = true;
};

namespace {

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
    Checksum sum;
    sum.add(bytes.data(), bytes.size());
    return sum.result();
}

namespace {

void write(Writer& w, const HeaderCache::Mailbox& mailbox, quint64 validity,
           const QByteArray& state, const std::vector<HeaderCache::Entry>& entries) {
    w.raw(QByteArrayView(Magic, MagicSize));
    w.u32(HeaderCache::FormatVersion);
    w.bytes(mailbox.Server.toUtf8());
    w.bytes(mailbox.UserName.toUtf8());
    w.bytes(mailbox.Folder.toUtf8());
    w.u64(validity);
    w.bytes(state);
    w.u32(quint32(entries.size()));
    for (const HeaderCache::Entry& e : entries) {
        w.bytes(e.Key.toUtf8());
        w.u64(quint64(e.Size));
        const QList<int>& ends = e.Headers.packedEnds();
        w.u32(quint32(ends.size()));
        for (int end : ends)
            w.u32(quint32(end));
        w.raw(e.Headers.packedText());
    }
}

} // namespace

QByteArray HeaderCache::encode() const {
    qsizetype estimate = 256 + state().size();
    for (const Entry& e : entries())
        estimate += 32 + e.Key.size() * 3 + e.Headers.packedText().size() +
                    e.Headers.packedEnds().size() * 4;
    Writer w(nullptr, estimate);
    write(w, m_mailbox, validity(), state(), entries());
    w.finish();
    return std::move(w.out());
}

HeaderCache::Content HeaderCache::read(const Mailbox& mailbox, Reader& r) {
    Content refused;
    refused.Changed = true;
    if (r.left() < MagicSize + 4) return refused;
    if (r.bytes(MagicSize) != QByteArrayView(Magic, MagicSize) || r.u32() != FormatVersion)
        return refused;
    Mailbox named;
    named.Server = r.text();
    named.UserName = r.text();
    named.Folder = r.text();
    if (!r.ok() || named != mailbox) return refused;
    Content c;
    c.Validity = r.u64();
    c.State = r.field();
    const quint32 count = r.u32();
    // An entry takes at least 20 bytes: no count beyond what the rest can hold.
    if (!r.ok() || count > r.left() / 20) return refused;

    // Read as it comes; nothing is taken before the checksum at the end matched.
    c.Entries.reserve(std::min<size_t>(count, 100000));
    for (quint32 i = 0; i < count && r.ok(); ++i) {
        Entry e;
        e.Key = r.text();
        e.Size = qint64(r.u64());
        const quint32 lines = r.u32();
        if (!r.ok() || lines > r.left() / 4) return refused;
        QList<int> ends(lines);
        r.take(reinterpret_cast<char*>(ends.data()), qint64(lines) * 4);
        if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian)
            for (int& end : ends)
                end = qFromLittleEndian(end);
        const QByteArray text = r.bytes(lines == 0 ? 0 : ends.last());
        if (!r.ok() || e.Key.isEmpty() || c.Index.contains(e.Key) ||
            !e.Headers.setPacked(text, ends))
            return refused;
        c.Index.insert(e.Key, int(i));
        c.Entries.push_back(std::move(e));
    }
    if (!r.sealed()) return refused;
    c.Taken = true;
    return c;
}

HeaderCache::FileStamp HeaderCache::stampOf(const QString& path, int descriptor) {
    struct stat st {};
    const int got = descriptor >= 0 ? ::fstat(descriptor, &st)
                                    : ::stat(QFile::encodeName(path).constData(), &st);
    if (got != 0) return {};
    FileStamp stamp;
    stamp.Path = path;
    stamp.Device = quint64(st.st_dev);
    stamp.Inode = quint64(st.st_ino);
    stamp.Size = qint64(st.st_size);
    stamp.Modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

HeaderCache::Content HeaderCache::readFile(const Mailbox& mailbox, const QString& path) {
    QFile file(path);
    if (!file.exists()) return {}; // nothing there to differ from
    Content refused;
    refused.Changed = true;
    if (!file.open(QIODevice::ReadOnly)) return refused;
    const FileStamp stamp = stampOf(path, file.handle());
    // Read straight into the entries: the file is never held whole.
    Reader r(file, file.size());
    Content c = read(mailbox, r);
    if (c.Taken) c.File = stamp;
    return c;
}

HeaderCache::Content& HeaderCache::content() const {
    if (m_loading.valid()) {
        const quint64 generation = m_content.Generation;
        m_content = m_loading.get();
        m_content.Generation = generation + 1;
    }
    return m_content;
}

bool HeaderCache::holds(const QString& path) const {
    finishWriting();
    const Content& c = content();
    return !c.Changed && !c.File.Path.isEmpty() && c.File == stampOf(path);
}

bool HeaderCache::decode(QByteArrayView bytes) {
    finishWriting();
    const quint64 generation = content().Generation;
    Reader r(bytes);
    m_content = read(m_mailbox, r);
    m_content.Generation = generation + 1;
    return m_content.Taken;
}

bool HeaderCache::load(const QString& path) {
    if (holds(path)) return true;
    const quint64 generation = content().Generation;
    m_content = readFile(m_mailbox, path);
    m_content.Generation = generation + 1;
    return m_content.Taken;
}

void HeaderCache::loadInBackground(const QString& path) {
    if (holds(path)) return;
    try {
        m_loading = std::async(std::launch::async,
                               [mailbox = m_mailbox, path] { return readFile(mailbox, path); });
    } catch (const std::system_error&) {
        load(path); // no thread to be had: here and now
    }
}

HeaderCache::FileStamp HeaderCache::writeFile(const Mailbox& mailbox, const Content& content,
                                              const QString& path) {
    constexpr QFileDevice::Permissions Private = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir() && !(QDir().mkpath(QFileInfo(folder).absolutePath()) &&
                                        QDir().mkdir(folder, Private | QFileDevice::ExeOwner)))
        return {};
    const QString temporary = path + QStringLiteral(".new");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, Private)) return {};
    // A file left by an interrupted save keeps its old mode: set it again. It
    // is not forced to the disk: a cache that a crash leaves cut short fails
    // its checksum and is replaced by the next check.
    bool ok = file.setPermissions(Private);
    FileStamp stamp;
    if (ok) {
        Writer w(&file);
        write(w, mailbox, content.Validity, content.State, content.Entries);
        ok = w.finish() && file.flush();
        stamp = stampOf(path, file.handle());
    }
    file.close();
    ok = ok && file.error() == QFileDevice::NoError &&
         std::rename(QFile::encodeName(temporary).constData(),
                     QFile::encodeName(path).constData()) == 0;
    if (!ok) {
        QFile::remove(temporary);
        return {};
    }
    return stamp;
}

bool HeaderCache::save(const QString& path) {
    finishWriting();
    Content& c = content();
    const FileStamp stamp = writeFile(m_mailbox, c, path);
    if (stamp.Path.isEmpty()) return false;
    c.Changed = false;
    c.File = stamp;
    return true;
}

void HeaderCache::saveInBackground(const QString& path) {
    finishWriting();
    Content& c = content();
    m_savedGeneration = c.Generation;
    try {
        // The thread writes a copy (its lines shared, not copied): the cache
        // stays free to change meanwhile.
        m_saving = std::async(std::launch::async, [mailbox = m_mailbox, c, path] {
            return writeFile(mailbox, c, path);
        });
    } catch (const std::system_error&) {
        save(path); // no thread to be had: here and now
    }
}

void HeaderCache::finishWriting() const {
    if (!m_saving.valid()) return;
    const FileStamp stamp = m_saving.get();
    // Written as it still is: the file holds the content now.
    if (!stamp.Path.isEmpty() && m_content.Generation == m_savedGeneration) {
        m_content.Changed = false;
        m_content.File = stamp;
    }
}

const TmsHeaders* HeaderCache::find(const QString& key, qint64 size) const {
    const Content& c = content();
    const auto at = c.Index.constFind(key);
    if (at == c.Index.cend()) return nullptr;
    const Entry& e = c.Entries[size_t(*at)];
    return e.Size == size ? &e.Headers : nullptr;
}

void HeaderCache::replace(std::vector<Entry> entries, quint64 validity, const QByteArray& state) {
    Content& c = content();
    QHash<QString, int> seen;
    seen.reserve(qsizetype(entries.size()));
    for (const Entry& e : entries)
        ++seen[e.Key];
    std::vector<Entry> kept;
    kept.reserve(entries.size());
    for (Entry& e : entries)
        if (!e.Key.isEmpty() && seen.value(e.Key) == 1) kept.push_back(std::move(e));

    bool same = validity == c.Validity && state == c.State && kept.size() == c.Entries.size();
    for (size_t i = 0; same && i < kept.size(); ++i)
        same = kept[i].Key == c.Entries[i].Key && kept[i].Size == c.Entries[i].Size &&
               kept[i].Headers == c.Entries[i].Headers;
    if (!same) {
        c.Index.clear();
        c.Index.reserve(qsizetype(kept.size()));
        for (size_t i = 0; i < kept.size(); ++i)
            c.Index.insert(kept[i].Key, int(i));
        c.Entries = std::move(kept);
        c.Validity = validity;
        c.State = state;
        c.Changed = true;
        c.File = {};
        ++c.Generation;
    }
    if (!m_writeBack.isEmpty() && changed()) saveInBackground(m_writeBack);
}
