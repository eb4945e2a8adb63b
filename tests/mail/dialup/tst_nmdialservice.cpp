#include "mail/Exceptions.h"
#include "mail/dialup/NmDialService.h"
#include "mail/dialup/Ras.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QtTest>

namespace {
using ProfileSettings = QMap<QString, QVariantMap>;
const QString Nm = QStringLiteral("org.freedesktop.NetworkManager");
const QString Active = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString SettingsRoot = QStringLiteral("/org/freedesktop/NetworkManager/Settings/");

// Just enough of NetworkManager for the dial-up layer: four profiles (one of
// them not a dialling kind), one connection already up, activation that
// succeeds after a moment, fails by a state signal, or is refused at once.
class NetworkManagerStandIn : public QDBusVirtualObject {
public:
    struct Up {
        QString Id;
        uint State;
        QString Ip4;
    };
    QMutex Lock;
    QMap<QString, QPair<QString, QString>> Profiles{
        {SettingsRoot + "1", {"Mobile", "gsm"}},
        {SettingsRoot + "2", {"Home Wi-Fi", "802-11-wireless"}},
        {SettingsRoot + "3", {"Office VPN", "vpn"}},
        {SettingsRoot + "4", {"DSL", "pppoe"}},
        {SettingsRoot + "5", {"Wrong password", "pppoe"}}};
    QMap<QString, Up> Links{{"/org/freedesktop/NetworkManager/ActiveConnection/1",
                             {"Home Wi-Fi", 2, "/org/freedesktop/NetworkManager/IP4Config/1"}}};
    QStringList Deactivations;
    int Next = 2;

    QString introspect(const QString&) const override { return QString(); }

    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override {
        QMutexLocker locked(&Lock);
        const QString member = m.member();
        const QVariantList args = m.arguments();
        auto reply = [&](const QVariantList& out) { bus.send(m.createReply(out)); };
        auto variant = [](const QVariant& v) { return QVariant::fromValue(QDBusVariant(v)); };
        if (member == "ListConnections") {
            QList<QDBusObjectPath> paths;
            for (const QString& p : Profiles.keys())
                paths << QDBusObjectPath(p);
            reply({QVariant::fromValue(paths)});
        } else if (member == "GetSettings") {
            const auto profile = Profiles.value(m.path());
            ProfileSettings s;
            s["connection"] = QVariantMap{{"id", profile.first}, {"type", profile.second}};
            reply({QVariant::fromValue(s)});
        } else if (member == "Get" && args.value(1) == "ActiveConnections") {
            QList<QDBusObjectPath> paths;
            for (const QString& p : Links.keys())
                paths << QDBusObjectPath(p);
            reply({variant(QVariant::fromValue(paths))});
        } else if ((member == "Get" || member == "GetAll") && args.value(0) == Active) {
            if (!Links.contains(m.path())) {
                bus.send(m.createErrorReply(QDBusError::UnknownObject, "No such object"));
            } else if (member == "Get") {
                reply({variant(Links[m.path()].State)});
            } else {
                const Up& up = Links[m.path()];
                reply({QVariantMap{{"Id", up.Id},
                                   {"State", up.State},
                                   {"Ip4Config", QVariant::fromValue(QDBusObjectPath(up.Ip4))},
                                   {"Ip6Config", QVariant::fromValue(QDBusObjectPath("/"))}}});
            }
        } else if (member == "ActivateConnection") {
            const QString profile = args.value(0).value<QDBusObjectPath>().path();
            if (profile == SettingsRoot + "4") {
                bus.send(m.createErrorReply("org.freedesktop.NetworkManager.UnknownDevice",
                                            "No suitable device found for this connection"));
                return true;
            }
            const QString path =
                QStringLiteral("/org/freedesktop/NetworkManager/ActiveConnection/%1").arg(Next++);
            Links[path] = {Profiles.value(profile).first, 1, "/"};
            reply({QVariant::fromValue(QDBusObjectPath(path))});
            const bool fails = profile == SettingsRoot + "5";
            QTimer::singleShot(50, this, [this, bus, path, fails] {
                QMutexLocker again(&Lock);
                if (fails)
                    Links.remove(path);
                else
                    Links[path] = {Links[path].Id, 2,
                                   "/org/freedesktop/NetworkManager/IP4Config/9"};
                signal(bus, path, fails ? 4 : 2, fails ? 10 : 1);
            });
        } else if (member == "DeactivateConnection") {
            const QString path = args.value(0).value<QDBusObjectPath>().path();
            Deactivations << path;
            Links.remove(path);
            reply({});
            signal(bus, path, 4, 2);
        } else {
            return false;
        }
        return true;
    }

