// The command line's frame: help, unknown commands, exit statuses.
#include "CliRunner.h"
#include "support/TempProfile.h"

#include <QProcess>
#include <QtTest>

class TestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void helpListsCommands()
    {
        TempProfile profile;
        const Run r = cli({QStringLiteral("--help")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QLatin1String("usage: quillmere-cli COMMAND")));
    }

    void unknownCommandIsAUsageError()
    {
        TempProfile profile;
        const Run r = cli({QStringLiteral("frobnicate")});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QLatin1String("unknown command \"frobnicate\"")));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
