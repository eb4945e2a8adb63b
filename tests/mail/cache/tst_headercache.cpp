// The header cache's file: what it keeps and gives back (also when read in
// the background), the files it refuses (damaged, of another version, of
// another mailbox), its privacy, and a save that fails.
#include "mail/cache/HeaderCache.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <sys/stat.h>

namespace {

const HeaderCache::Mailbox Ann{"pop.example.org", "ann", "INBOX"};

TmsHeaders lines(const QStringList& text) {
    return TmsHeaders(text);
}

// Three messages as a listing gives them: folded and non-ASCII lines, and an
// empty header block.
HeaderCache filled(const HeaderCache::Mailbox& mailbox = Ann) {
    HeaderCache cache(mailbox);
    cache.replace({{"000001a6", 1200, lines({"Subject: Grüße", "Received: from a", "\tby b"})},
                   {"000001a7", 830, lines({"From: bob@example.org", "Subject: ok"})},
                   {"000001a8", 0, lines({})}},
                  7, "state");
    return cache;
}

QStringList describe(const HeaderCache& cache) {
    QStringList out;
    for (const HeaderCache::Entry& e : cache.entries())
        out << QStringLiteral("%1 %2 %3")
                   .arg(e.Key)
                   .arg(e.Size)
                   .arg(QStringList(e.Headers).join(QLatin1Char('|')));
    return out;
}

// bytes with the checksum at its end made right again.
QByteArray resealed(QByteArray bytes) {
    const qsizetype body = bytes.size() - 8;
    qToLittleEndian(HeaderCache::checksum(QByteArrayView(bytes).first(body)), bytes.data() + body);
    return bytes;
}

} // namespace

