// Starting with the desktop session: the autostart entry is written where
// desktops look for it, in a form they accept, and removed again.
#include "mail/Exceptions.h"
#include "settings/Autostart.h"
#include "support/TempProfile.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

class TstAutostart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entryForProgram_data();
    void entryForProgram();
    void switchedOffAndRemoved();
};

void TstAutostart::entryForProgram_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain-path") << "/usr/bin/quillmere"
                                << "Exec=/usr/bin/quillmere";
    QTest::newRow("space-is-quoted") << "/home/ann/my apps/quillmere"
                                     << "Exec=\"/home/ann/my apps/quillmere\"";
    QTest::newRow("quote-dollar-backslash-escaped")
        << "/opt/a\"b$c\\d/quillmere"
        << "Exec=\"/opt/a\\\\\"b\\\\$c\\\\\\\\d/quillmere\"";
    QTest::newRow("percent-doubled") << "/opt/100%/quillmere"
                                     << "Exec=/opt/100%%/quillmere";
}

void TstAutostart::entryForProgram() {
    QFETCH(QString, program);
    QFETCH(QString, exec);
    TempProfile profile;
    const QString path = profile.configHome() + "/autostart/quillmere.desktop";
    QCOMPARE(Autostart::entryPath(), path);
    QVERIFY(!Autostart::isEnabled());

    Autostart::setEnabled(true, program); // the folder does not exist yet
    QVERIFY(Autostart::isEnabled());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    QVERIFY2(lines.contains(exec), qPrintable(lines.join(" | ")));

    QProcess validate;
    validate.start("desktop-file-validate", {path});
    QVERIFY2(validate.waitForFinished(), "desktop-file-validate is installed by scripts/setup");
    QVERIFY2(validate.exitCode() == 0 && validate.readAllStandardOutput().trimmed().isEmpty(),
             qPrintable(QString::fromUtf8(validate.readAllStandardOutput())));
}

void TstAutostart::switchedOffAndRemoved() {
    TempProfile profile;
    Autostart::setEnabled(true, "/usr/bin/quillmere");
    // A desktop's session settings switch an entry off by adding Hidden=true.
    QFile file(Autostart::entryPath());
    QVERIFY(file.open(QIODevice::Append));
    file.write("Hidden=true\n");
    file.close();
    QVERIFY(!Autostart::isEnabled());

    Autostart::setEnabled(true, "/usr/bin/quillmere"); // on again: a fresh entry
    QVERIFY(Autostart::isEnabled());
    Autostart::setEnabled(false, "/usr/bin/quillmere");
    QVERIFY(!QFile::exists(Autostart::entryPath()));
    Autostart::setEnabled(false, "/usr/bin/quillmere"); // nothing to remove is no failure
}

QTEST_GUILESS_MAIN(TstAutostart)
#include "tst_autostart.moc"
