// The blacklist: its one order, look-ups that agree with it, the rebuild from
// an editor's text, and its file.
#include "mail/Exceptions.h"
#include "rules/Blacklist.h"
#include "settings/TextFiles.h"
#include "support/TempProfile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include "support/TestFiles.h"

#include <QtTest>

namespace {
bool isSorted(const QStringList& entries) {
    for (qsizetype i = 1; i < entries.size(); ++i)
        if (BlacklistCompare(entries[i - 1], entries[i]) > 0) return false;
    return true;
}
} // namespace

class TestBlacklist : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rebuild_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("five-line-example")
            << "spamdomain.test\njoe@spam.test\nJOE@SPAM.TEST\n12345@spam.test\n_1@spam.test\n"
            << QStringList{"joe@spam.test", "spamdomain.test"};
        QTest::newRow("sorted-without-case") << "b.test\nA.test\nc.test\n"
                                             << QStringList{"A.test", "b.test", "c.test"};
        QTest::newRow("only-adjacent-repeats-skipped") << "a.test\nb.test\nA.TEST\n"
                                                       << QStringList{"a.test", "A.TEST", "b.test"};
        QTest::newRow("repeat-of-a-skipped-line-skipped") << "1@x.test\n1@X.TEST\n"
                                                          << QStringList{};
        QTest::newRow("empty-part-before-at") << "@x.test\n" << QStringList{};
        QTest::newRow("digits-and-letters-before-at") << "123a@x.test\n"
                                                      << QStringList{"123a@x.test"};
        QTest::newRow("empty-lines-skipped") << "\n\na.test\n\nb.test\n"
                                             << QStringList{"a.test", "b.test"};
        QTest::newRow("last-line-without-line-break")
            << "a.test\nb.test" << QStringList{"a.test", "b.test"};
        QTest::newRow("cr-lf-line-breaks") << "b.test\r\na.test\r\n"
                                           << QStringList{"a.test", "b.test"};
        QTest::newRow("empty-text") << "" << QStringList{};
    }
    void rebuild() {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        Blacklist list;
        list.add(QStringLiteral("dropped.test"));
        list.rebuildFromText(text);
        QCOMPARE(list.entries(), entries);
    }

    void lookUpsAgreeWithTheOrder() {
        // Mixed case, accents, digits and punctuation: every entry must be found
        // under another spelling of its case, and a missing one must not.
        const QStringList parts{QStringLiteral("émile"), QStringLiteral("Zoë"),
                                QStringLiteral("ÆSIR"),  QStringLiteral("ñandú"),
                                QStringLiteral("_x"),    QStringLiteral("a-b"),
                                QStringLiteral("9z"),    QStringLiteral("Ωmega"),
                                QStringLiteral("mail"),  QStringLiteral("[x]")};
        QRandomGenerator rng(1234);
        Blacklist list;
        QStringList added;
        for (int i = 0; i < 300; ++i) {
            QString e = parts[rng.bounded(parts.size())] + QString::number(rng.bounded(50)) +
                        QLatin1Char('@') + parts[rng.bounded(parts.size())] +
                        QStringLiteral(".test");
            for (QChar& c : e)
                if (rng.bounded(2)) c = c.isUpper() ? c.toLower() : c.toUpper();
            list.add(e);
            added << e;
        }
        QVERIFY(isSorted(list.entries()));
        for (const QString& e : std::as_const(added)) {
            QVERIFY2(list.find(e.toUpper()) >= 0, qPrintable(e));
            QVERIFY2(list.find(e.toLower()) >= 0, qPrintable(e));
        }
        QCOMPARE(list.find(QStringLiteral("absent@nowhere.test")), -1);
        QCOMPARE(Blacklist().find(QStringLiteral("x")), -1);
    }

    void lookUpComparesTheFirst80Characters() {
        const QString longEntry = QString(85, QLatin1Char('a')) + QStringLiteral("@x.test");
        Blacklist list;
        list.add(longEntry);
        list.add(QStringLiteral("b.test"));
        QCOMPARE(list.find(longEntry.left(80).toUpper()), 0);
        QCOMPARE(list.find(longEntry), -1);
    }

    void loadSortsTheFile() {
        TempProfile profile;
        const QString path = Blacklist::defaultPath();
        writeFile(path, "zed.test\r\n\r\nAdam@x.test\nmid.test\r\ncaf\xe9.test\r\n");
        Blacklist list;
        list.load(path);
        QCOMPARE(list.entries(),
                 (QStringList{"Adam@x.test", QStringLiteral("café.test"), "mid.test", "zed.test"}));
        list.load(profile.appFile(QStringLiteral("missing.lst")));
        QCOMPARE(list.count(), 0);
    }

    void writtenOnlyWhenTheFileExists() {
        TempProfile profile;
        const QString path = Blacklist::defaultPath();
        Blacklist list;
        list.rebuildFromText(QStringLiteral("b.test\na.test\n"));
        QVERIFY(!list.saveIfExists(path));
        QVERIFY(!QFile::exists(path));

        writeFile(path, QByteArray());
        QVERIFY(list.saveIfExists(path));
        QCOMPARE(readAll(path), QByteArray("a.test\r\nb.test\r\n"));
    }

    void failedWriteKeepsTheOldFile() {
        TempProfile profile;
        const QString path = Blacklist::defaultPath();
        writeFile(path, "old.test\r\n");
        QVERIFY(QDir().mkpath(TextFiles::temporaryPath(path)));
        Blacklist list;
        list.rebuildFromText(QStringLiteral("new.test\n"));
        try {
            list.saveIfExists(path);
            QFAIL("the write did not fail");
        } catch (const EFileError& e) {
            QCOMPARE(e.message(), QStringLiteral("Unable to write to %1").arg(path));
        }
        QCOMPARE(readAll(path), QByteArray("old.test\r\n"));
        QCOMPARE(list.entries(), QStringList{"new.test"});
    }
};

QTEST_GUILESS_MAIN(TestBlacklist)
#include "tst_blacklist.moc"
