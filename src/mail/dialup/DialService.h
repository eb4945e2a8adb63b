#pragma once

#include <QList>
#include <QObject>
#include <QString>

// What TagRas needs of the machine's network manager: the connection profiles
// that dial, the connections that are up, and activating and deactivating one.
// NmDialService is the real one; tests script their own.
class DialService : public QObject {
    Q_OBJECT
public:
    // The states of an active connection.
    enum LinkState {
        Unknown = 0,
        Activating = 1,
        Activated = 2,
        Deactivating = 3,
        Deactivated = 4
    };

    // A connection profile that dials (mobile broadband, PPPoE, Bluetooth, VPN).
    struct Profile {
        QString Path;
        QString Name;
    };
    // A connection that is up or on its way.
    struct Link {
        QString Path;
        QString Name;
        int State = Unknown;
        bool HasAddress = false; // an IPv4 or IPv6 configuration is in place
    };

    using QObject::QObject;

    // The network manager is there to ask.
    virtual bool available() = 0;
    // The profiles of the dialling kinds, in no particular order. Throws ERASError.
    virtual QList<Profile> profiles() = 0;
    // The active connections. Throws ERASError.
    virtual QList<Link> activeLinks() = 0;
    // The state of one active connection; Deactivated once it has gone.
    virtual int linkState(const QString& linkPath) = 0;
    // Starts the profile's connection and returns the active connection's path
    // at once; its progress arrives through linkStateChanged. Throws ERASError.
    virtual QString activate(const QString& profilePath) = 0;
    // Ends an active connection. Throws ERASError.
    virtual void deactivate(const QString& linkPath) = 0;

Q_SIGNALS:
    // An active connection changed its state; reason is the network manager's
    // reason code for it.
    void linkStateChanged(const QString& linkPath, int state, int reason);
};
