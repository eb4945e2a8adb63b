// The command line's frame: help, unknown commands, exit statuses.
#include "support/TempProfile.h"

#include <QProcess>
#include <QtTest>

class TestCli : public QObject {
    Q_OBJECT

    struct Run {
        int code;
        QString out, err;
    };
    static Run cli(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral(QUILL_CLI), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

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
