// The rule list file: written and read back byte for byte, the reading rules,
// the failure texts, and the column layout each list keeps.
#include "mail/Exceptions.h"
#include "rules/RuleList.h"
#include "support/TempProfile.h"

#include <QFile>
#include <QtTest>

namespace {
const QByteArray Example = "6,3\r\n"
                           "cw 0,20\r\ncw 1,112\r\ncw 2,231\r\ncw 3,29\r\ncw 4,39\r\ncw 5,38\r\n"
                           "1,0,What\r\n2,0,Matches\r\n3,0,Case\r\n4,0,Del?\r\n5,0,Hits\r\n"
                           "1,1,Contains\r\n2,1,free\r\n3,1,No\r\n4,1,Yes\r\n5,1,0\r\n"
                           "1,2,Is blank\r\n4,2,No\r\n5,2,7\r\n";

QString failureOf(RuleList& list, const QByteArray& bytes) {
    try {
        list.fromFileBytes(bytes, QStringLiteral("/x/subj.lst"));
    } catch (const EFileError& e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}
} // namespace

class TestRuleFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exampleRoundTripsByteForByte() {
        TempProfile profile;
        const QString path = profile.appFile(QStringLiteral("subj.lst"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Example);
        f.close();

        RuleList list(RuleListKind::Subject);
        list.loadFromFile(path);
        QCOMPARE(list.rowCount(), 3);
        QCOMPARE(list.cell(2, 1), QStringLiteral("free"));
        QCOMPARE(list.cell(1, 2), QStringLiteral("Is blank"));
        QCOMPARE(list.cell(2, 2), QString());
        QCOMPARE(list.image(1), int(ImageCheck));
        QCOMPARE(list.image(2), int(ImageQuestion));
        QCOMPARE(list.columnWidth(2), 231);

        QVERIFY(QFile::remove(path));
        list.saveToFile(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), Example);
    }

