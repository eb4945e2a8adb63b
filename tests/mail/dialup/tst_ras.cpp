#include "mail/Exceptions.h"
#include "mail/dialup/DialService.h"
#include "mail/dialup/Ras.h"

#include <QTimer>
#include <QtTest>

namespace {
QStringList none() {
    return {};
}

// A network manager that answers from a script and counts what it was asked.
class ScriptedDialService : public DialService {
public:
    bool Available = true;
    QList<Profile> Profiles;
    QList<Link> Links;
    // What happens after activate: the states to send one after another (each
    // a pair of state and reason), or a refusal at once.
    QList<QPair<int, int>> AfterActivate;
    QString RefuseWith;
    int Activations = 0;
    QStringList Deactivated;
    int Questions = 0;

    bool available() override {
        ++Questions;
        return Available;
    }
    QList<Profile> profiles() override {
        ++Questions;
        return Profiles;
    }
    QList<Link> activeLinks() override {
        ++Questions;
        return Links;
    }
    int linkState(const QString& path) override {
        for (const Link& l : std::as_const(Links))
            if (l.Path == path) return l.State;
        return Deactivated.contains(path) ? DialService::Deactivated : Activating;
    }
    QString activate(const QString& profilePath) override {
        ++Activations;
        if (!RefuseWith.isEmpty()) throw ERASError(RefuseWith);
        const QString path = QStringLiteral("/active/%1").arg(Activations);
        int delay = 10;
        for (const auto& [state, reason] : std::as_const(AfterActivate)) {
            QTimer::singleShot(delay, this,
                               [this, path, state = state, reason = reason, profilePath] {
                                   setState(path, state, profilePath);
                                   Q_EMIT linkStateChanged(path, state, reason);
                               });
            delay += 10;
        }
        return path;
    }
    void deactivate(const QString& path) override {
        Deactivated.append(path);
        Links.removeIf([&](const Link& l) { return l.Path == path; });
    }

private:
    void setState(const QString& path, int state, const QString& profilePath) {
        for (Link& l : Links)
            if (l.Path == path) {
                l.State = state;
                return;
            }
        QString name;
        for (const Profile& p : std::as_const(Profiles))
            if (p.Path == profilePath) name = p.Name;
        Links.append({path, name, state, state == Activated});
    }
};

struct Fixture {
    ScriptedDialService* nm = new ScriptedDialService;
    TagRas ras{nm};
    QStringList statuses;
    QStringList boxes;
    int disconnects = 0;

    Fixture() {
        nm->Profiles = {{QStringLiteral("/p/1"), QStringLiteral("Mobile")},
                        {QStringLiteral("/p/2"), QStringLiteral("Office VPN")}};
        ras.OnStatusChange = [this](QObject*, const QString& s) { statuses << s; };
        ras.OnServiceError = [this](QObject*, const QString& s) { boxes << s; };
        ras.OnDisconnected = [this](QObject*) { ++disconnects; };
        ras.Entries();
    }
};
} // namespace

class TstRas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entriesAreSortedAndUnlimited();
    void entriesWithoutNetworkManager();
    void settingService_data();
    void settingService();
    void emptyServiceAsksNothing();
    void reusesConnectionOfAnotherProgram();
    void reusesAnyAddressWithoutForceService();
    void dialsWaitsAndHangsUp();
    void secondDialKeepsOwnConnection();
    void dialFailures_data();
    void dialFailures();
    void dropAfterConnectIsNotRaised();
};

void TstRas::entriesAreSortedAndUnlimited() {
    Fixture f;
    f.nm->Profiles.clear();
    for (int i = 40; i >= 1; --i)
        f.nm->Profiles.append({QStringLiteral("/p/%1").arg(i),
                               QStringLiteral("link %1").arg(i, 2, 10, QLatin1Char('0'))});
    f.nm->Profiles.append({QStringLiteral("/p/a"), QStringLiteral("Alpha")});
    f.nm->Profiles.append({QStringLiteral("/p/b"), QStringLiteral("alpha")});
    f.nm->Profiles.append({QStringLiteral("/p/c"), QStringLiteral("Alpha")}); // same name twice
    const QStringList e = f.ras.Entries();
    QCOMPARE(e.size(), 42);
    QCOMPARE(e.mid(0, 3), (QStringList{"Alpha", "alpha", "link 01"}));
    QCOMPARE(e.last(), QStringLiteral("link 40"));
    QVERIFY(f.ras.RASAvailable());
}

