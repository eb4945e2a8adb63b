#include "mail/dialup/Ras.h"

#include "mail/Exceptions.h"
#include "mail/dialup/NmDialService.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>

TagRas::TagRas(DialService* service, QObject* parent)
    : TagDialLink(parent), m_service(service ? service : new NmDialService) {
    m_counter.Limit = 120;
    connect(m_service.get(), &DialService::linkStateChanged, this, &TagRas::linkStateChanged);
    connect(&m_counter, &TTimeCounter::ticked, this, &TagRas::wake);
}

TagRas::~TagRas() = default;

QString TagRas::StatusText(int state) {
    switch (state) {
    case 0:
        return QCoreApplication::translate("TagRas", "Initializing...");
    case 1:
    case 2:
    case 3:
    case 4:
        return QCoreApplication::translate("TagRas", "Dialing...");
    case 5:
    case 19:
        return QCoreApplication::translate("TagRas", "Verifying user name and password");
    case 14:
        return QCoreApplication::translate("TagRas", "User name and password verified");
    case 21:
        return QCoreApplication::translate("TagRas", "Logging on to Network");
    case RASCS_Connected:
        return QCoreApplication::translate("TagRas", "Successfully connected");
    default:
        return QString();
    }
}

QString TagRas::ReasonText(int reason) {
    return ReasonTr(reason).english();
}

TrText TagRas::ReasonTr(int reason) {
    static const char* const texts[] = {
        QT_TRANSLATE_NOOP("TagRas", "The connection failed for an unknown reason"),
        QT_TRANSLATE_NOOP("TagRas", "The connection was ended"),
        QT_TRANSLATE_NOOP("TagRas", "The connection was ended by the user"),
        QT_TRANSLATE_NOOP("TagRas", "The device of the connection was disconnected"),
        QT_TRANSLATE_NOOP("TagRas", "The service that provides the connection stopped"),
        QT_TRANSLATE_NOOP("TagRas", "The connection got no valid IP configuration"),
        QT_TRANSLATE_NOOP("TagRas", "The connection attempt timed out"),
        QT_TRANSLATE_NOOP("TagRas", "The service that provides the connection did not start in time"),
        QT_TRANSLATE_NOOP("TagRas", "The service that provides the connection failed to start"),
        QT_TRANSLATE_NOOP("TagRas", "The password or other secrets of the connection were not given"),
        QT_TRANSLATE_NOOP("TagRas", "Login failed"),
        QT_TRANSLATE_NOOP("TagRas", "The connection was removed"),
        QT_TRANSLATE_NOOP("TagRas", "A connection this one depends on failed"),
        QT_TRANSLATE_NOOP("TagRas", "The device of the connection could not be set up"),
        QT_TRANSLATE_NOOP("TagRas", "The device of the connection was removed"),
    };
    if (reason < 0 || reason >= int(std::size(texts))) return {};
    return TrText::translate("TagRas", texts[reason]);
}

QString TagRas::ErrorText(int code, const QString& text) {
    return text.isEmpty() ? QStringLiteral("RAS error no %1").arg(code) : text.left(256);
}

QStringList TagRas::Entries() {
    m_entries.clear();
    if (m_service->available()) {
        try {
            for (const DialService::Profile& p : m_service->profiles())
                m_entries.append(p.Name);
        } catch (const ERASError&) {
            m_entries.clear(); // a failed listing offers nothing
        }
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end()), m_entries.end());
    return m_entries;
}

void TagRas::setService(const QString& name) {
    auto refuse = [this](const char* text) {
        if (OnServiceError) OnServiceError(this, QCoreApplication::translate("TagRas", text));
    };
    if (name.isEmpty()) {
        m_serviceName.clear();
    } else if (!RASAvailable()) {
        refuse(QT_TRANSLATE_NOOP("TagRas", "TagRas component was unable to detect\nRAS on your system."));
    } else if (m_connected) {
        refuse(QT_TRANSLATE_NOOP("TagRas", "This property can be set only before\nestablishing the connection"));
    } else if (!Entries().contains(name)) {
        refuse(QT_TRANSLATE_NOOP("TagRas", "Invalid service name"));
        m_serviceName.clear();
    } else {
        m_serviceName = name;
    }
}