    static void signal(const QDBusConnection& bus, const QString& path, uint state, uint reason) {
        QDBusMessage s = QDBusMessage::createSignal(path, Active, "StateChanged");
        s << state << reason;
        bus.send(s);
    }
};
} // namespace

class TstNmDialService : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void overPrivateBus();
    void busWithoutNetworkManager();

private:
    QProcess m_daemon;
    QString m_address;
    QThread m_thread;
    NetworkManagerStandIn* m_standIn = nullptr;
};

void TstNmDialService::initTestCase() {
    qDBusRegisterMetaType<ProfileSettings>();
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {"--session", "--nofork", "--nopidfile", "--print-address"});
    QVERIFY2(m_daemon.waitForStarted(), "dbus-daemon is installed by scripts/setup");
    QTRY_VERIFY(m_daemon.canReadLine());
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());

    // The stand-in answers from a thread of its own, so that the layer's
    // blocking calls from this thread get their answers.
    m_standIn = new NetworkManagerStandIn;
    QDBusConnection server = QDBusConnection::connectToBus(m_address, "nm-standin");
    QVERIFY(server.isConnected());
    QVERIFY(server.registerVirtualObject("/org/freedesktop", m_standIn, QDBusConnection::SubPath));
    m_standIn->moveToThread(&m_thread);
    m_thread.start();
    QVERIFY(server.registerService(Nm));
}

void TstNmDialService::cleanupTestCase() {
    QDBusConnection::disconnectFromBus("nm-standin");
    QDBusConnection::disconnectFromBus("nm-client");
    QDBusConnection::disconnectFromBus("no-nm");
    m_thread.quit();
    m_thread.wait();
    delete m_standIn;
    m_daemon.terminate();
    m_daemon.waitForFinished();
}

void TstNmDialService::overPrivateBus() {
    QDBusConnection client = QDBusConnection::connectToBus(m_address, "nm-client");
    auto* layer = new NmDialService(client);
    QVERIFY(layer->available());

    // Only the dialling kinds, by name.
    QStringList names;
    for (const DialService::Profile& p : layer->profiles())
        names << p.Name;
    names.sort();
    QCOMPARE(names, (QStringList{"DSL", "Mobile", "Office VPN", "Wrong password"}));

    const QList<DialService::Link> up = layer->activeLinks();
    QCOMPARE(up.size(), 1);
    QCOMPARE(up[0].Name, QStringLiteral("Home Wi-Fi"));
    QCOMPARE(up[0].State, int(DialService::Activated));
    QVERIFY(up[0].HasAddress);

    // TagRas over the layer: the entries, a dial that waits for the state
    // signal, a hang-up, and the two kinds of failure.
    TagRas ras(layer);
    QCOMPARE(ras.Entries(), (QStringList{"DSL", "Mobile", "Office VPN", "Wrong password"}));
    ras.setTimeOut(5);
    ras.setService("Mobile");
    ras.Dial();
    QVERIFY(ras.Connected());
    QVERIFY(ras.Dialled());
    ras.Release();
    {
        QMutexLocker locked(&m_standIn->Lock);
        QCOMPARE(m_standIn->Deactivations,
                 QStringList{"/org/freedesktop/NetworkManager/ActiveConnection/2"});
    }

    ras.setService("Wrong password");
    QVERIFY_THROWS_EXCEPTION(ERASError, ras.Dial());
    ras.setService("DSL");
    try {
        ras.Dial();
        QFAIL("a refused activation is raised");
    } catch (const ERASError& e) {
        QCOMPARE(e.message(), QStringLiteral("No suitable device found for this connection"));
    }
    QCOMPARE(layer->linkState("/org/freedesktop/NetworkManager/ActiveConnection/77"),
             int(DialService::Deactivated));
}

void TstNmDialService::busWithoutNetworkManager() {
    // A bus where nobody holds NetworkManager's name: nothing listed, nothing dialled.
    QProcess other;
    other.start(QStringLiteral("dbus-daemon"),
                {"--session", "--nofork", "--nopidfile", "--print-address"});
    QVERIFY(other.waitForStarted());
    QTRY_VERIFY(other.canReadLine());
    const QString address = QString::fromUtf8(other.readLine()).trimmed();
    {
        TagRas ras(new NmDialService(QDBusConnection::connectToBus(address, "no-nm")));
        QVERIFY(ras.Entries().isEmpty());
        ras.setService("Mobile");
        ras.Dial();
        QVERIFY(!ras.Dialled());
    }
    QDBusConnection::disconnectFromBus("no-nm");
    other.terminate();
    other.waitForFinished();
}

QTEST_GUILESS_MAIN(TstNmDialService)
#include "tst_nmdialservice.moc"
