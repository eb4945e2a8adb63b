// One writer per profile.
#include "settings/ProfileLock.h"
#include "support/TempProfile.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

class TestProfileLock : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneHolderAtATime() {
        TempProfile profile;
        ProfileLock first, second;
        QVERIFY(first.tryLock());
        QVERIFY(QFile::exists(ProfileLock::lockFilePath()));
        QVERIFY(!second.tryLock());
        first.unlock();
        QVERIFY(second.tryLock());
    }

    void eachProfileHasItsOwnLock() {
        TempProfile one;
        ProfileLock a;
        QVERIFY(a.tryLock());
        TempProfile two;
        ProfileLock b;
        QVERIFY(b.tryLock());
    }

    void lockOfAnEndedProcessIsTakenOver() {
        TempProfile profile;
        ProfileLock probe;
        QVERIFY(probe.tryLock());
        QFile f(ProfileLock::lockFilePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = f.readAll().split('\n');
        f.close();
        probe.unlock();

        // The same lock file, written by a process that has ended since.
        QProcess p;
        p.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
        QVERIFY(p.waitForStarted());
        const qint64 ended = p.processId();
        QVERIFY(p.waitForFinished());
        lines[0] = QByteArray::number(ended);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(lines.join('\n'));
        f.close();

        ProfileLock next;
        QVERIFY(next.tryLock());
    }
};

QTEST_GUILESS_MAIN(TestProfileLock)
#include "tst_profilelock.moc"