class TestHeaderCache : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What is saved is loaded as it was, by the cache of the same mailbox (the
    // server without regard to case), from a private file in a private folder.
    void keepsWhatItWasGiven() {
        QTemporaryDir dir;
        const QString path = dir.filePath("cache/Quillmere/" + HeaderCache::fileName(Ann));
        HeaderCache saved = filled();
        QVERIFY(saved.changed());

        QVERIFY(saved.save(path));

        QVERIFY(!saved.changed());
        const auto owner = [](const QString& file) {
            const QFileDevice::Permissions all = QFile::permissions(file);
            return all & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
        };
        QCOMPARE(owner(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(owner(dir.filePath("cache/Quillmere")),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!QFile::exists(path + ".new"));
        HeaderCache loaded({"POP.Example.ORG", "ann", "INBOX"});
        loaded.loadInBackground(path); // as a check reads it
        QVERIFY(!loaded.changed());
        QCOMPARE(describe(loaded), describe(saved));
        QCOMPARE(describe(loaded).first(), "000001a6 1200 Subject: Grüße|Received: from a|\tby b");
        QCOMPARE(loaded.validity(), quint64(7));
        QCOMPARE(loaded.state(), QByteArray("state"));
        QCOMPARE(HeaderCache::fileName({"POP.example.org", "ann", "INBOX"}),
                 HeaderCache::fileName(Ann));
        QVERIFY(HeaderCache::fileName({"pop.example.org", "ann", "Archive"}) !=
                HeaderCache::fileName(Ann));
    }

    // An entry stands for a message only under its key with its size.
    void findsByKeyAndSize() {
        const HeaderCache cache = filled();
        QVERIFY(cache.find("000001a7", 830));
        QCOMPARE(cache.find("000001a7", 830)->GetFieldValue("From"), "bob@example.org");
        QVERIFY(!cache.find("000001a7", 831));
        QVERIFY(!cache.find("000001a9", 830));
    }

    // A listing replaces everything: messages gone are dropped, a key given
    // twice is kept for neither message, and the same content is no change.
    void replaceKeepsOneListing() {
        HeaderCache cache = filled();
        cache.decode(cache.encode());
        std::vector<HeaderCache::Entry> same(cache.entries());
        cache.replace(same, 7, "state");
        QVERIFY(!cache.changed());

        cache.replace(
            {{"a", 1, lines({"X: 1"})}, {"b", 2, lines({"X: 2"})}, {"a", 3, lines({"X: 3"})}});

        QVERIFY(cache.changed());
        QCOMPARE(describe(cache), QStringList{"b 2 X: 2"});
        QVERIFY(!cache.find("a", 1));
        QCOMPARE(cache.validity(), quint64(0));
    }

    void refusedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = filled().encode();
        const auto flipped = [&](qsizetype at) {
            QByteArray b = good;
            b[at] = char(b[at] ^ 0x20);
            return b;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut-short") << good.left(good.size() - 20);
        QTest::newRow("one-more-byte") << good + 'x';
        QTest::newRow("a-header-byte-changed") << flipped(good.indexOf("Received"));
        QTest::newRow("the-checksum-changed") << flipped(good.size() - 1);
        QTest::newRow("not-a-cache") << QByteArray("Subject: hello\r\n\r\n").repeated(8);
        QByteArray version = good;
        qToLittleEndian(HeaderCache::FormatVersion + 1, version.data() + 8);
        QTest::newRow("another-version") << resealed(version);
        QTest::newRow("another-server") << filled({"pop.example.net", "ann", "INBOX"}).encode();
        QTest::newRow("another-user") << filled({"pop.example.org", "bob", "INBOX"}).encode();
        QTest::newRow("another-folder") << filled({"pop.example.org", "ann", "Archive"}).encode();
        QByteArray count = good;
        const qsizetype at = good.indexOf("state") + 5;
        qToLittleEndian(quint32(1u << 30), count.data() + at);
        QTest::newRow("entry-count-beyond-the-file") << resealed(count);
        QByteArray invalid = good;
        invalid[good.indexOf("Gr") + 2] = char(0xff);
        QTest::newRow("header-text-not-utf8") << resealed(invalid);
    }

    // A file that is not a whole cache of this version for this mailbox reads
    // as an empty cache, which differs from the file (so the next listing
    // writes it anew).
    void refusedFiles() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("c");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        HeaderCache cache = filled();

        QVERIFY(!cache.load(path));

        QVERIFY(cache.isEmpty());
        QVERIFY(cache.changed());
        QCOMPARE(cache.validity(), quint64(0));
    }

    // A missing file is an empty cache, with nothing to write back for it.
    void missingFile() {
        HeaderCache cache = filled();
        QVERIFY(!cache.load(QTemporaryDir().filePath("none")));
        QVERIFY(cache.isEmpty());
        QVERIFY(!cache.changed());
    }

    // With a write-back file, a listing that leaves the cache other than its
    // file (a damaged one included) has it written while the listing ends,
    // whole once the cache is gone; one that changes nothing writes nothing.
    void writesBackWhatAListingChanged() {
        QTemporaryDir dir;
        const QString path = dir.filePath("c");
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a cache");
        damaged.close();
        const auto inode = [&] {
            struct stat st {};
            return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
        };
        {
            HeaderCache cache(Ann);
            cache.loadInBackground(path);
            cache.setWriteBack(path);
            cache.replace({});
        }
        HeaderCache written(Ann);
        QVERIFY(written.load(path));
        QVERIFY(written.isEmpty());
        const auto before = inode();
        {
            HeaderCache cache(Ann);
            cache.load(path);
            cache.setWriteBack(path);
            cache.replace({});
            QVERIFY(!cache.changed());
            cache.replace({{"x", 1, lines({"X: 1"})}});
            QVERIFY(!cache.changed()); // written meanwhile
        }
        QVERIFY(inode() != before);
        QVERIFY(written.load(path));
        QCOMPARE(describe(written), QStringList{"x 1 X: 1"});
    }

    // A save that cannot write leaves the file it would replace as it was.
    void failedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("c");
        HeaderCache old = filled();
        QVERIFY(old.save(path));
        QVERIFY(QDir().mkdir(path + ".new")); // the temporary file cannot be made
        HeaderCache newer(Ann);
        newer.replace({{"x", 1, lines({"X: 1"})}});

        QVERIFY(!newer.save(path));

        QVERIFY(newer.changed());
        HeaderCache loaded(Ann);
        QVERIFY(loaded.load(path));
        QCOMPARE(describe(loaded), describe(old));
    }
};

QTEST_GUILESS_MAIN(TestHeaderCache)
#include "tst_headercache.moc"
