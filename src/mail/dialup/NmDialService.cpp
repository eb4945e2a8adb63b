#include "mail/dialup/NmDialService.h"

#include "mail/Exceptions.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QMap>
#include <QVariantMap>

namespace {
const QString Service = QStringLiteral("org.freedesktop.NetworkManager");
const QString ManagerPath = QStringLiteral("/org/freedesktop/NetworkManager");
const QString ManagerInterface = QStringLiteral("org.freedesktop.NetworkManager");
const QString SettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
const QString SettingsInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
const QString ProfileInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
const QString ActiveInterface = QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
const QString PropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString NoObject = QStringLiteral("/");
// A question to NetworkManager is answered at once or not at all.
constexpr int CallTimeoutMs = 5000;

using ProfileSettings = QMap<QString, QVariantMap>;

QDBusMessage method(const QString& path, const QString& interface, const QString& name) {
    return QDBusMessage::createMethodCall(Service, path, interface, name);
}

QDBusMessage getProperty(const QString& path, const QString& interface, const QString& name) {
    QDBusMessage m = method(path, PropertiesInterface, QStringLiteral("Get"));
    m << interface << name;
    return m;
}

// A value that arrives inside a variant: unwrapped, and still a QDBusArgument
// when it is a container.
QVariant unwrap(const QVariant& value) {
    if (value.canConvert<QDBusVariant>()) return value.value<QDBusVariant>().variant();
    return value;
}

QList<QDBusObjectPath> toPaths(const QVariant& value) {
    const QVariant v = unwrap(value);
    if (v.canConvert<QDBusArgument>()) return qdbus_cast<QList<QDBusObjectPath>>(v);
    return v.value<QList<QDBusObjectPath>>();
}

QString toPath(const QVariant& value) {
    return unwrap(value).value<QDBusObjectPath>().path();
}

void raise(const QDBusMessage& reply) {
    const QString text = reply.errorMessage();
    throw ERASError(text.isEmpty() ? QStringLiteral("RAS error no 0") : text.left(256));
}
} // namespace

NmDialService::NmDialService(QObject* parent) : DialService(parent) {}

NmDialService::NmDialService(const QDBusConnection& bus, QObject* parent)
    : DialService(parent), m_bus(bus) {}

bool NmDialService::isDialKind(const QString& type) {
    static const QStringList kinds = {QStringLiteral("gsm"), QStringLiteral("cdma"),
                                      QStringLiteral("pppoe"), QStringLiteral("bluetooth"),
                                      QStringLiteral("vpn")};
    return kinds.contains(type);
}

QDBusConnection& NmDialService::bus() {
    if (!m_bus) m_bus = QDBusConnection::systemBus();
    if (!m_subscribed && m_bus->isConnected()) {
        qDBusRegisterMetaType<ProfileSettings>();
        // Every active connection's state changes, told apart by their paths.
        m_subscribed =
            m_bus->connect(Service, QString(), ActiveInterface, QStringLiteral("StateChanged"),
                           this, SLOT(stateChanged(uint, uint, QDBusMessage)));
    }
    return *m_bus;
}

QDBusMessage NmDialService::call(const QDBusMessage& message) {
    return bus().call(message, QDBus::Block, CallTimeoutMs);
}

bool NmDialService::available() {
    QDBusConnection& b = bus();
    if (!b.isConnected() || !b.interface()) return false;
    const QDBusReply<bool> registered = b.interface()->isServiceRegistered(Service);
    return registered.isValid() && registered.value();
}

QList<DialService::Profile> NmDialService::profiles() {
    const QDBusMessage listed =
        call(method(SettingsPath, SettingsInterface, QStringLiteral("ListConnections")));
    if (listed.type() != QDBusMessage::ReplyMessage || listed.arguments().isEmpty()) raise(listed);
    QList<Profile> found;
    for (const QDBusObjectPath& path : toPaths(listed.arguments().constFirst())) {
        const QDBusMessage reply =
            call(method(path.path(), ProfileInterface, QStringLiteral("GetSettings")));
        // A profile removed meanwhile, or one we may not read, is not offered.
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) continue;
        const auto settings = qdbus_cast<ProfileSettings>(reply.arguments().constFirst());
        const QVariantMap connection = settings.value(QStringLiteral("connection"));
        const QString name = connection.value(QStringLiteral("id")).toString();
        if (!name.isEmpty() && isDialKind(connection.value(QStringLiteral("type")).toString()))
            found.append({path.path(), name});
    }
    return found;
}

QList<DialService::Link> NmDialService::activeLinks() {
    const QDBusMessage listed =
        call(getProperty(ManagerPath, ManagerInterface, QStringLiteral("ActiveConnections")));
    if (listed.type() != QDBusMessage::ReplyMessage || listed.arguments().isEmpty()) raise(listed);
    QList<Link> links;
    for (const QDBusObjectPath& path : toPaths(listed.arguments().constFirst())) {
        QDBusMessage all = method(path.path(), PropertiesInterface, QStringLiteral("GetAll"));
        all << ActiveInterface;
        const QDBusMessage reply = call(all);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            continue; // gone since the list was made
        const auto props = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
        Link link;
        link.Path = path.path();
        link.Name = props.value(QStringLiteral("Id")).toString();
        link.State = props.value(QStringLiteral("State")).toInt();
        const QString ip4 = toPath(props.value(QStringLiteral("Ip4Config")));
        const QString ip6 = toPath(props.value(QStringLiteral("Ip6Config")));
        link.HasAddress =
            (!ip4.isEmpty() && ip4 != NoObject) || (!ip6.isEmpty() && ip6 != NoObject);
        links.append(link);
    }
    return links;
}

int NmDialService::linkState(const QString& linkPath) {
    const QDBusMessage reply =
        call(getProperty(linkPath, ActiveInterface, QStringLiteral("State")));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return Deactivated; // the object goes when the connection has ended
    return unwrap(reply.arguments().constFirst()).toInt();
}

QString NmDialService::activate(const QString& profilePath) {
    QDBusMessage m = method(ManagerPath, ManagerInterface, QStringLiteral("ActivateConnection"));
    // No device or specific object: NetworkManager picks them.
    m << QVariant::fromValue(QDBusObjectPath(profilePath))
      << QVariant::fromValue(QDBusObjectPath(NoObject))
      << QVariant::fromValue(QDBusObjectPath(NoObject));
    const QDBusMessage reply = call(m);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) raise(reply);
    return toPath(reply.arguments().constFirst());
}

void NmDialService::deactivate(const QString& linkPath) {
    QDBusMessage m = method(ManagerPath, ManagerInterface, QStringLiteral("DeactivateConnection"));
    m << QVariant::fromValue(QDBusObjectPath(linkPath));
    const QDBusMessage reply = call(m);
    if (reply.type() != QDBusMessage::ReplyMessage) raise(reply);
}

void NmDialService::stateChanged(uint state, uint reason, const QDBusMessage& message) {
    Q_EMIT linkStateChanged(message.path(), int(state), int(reason));
}
