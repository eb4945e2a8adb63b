#pragma once

#include "mail/dialup/DialService.h"

#include <QDBusConnection>
#include <optional>

class QDBusMessage;

// DialService over NetworkManager's D-Bus interface: its connection profiles
// of the kinds that dial (gsm and cdma mobile broadband, pppoe, bluetooth, vpn),
// its active connections, ActivateConnection and DeactivateConnection. Every
// call is answered within a few seconds or fails; a bus without NetworkManager
// makes available() false.
class NmDialService : public DialService {
    Q_OBJECT
public:
    // NetworkManager on the system bus, connected at the first question.
    explicit NmDialService(QObject* parent = nullptr);
    // NetworkManager (or a stand-in) on the given bus.
    explicit NmDialService(const QDBusConnection& bus, QObject* parent = nullptr);

    bool available() override;
    QList<Profile> profiles() override;
    QList<Link> activeLinks() override;
    int linkState(const QString& linkPath) override;
    QString activate(const QString& profilePath) override;
    void deactivate(const QString& linkPath) override;

    // The profile kinds (NetworkManager's connection.type) that dial.
    static bool isDialKind(const QString& type);

private Q_SLOTS:
    void stateChanged(uint state, uint reason, const QDBusMessage& message);

private:
    QDBusConnection& bus();
    QDBusMessage call(const QDBusMessage& message);

    std::optional<QDBusConnection> m_bus;
    bool m_subscribed = false;
};
