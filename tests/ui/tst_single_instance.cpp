// One desktop program per profile: the guard's name follows the profile, a
// second instance reaches the first, and a socket left by a dead instance is
// taken over.
#include "support/TempProfile.h"
#include "ui/SingleInstance.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nameFollowsProfile();
    void secondInstanceBringsFirstForward();
    void deadInstancesSocketIsTakenOver();
};

void TestSingleInstance::nameFollowsProfile() {
    QString a, b;
    {
        TempProfile profile;
        a = SingleInstance::serverName();
        QCOMPARE(SingleInstance::serverName(), a);
    }
    {
        TempProfile profile;
        b = SingleInstance::serverName();
    }
    QVERIFY(a != b);
    QVERIFY(a.startsWith(QStringLiteral("quillmere-")));
}

void TestSingleInstance::secondInstanceBringsFirstForward() {
    TempProfile profile;
    SingleInstance nobody;
    QVERIFY(!nobody.askFirstToComeForward());

    SingleInstance first;
    QVERIFY(first.listen());
    QSignalSpy forward(&first, &SingleInstance::comeForward);
    SingleInstance second;
    QVERIFY(second.askFirstToComeForward());
    QVERIFY(forward.wait(5000));
    QCOMPARE(forward.count(), 1);

    // Another profile's program is not this one's.
    TempProfile other;
    SingleInstance elsewhere;
    QVERIFY(!elsewhere.askFirstToComeForward());
}

void TestSingleInstance::deadInstancesSocketIsTakenOver() {
    TempProfile profile;
    // A socket file bound by nobody listening: what a crashed instance leaves.
    const QByteArray path = QDir(QDir::tempPath()).filePath(SingleInstance::serverName()).toLocal8Bit();
    ::unlink(path.constData());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    qstrncpy(addr.sun_path, path.constData(), sizeof addr.sun_path);
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(fd);

    SingleInstance late;
    QVERIFY(!late.askFirstToComeForward());
    SingleInstance first;
    QVERIFY(first.listen());
    QSignalSpy forward(&first, &SingleInstance::comeForward);
    QVERIFY(SingleInstance().askFirstToComeForward());
    QVERIFY(forward.wait(5000));
}

QTEST_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