void TstRas::entriesWithoutNetworkManager() {
    Fixture f;
    f.nm->Available = false;
    QVERIFY(f.ras.Entries().isEmpty());
    QVERIFY(!f.ras.RASAvailable());
    // A Service left from an earlier run dials nothing.
    f.nm->Available = true;
    f.ras.Entries();
    f.ras.setService(QStringLiteral("Mobile"));
    f.nm->Available = false;
    f.ras.Dial();
    QCOMPARE(f.nm->Activations, 0);
}

void TstRas::settingService_data() {
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("service");
    QTest::newRow("known-name-taken") << true << false << "Office VPN"
                                      << ""
                                      << "Office VPN";
    QTest::newRow("empty-clears") << true << false << ""
                                  << ""
                                  << "";
    QTest::newRow("unknown-name-cleared") << true << false << "Nowhere"
                                          << "Invalid service name"
                                          << "";
    QTest::newRow("no-network-manager-keeps")
        << false << false << "Mobile"
        << "TagRas component was unable to detect\nRAS on your system."
        << "Office VPN";
    QTest::newRow("while-connected-keeps")
        << true << true << "Mobile"
        << "This property can be set only before\nestablishing the connection"
        << "Office VPN";
}

void TstRas::settingService() {
    QFETCH(bool, available);
    QFETCH(bool, connected);
    QFETCH(QString, name);
    QFETCH(QString, box);
    QFETCH(QString, service);
    Fixture f;
    f.ras.setService(QStringLiteral("Office VPN"));
    if (connected) {
        f.nm->Links = {{"/active/x", "Office VPN", DialService::Activated, true}};
        f.ras.Dial();
        QVERIFY(f.ras.Connected());
    }
    if (!available) {
        f.nm->Available = false;
        f.ras.Entries();
    }
    f.ras.setService(name);
    QCOMPARE(f.boxes.join('|'), box);
    QCOMPARE(f.ras.Service(), service);
}

void TstRas::emptyServiceAsksNothing() {
    Fixture f;
    f.nm->Questions = 0;
    f.ras.Dial();
    QVERIFY(f.ras.Connected());
    f.ras.Release();
    QCOMPARE(f.nm->Questions, 0);
    QCOMPARE(f.disconnects, 0);
    QVERIFY(!f.ras.Connected());
}

void TstRas::reusesConnectionOfAnotherProgram() {
    Fixture f;
    f.nm->Links = {{"/active/7", "Office VPN", DialService::Activating, false},
                   {"/active/9", "Office VPN", DialService::Activated, true}};
    f.ras.setService(QStringLiteral("Office VPN"));
    f.ras.Dial();
    QVERIFY(f.ras.Connected());
    QVERIFY(!f.ras.Dialled());
    QCOMPARE(f.nm->Activations, 0);
    f.ras.Release();
    QVERIFY(f.nm->Deactivated.isEmpty());
    QCOMPARE(f.disconnects, 0);
}

void TstRas::reusesAnyAddressWithoutForceService() {
    Fixture f;
    f.nm->Links = {{"/active/3", "Wired", DialService::Activated, true}};
    f.ras.setService(QStringLiteral("Mobile"));
    QVERIFY(!f.ras.IsConnected());
    f.ras.ForceService = false;
    QVERIFY(f.ras.IsConnected());
}