bool TagRas::IsConnected() {
    if (!m_service->available()) return false;
    const QList<DialService::Link> links = m_service->activeLinks();
    for (const DialService::Link& link : links) {
        if (link.State == DialService::Activated && link.Name == m_serviceName &&
            link.Path != m_handle) {
            m_handle = link.Path;
            return true;
        }
    }
    if (!ForceService) {
        for (const DialService::Link& link : links) {
            if (link.State == DialService::Activated && link.HasAddress) {
                m_handle = link.Path;
                return true;
            }
        }
    }
    return false;
}

void TagRas::Dial() {
    if (m_serviceName.isEmpty()) { // nothing to dial, nothing to ask
        m_connected = true;
        m_dialled = false;
        return;
    }
    // A connection this component dialled and that is still up is kept:
    // activating it again would drop it first.
    if (m_dialled && m_connected && !m_handle.isEmpty() &&
        m_service->linkState(m_handle) == DialService::Activated)
        return;
    if (IsConnected()) {
        m_connected = true;
        m_dialled = false;
        return;
    }
    if (!m_service->available()) return;

    QString profilePath;
    for (const DialService::Profile& p : m_service->profiles()) {
        if (p.Name == m_serviceName) {
            profilePath = p.Path;
            break;
        }
    }
    if (profilePath.isEmpty())
        throw ERASError(
            TrText::translate("Exception", "The connection %1 does not exist").arg(m_serviceName));

    m_dialled = true;
    m_handle.clear();
    m_connected = false;
    m_canceled = false;
    m_failed = false;
    m_lastError = 0;
    m_counter.TimedOut = false;

    status(RASCS_OpenPort);
    try {
        m_handle = m_service->activate(profilePath);
    } catch (const ERASError&) {
        HangUp();
        throw;
    }
    // The state may have moved before we listened.
    linkStateChanged(m_handle, m_service->linkState(m_handle), 0);

    m_counter.Start();
    while (!m_connected && !m_failed && !m_canceled && !m_counter.TimedOut) {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    m_counter.Stop();

    if (m_failed) {
        HangUp();
        const TrText reason = ReasonTr(m_lastError);
        throw ERASError(reason.isEmpty()
                            ? TrText::translate("TagRas", "RAS error no %1").arg(m_lastError)
                            : reason);
    }
    if (m_canceled) throw ECanceledError(LibraryText(57001));
    if (m_counter.TimedOut) throw ETimedOutError(LibraryText(57000));
}

void TagRas::Release() {
    HangUp();
    m_canceled = true;
    wake();
}

void TagRas::HangUp() {
    if (m_dialled && !m_handle.isEmpty() && m_service->available()) {
        try {
            m_service->deactivate(m_handle);
        } catch (const ERASError&) {
            // Already gone: nothing is left to end.
        }
        if (OnDisconnected) OnDisconnected(this);
    }
    m_dialled = false;
    m_connected = false;
    m_handle.clear();
}

void TagRas::linkStateChanged(const QString& linkPath, int state, int reason) {
    if (linkPath.isEmpty() || linkPath != m_handle) return;
    switch (state) {
    case DialService::Activating:
        status(RASCS_PortOpened);
        break;
    case DialService::Activated:
        status(RASCS_Connected);
        m_connected = true;
        break;
    case DialService::Deactivating:
    case DialService::Deactivated:
        if (OnStatusChange) OnStatusChange(this, QString());
        // Recorded, never raised here: this runs from the event loop. A dial
        // that waits raises it; a connection that was up is simply down now.
        m_failed = !m_connected;
        m_lastError = reason;
        m_connected = false;
        break;
    default:
        break;
    }
    wake();
}

void TagRas::status(int rasState) {
    if (OnStatusChange) OnStatusChange(this, StatusText(rasState));
}

void TagRas::wake() {
    if (m_loop) m_loop->quit();
}
