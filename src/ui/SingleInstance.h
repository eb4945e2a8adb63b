#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One desktop program per profile: the first instance listens on a local
// socket whose name comes from the profile's folders; a later one tells it to
// come forward and ends. A test profile or the demo's private one therefore
// runs beside the user's own Quillmere.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name of the current profile (settings tree and application folder).
    static QString serverName();

    // True when another instance of this profile answered and was asked to come
    // forward: this one should end.
    bool askFirstToComeForward();
    // Listens for later instances (call while holding the profile lock, so that
    // a name left by an instance that died can be taken over safely).
    bool listen();

Q_SIGNALS:
    // A later instance asked this one to come forward.
    void comeForward();

private:
    QLocalServer* m_server = nullptr;
};