    // foreign: the number of the first line that is neither a width nor a cell line.
    void readingRules_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("foreign");
        QTest::newRow("comma-in-cell") << QByteArray("6,2\r\n2,1,a,b\r\n") << 2 << 1 << "a,b" << 0;
        QTest::newRow("lf-inside-line-is-text")
            << QByteArray("6,2\r\n2,1,a\nb\r\n") << 2 << 1 << "a\nb" << 0;
        QTest::newRow("cr-alone-ends-line")
            << QByteArray("6,2\r2,1,x\r3,1,y\r") << 3 << 1 << "y" << 0;
        QTest::newRow("lf-after-cr-is-line-end-another-starts-a-foreign-line")
            << QByteArray("6,2\r\n2,1,x\r\n\n3,1,y\r\n") << 2 << 1 << "x" << 3;
        QTest::newRow("last-line-without-cr-lf")
            << QByteArray("6,2\r\n2,1,x") << 2 << 1 << "x" << 0;
        QTest::newRow("byte-26-ends-file") << QByteArray("6,2\r\n2,1,x\r\n\x1a"
                                                         "3,1,y\r\n")
                                           << 3 << 1 << "" << 0;
        QTest::newRow("tab-and-backspace-unescaped")
            << QByteArray("6,2\r\n2,1,a\tb\bc\r\n") << 2 << 1 << "a\rb\nc" << 0;
        QTest::newRow("column-out-of-range-ignored")
            << QByteArray("6,2\r\n9,1,x\r\n2,1,y\r\n") << 2 << 1 << "y" << 0;
        QTest::newRow("row-out-of-range-ignored")
            << QByteArray("6,2\r\n2,2,x\r\n") << 2 << 1 << "" << 0;
        QTest::newRow("utf8-cell") << QByteArray("6,2\r\n2,1,Grüße\r\n") << 2 << 1 << "Grüße" << 0;
        QTest::newRow("windows-1252-cell")
            << QByteArray("6,2\r\n2,1,caf\xe9\r\n") << 2 << 1 << "café" << 0;
        QTest::newRow("headings-not-needed") << QByteArray("6,2\r\n2,1,x\r\n") << 2 << 0 << "" << 0;
        QTest::newRow("blank-lines-are-not-foreign")
            << QByteArray("6,2\r\n\r\n2,1,x\r\n  \r\n") << 2 << 1 << "x" << 0;
        QTest::newRow("text-line-is-foreign")
            << QByteArray("6,2\r\n2,1,x\r\nremember: add more\r\n3,1,No\r\n") << 3 << 1 << "No"
            << 3;
        QTest::newRow("cell-line-without-row-is-foreign")
            << QByteArray("6,2\r\n2,x\r\n2,1,y\r\n") << 2 << 1 << "y" << 2;
    }
    void readingRules() {
        QFETCH(QByteArray, file);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(int, foreign);
        RuleList list(RuleListKind::Subject);
        QCOMPARE(list.fromFileBytes(file, QStringLiteral("subj.lst")), foreign);
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.cell(col, row), text);
    }

    void widthLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("width2");
        QTest::addColumn<int>("foreign");
        QTest::newRow("sets-width") << QByteArray("cw 2,99") << 99 << 0;
        QTest::newRow("column-out-of-range") << QByteArray("cw 9,99") << 231 << 0;
        QTest::newRow("not-a-number-is-foreign") << QByteArray("cw 2,wide") << 231 << 2;
        QTest::newRow("cw-alone-is-foreign") << QByteArray("cw") << 231 << 2;
    }
    void widthLines() {
        QFETCH(QByteArray, line);
        QFETCH(int, width2);
        QFETCH(int, foreign);
        RuleList list(RuleListKind::Subject);
        QCOMPARE(list.fromFileBytes("6,2\r\n" + line + "\r\n", QStringLiteral("subj.lst")),
                 foreign);
        QCOMPARE(list.columnWidth(2), width2);
    }

    void cellsAreEscapedOnWriting() {
        RuleList list(RuleListKind::Subject);
        list.writeRow(1, {{}, QStringLiteral("Contains"), QStringLiteral("a\r\nb,c")});
        QVERIFY(list.toFileBytes().contains("\r\n2,1,a\t\bb,c\r\n"));
        RuleList back(RuleListKind::Subject);
        back.fromFileBytes(list.toFileBytes(), QStringLiteral("subj.lst"));
        QCOMPARE(back.cell(2, 1), QStringLiteral("a\r\nb,c"));
    }

    void byte26InACellKeepsTheLaterRules() {
        RuleList list(RuleListKind::Subject);
        list.writeRow(1, {{}, QStringLiteral("Contains"), QStringLiteral("cheap\x1apills")});
        list.appendRule({{}, QStringLiteral("Contains"), QStringLiteral("later")});
        QVERIFY(!list.toFileBytes().contains('\x1a'));
        RuleList back(RuleListKind::Subject);
        back.fromFileBytes(list.toFileBytes(), QStringLiteral("subj.lst"));
        QCOMPARE(back.ruleCount(), 2);
        QCOMPARE(back.cell(2, 1), QStringLiteral("cheap pills"));
        QCOMPARE(back.cell(2, 2), QStringLiteral("later"));
    }

    void failures_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty-file") << QByteArray();
        QTest::newRow("empty-first-line") << QByteArray("\r\n6,2\r\n");
        QTest::newRow("no-columns") << QByteArray("0,2\r\n");
        QTest::newRow("no-rows") << QByteArray("6,0\r\n");
        QTest::newRow("no-comma") << QByteArray("6\r\n");
        QTest::newRow("not-numbers") << QByteArray("six,two\r\n");
        QTest::newRow("only-byte-26") << QByteArray("\x1a"
                                                    "6,2\r\n");
    }
    void failures() {
        QFETCH(QByteArray, file);
        RuleList list(RuleListKind::Subject);
        list.writeRow(1, {{}, QStringLiteral("Equals"), QStringLiteral("kept")});
        const RuleList before = list;
        QCOMPARE(failureOf(list, file),
                 QStringLiteral("File contains no data or corrupt file /x/subj.lst"));
        QVERIFY(list == before);
    }

    void missingFileIsNotFound() {
        TempProfile profile;
        RuleList list(RuleListKind::Header);
        const QString path = profile.appFile(QStringLiteral("header.lst"));
        QVERIFY_THROWS_EXCEPTION(EFileError, list.loadFromFile(path));
        try {
            list.loadFromFile(path);
        } catch (const EFileError& e) {
            QCOMPARE(e.message(), QStringLiteral("File %1 not found").arg(path));
        }
    }

    void emptyListsWriteHeadingsOnly_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QByteArray>("cells");
        QTest::newRow("subject") << int(RuleListKind::Subject) << QByteArray("6,2\r\ncw 0,")
                                 << QByteArray("1,0,What\r\n2,0,Matches\r\n3,0,Case\r\n"
                                               "4,0,Del?\r\n5,0,Hits\r\n");
        QTest::newRow("sender") << int(RuleListKind::Sender) << QByteArray("6,2\r\ncw 0,")
                                << QByteArray("1,0,What\r\n2,0,Condition\r\n3,0,Matches\r\n"
                                              "4,0,Del?\r\n5,0,Hits\r\n");
        QTest::newRow("exception") << int(RuleListKind::Exception) << QByteArray("7,2\r\ncw 0,")
                                   << QByteArray("0,0,What\r\n1,0,Condition\r\n2,0,Matches\r\n"
                                                 "3,0,Case?\r\n4,0,Hits\r\n");
    }
    void emptyListsWriteHeadingsOnly() {
        QFETCH(int, kind);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, cells);
        const QByteArray bytes = RuleList(RuleListKind(kind)).toFileBytes();
        QVERIFY(bytes.startsWith(start));
        QVERIFY2(bytes.endsWith(cells), bytes.constData());
        if (kind == int(RuleListKind::Exception)) QVERIFY(bytes.contains("\r\ncw 6,20\r\n"));
    }

    void olderExceptionFileGainsTwoColumns() {
        RuleList list(RuleListKind::Exception);
        list.fromFileBytes("5,3\r\ncw 0,90\r\n0,1,E-mail address\r\n1,1,Equals\r\n"
                           "2,1,friend@example.org\r\n3,1,No\r\n4,1,3\r\n2,2,other\r\n",
                           QStringLiteral("except.lst"));
        QCOMPARE(list.columnCount(), 7);
        QCOMPARE(list.image(1), int(ImageFirstPicture));
        QCOMPARE(list.image(2), int(ImageFirstPicture));
        QCOMPARE(list.cell(2, 1), QStringLiteral("friend@example.org"));
        QVERIFY(list.toFileBytes().startsWith("7,3\r\ncw 0,90\r\n"));
    }

    void widerSubjectFileLosesItsExtraColumns() {
        RuleList list(RuleListKind::Subject);
        list.fromFileBytes("8,2\r\ncw 7,50\r\n1,1,Contains\r\n2,1,x\r\n7,1,extra\r\n",
                           QStringLiteral("subj.lst"));
        QCOMPARE(list.columnCount(), 6);
        QCOMPARE(list.cell(2, 1), QStringLiteral("x"));
        const QByteArray saved = list.toFileBytes();
        QVERIFY(saved.startsWith("6,2\r\n"));
        QVERIFY(!saved.contains("extra"));
        QVERIFY(!saved.contains("cw 7"));
    }

    void exceptionPictures_data() {
        QTest::addColumn<QString>("index");
        QTest::addColumn<int>("image");
        QTest::newRow("given") << "9" << 9;
        QTest::newRow("last") << "14" << 14;
        QTest::newRow("empty-means-3") << "" << 3;
        QTest::newRow("out-of-range-means-3") << "15" << 3;
        QTest::newRow("not-a-number-means-3") << "x" << 3;
    }
    void exceptionPictures() {
        QFETCH(QString, index);
        QFETCH(int, image);
        RuleList list(RuleListKind::Exception);
        list.fromFileBytes("7,2\r\n1,1,Equals\r\n6,1," + index.toUtf8() + "\r\n",
                           QStringLiteral("except.lst"));
        QCOMPARE(list.image(1), image);
    }
};

QTEST_GUILESS_MAIN(TestRuleFile)
#include "tst_rulefile.moc"
