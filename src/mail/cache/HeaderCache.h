#pragma once

#include "mail/headers/Headers.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <future>
#include <vector>

// The sizes and header lines of the messages a mailbox listed at its last check,
// kept between checks so that a check downloads the headers of new messages
// only. A cache belongs to one mailbox (server, user name, folder). Each entry is
// keyed by the message's unique id on the server: its UIDL for POP3, its UID for
// IMAP (valid under the folder's UIDVALIDITY, kept as validity()). An entry
// stands for a message only while the server lists the same key with the same
// size (find); any other message is downloaded again.
//
// On disk a cache is one file per mailbox, written whole and replaced in one
// step, readable by the user alone. The file names its format version and its
// mailbox and ends with a checksum over everything before it; a file that is
// damaged, of another version or of another mailbox reads as an empty cache,
// which the next complete listing replaces: it is only a cache.
class HeaderCache {
public:
    // The mailbox a cache belongs to. The server compares without regard to
    // case (it is kept in lower case), the user name and the folder exactly.
    struct Mailbox {
        QString Server;
        QString UserName;
        QString Folder; // "INBOX" for POP3; kept apart from IMAP's folders by the caller

        bool operator==(const Mailbox&) const = default;
    };

    // One message as a listing gave it.
    struct Entry {
        QString Key;
        qint64 Size = 0;
        TmsHeaders Headers;
    };

    // The file format this build reads and writes. Raise it whenever the bytes
    // change, or the way a server's header block becomes header lines does,
    // so that no older entry is taken for what a download would give now.
    static constexpr quint32 FormatVersion = 1;

    explicit HeaderCache(Mailbox mailbox);

    // The name of mailbox's cache file: "headers-" and 32 hexadecimal digits
    // of a digest of the mailbox, ".cache".
    static QString fileName(const Mailbox& mailbox);
    // The mailbox this cache belongs to (server in lower case).
    const Mailbox& mailbox() const { return m_mailbox; }

    // Replaces the entries with those of the file at path; false, leaving the
    // cache empty, when the file is missing or is not a whole cache of this
    // format for this mailbox. A cache that holds what it last read from or
    // wrote to that very file (the same file, size and time), unchanged since,
    // does not read it again.
    bool load(const QString& path);
    // Starts load(path) on a thread of its own and returns at once, so that
    // the caller can spend a network wait meanwhile; every other call (and the
    // end of the cache) waits for the reading to end first.
    void loadInBackground(const QString& path);
    // Writes the cache to path: to path + ".new" (mode 0600), then renamed over
    // path, creating a missing folder (mode 0700). False when a step failed; a
    // file at path is then left as it was.
    bool save(const QString& path);
    // Starts save(path) on a thread of its own and returns at once; the cache
    // may change meanwhile. changed(), the next save or load and
    // finishWriting() wait for the writing to end, and so does the end of the
    // cache.
    void saveInBackground(const QString& path);
    // Waits for a writing started by saveInBackground (or a write-back).
    void finishWriting() const;
    // From now on, each replace() that leaves the cache other than its file
    // starts saveInBackground(path): the cache is written while its listing
    // ends. Empty: never.
    void setWriteBack(const QString& path) { m_writeBack = path; }
    // The bytes of the file, and the reverse: decode takes bytes that are a
    // whole cache of this format for this mailbox (false, leaving the cache
    // empty, for any others). decode(encode()) gives the same cache.
    QByteArray encode() const;
    bool decode(QByteArrayView bytes);
    // The checksum that ends a file: a 64-bit digest of the bytes before it,
    // which catches a cut or altered file (not a forged one).
    static quint64 checksum(QByteArrayView bytes);

    bool isEmpty() const { return content().Entries.empty(); }
    int count() const { return int(content().Entries.size()); }
    // The entries in the order of the listing that gave them.
    const std::vector<Entry>& entries() const { return content().Entries; }
    // The header lines of the message keyed key, when the cache holds it with
    // this size; null otherwise.
    const TmsHeaders* find(const QString& key, qint64 size) const;
    // The folder's UIDVALIDITY for IMAP (0 for POP3), and what the protocol
    // notes to tell an unchanged folder (for IMAP its HIGHESTMODSEQ and UIDNEXT),
    // kept as given.
    quint64 validity() const { return content().Validity; }
    const QByteArray& state() const { return content().State; }

    // Replaces every entry with those of a complete listing, in its order, and
    // the validity and the state with these. A key given twice names no one
    // message: neither entry is kept. See setWriteBack.
    void replace(std::vector<Entry> entries, quint64 validity = 0, const QByteArray& state = {});
    // Removes every entry, the validity and the state.
    void clear() { replace({}); }
    // Whether the content differs from the file or bytes it was last loaded
    // from, decoded from or saved to (what a check needs to write back). A file
    // that was there but not taken counts as different.
    bool changed() const {
        finishWriting();
        return content().Changed;
    }

private:
    // Which file, as it stood: a file replaced or written to since differs.
    struct FileStamp {
        QString Path;
        quint64 Device = 0, Inode = 0;
        qint64 Size = -1, Modified = 0; // the time in nanoseconds
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp stampOf(const QString& path, int descriptor = -1);
    struct Content {
        std::vector<Entry> Entries;
        QHash<QString, int> Index; // key -> position in Entries
        quint64 Validity = 0;
        QByteArray State;
        bool Changed = false;
        bool Taken = false;     // read from a whole cache of the mailbox
        quint64 Generation = 0; // raised by every change
        FileStamp File;         // the file that holds just this; empty for none
    };
    class Reader;
    // What a reading of the format gives for mailbox: empty and changed when
    // it is not a whole cache of this format for this mailbox.
    static Content read(const Mailbox& mailbox, Reader& r);
    static Content readFile(const Mailbox& mailbox, const QString& path);
    // The stamp of the file written; empty when the writing failed.
    static FileStamp writeFile(const Mailbox& mailbox, const Content& content, const QString& path);
    // Whether the content is what the file at path holds now.
    bool holds(const QString& path) const;
    // The content, once a reading in the background has ended.
    Content& content() const;

    Mailbox m_mailbox;
    mutable Content m_content;
    // A reading and a writing under way (on copies: neither touches this).
    mutable std::future<Content> m_loading;
    mutable std::future<FileStamp> m_saving;
    quint64 m_savedGeneration = 0; // the content m_saving writes
    QString m_writeBack;
};