void TstRas::dialsWaitsAndHangsUp() {
    Fixture f;
    f.nm->AfterActivate = {{DialService::Activating, 0}, {DialService::Activated, 0}};
    f.ras.setService(QStringLiteral("Mobile"));
    f.ras.Dial();
    QVERIFY(f.ras.Connected());
    QVERIFY(f.ras.Dialled());
    QCOMPARE(f.nm->Activations, 1);
    QCOMPARE(f.statuses, (QStringList{"Initializing...", "Dialing...", "Dialing...",
                                      "Successfully connected"}));
    f.ras.Release();
    QCOMPARE(f.nm->Deactivated, QStringList{"/active/1"});
    QCOMPARE(f.disconnects, 1);
    QVERIFY(!f.ras.Connected());
}

void TstRas::secondDialKeepsOwnConnection() {
    Fixture f;
    f.nm->AfterActivate = {{DialService::Activated, 0}};
    f.ras.setService(QStringLiteral("Mobile"));
    f.ras.Dial();
    f.ras.Dial(); // without a Release between: the link stays, and stays ours
    QCOMPARE(f.nm->Activations, 1);
    QVERIFY(f.ras.Dialled());
    f.ras.Release();
    QCOMPARE(f.nm->Deactivated, QStringList{"/active/1"});
}

void TstRas::dialFailures_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("error"); // the exception's class
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("hungUp"); // the connections ended when Dial is done
    const QStringList none;
    const QStringList started{"/active/1"};
    QTest::newRow("refused-at-once") << "refuse"
                                     << "ERASError"
                                     << "No suitable device found" << none;
    QTest::newRow("signal-login-failed") << "fail:10"
                                         << "ERASError"
                                         << "Login failed" << started;
    QTest::newRow("signal-reason-without-text") << "fail:77"
                                                << "ERASError"
                                                << "RAS error no 77" << started;
    QTest::newRow("no-answer-times-out-left-to-release") << "silent"
                                                         << "ETimedOutError"
                                                         << "Operation timed out" << none;
    QTest::newRow("release-while-waiting-cancels") << "release"
                                                   << "ECanceledError"
                                                   << "Operation has been canceled" << started;
}

void TstRas::dialFailures() {
    QFETCH(QString, how);
    QFETCH(QString, error);
    QFETCH(QString, text);
    QFETCH(QStringList, hungUp);
    Fixture f;
    f.ras.setService(QStringLiteral("Mobile"));
    f.ras.setTimeOut(1);
    if (how == "refuse") f.nm->RefuseWith = QStringLiteral("No suitable device found");
    if (how.startsWith("fail:"))
        f.nm->AfterActivate = {{DialService::Activating, 0},
                               {DialService::Deactivated, how.mid(5).toInt()}};
    if (how == "release") {
        f.nm->AfterActivate = {{DialService::Activating, 0}};
        QTimer::singleShot(50, &f.ras, [&f] { f.ras.Release(); });
    }
    QString raised;
    QString message;
    QElapsedTimer clock;
    clock.start();
    try {
        f.ras.Dial();
    } catch (const ERASError& e) {
        raised = "ERASError";
        message = e.message();
    } catch (const ETimedOutError& e) {
        raised = "ETimedOutError";
        message = e.message();
    } catch (const ECanceledError& e) {
        raised = "ECanceledError";
        message = e.message();
    }
    QCOMPARE(raised, error);
    QCOMPARE(message, text);
    QVERIFY(!f.ras.Connected());
    QVERIFY2(clock.elapsed() < 5000, "the wait ends with its cause");
    QCOMPARE(f.nm->Deactivated, hungUp);
    // The transport's Release after the failure ends what is left, once.
    f.ras.Release();
    QCOMPARE(f.nm->Deactivated, how == "refuse" ? none() : QStringList{"/active/1"});
}

void TstRas::dropAfterConnectIsNotRaised() {
    Fixture f;
    f.nm->AfterActivate = {{DialService::Activated, 0}};
    f.ras.setService(QStringLiteral("Mobile"));
    f.ras.Dial();
    Q_EMIT f.nm->linkStateChanged(QStringLiteral("/active/1"), DialService::Deactivated, 3);
    QVERIFY(!f.ras.Connected());
    // The next use dials again.
    f.nm->Links.clear();
    f.ras.Dial();
    QCOMPARE(f.nm->Activations, 2);
}

QTEST_GUILESS_MAIN(TstRas)
#include "tst_ras.moc"
