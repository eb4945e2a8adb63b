#include "settings/SecretStore.h"

#include "settings/AppPaths.h"
#include "settings/MailboxConfig.h"
#include "settings/SettingsStore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {
const QString Section = QStringLiteral("Server");
const QString SecretsName = QStringLiteral("org.freedesktop.secrets");
const QString DefaultCollection = QStringLiteral("/org/freedesktop/secrets/aliases/default");

// How long a keyring job may take. A job that may prompt waits for the person
// at the unlock prompt; one that may not should come back at once.
constexpr int PromptTimeoutMs = 120'000;
constexpr int QuietTimeoutMs = 15'000;

SecretStore::Backend detectBackend() {
    const QString forced = qEnvironmentVariable("QUILLMERE_SECRET_STORE").trimmed().toLower();
    if (forced == QLatin1String("settings")) return SecretStore::Backend::SettingsTree;
    if (forced == QLatin1String("keyring")) return SecretStore::Backend::Keyring;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return SecretStore::Backend::SettingsTree;
    const QDBusReply<bool> owned = bus.interface()->isServiceRegistered(SecretsName);
    if (owned.isValid() && owned.value()) return SecretStore::Backend::Keyring;
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    if (activatable.isValid() && activatable.value().contains(SecretsName))
        return SecretStore::Backend::Keyring;
    return SecretStore::Backend::SettingsTree;
}

// The keyring's service name for this profile: two profiles (two settings
// folders) never share an entry. The keyring keeps the service and the ident
// as the entry's attributes, so the pair names one entry.
QString keyringService() {
    return QStringLiteral("Quillmere ") + QFileInfo(AppPaths::settingsTreeFile()).absolutePath();
}

// What an ident holds, for messages: "the password of mailbox 3".
TrText describe(const QString& ident) {
    static const QRegularExpression pattern(
        QStringLiteral("^(Passwd|OAuth2Tokens|OAuth2Secret)(\\d+)$"));
    const QRegularExpressionMatch m = pattern.match(ident);
    if (!m.hasMatch()) return TrText::translate("SecretStore", "the secret \"%1\"").arg(ident);
    const TrText what = m.captured(1) == QLatin1String("Passwd")
                            ? TrText::translate("SecretStore", "the password of mailbox %1")
                        : m.captured(1) == QLatin1String("OAuth2Tokens")
                            ? TrText::translate("SecretStore", "the sign-in tokens of mailbox %1")
                            : TrText::translate("SecretStore", "the client secret of mailbox %1");
    return what.arg(m.captured(2));
}

// Whether the default collection is locked; false when the keyring cannot say
// (no default collection yet: nothing is stored there to unlock).
bool defaultCollectionLocked() {
    QDBusMessage get = QDBusMessage::createMethodCall(
        SecretsName, DefaultCollection, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << QStringLiteral("org.freedesktop.Secret.Collection") << QStringLiteral("Locked");
    // The answer is awaited in a local event loop; the bus ends the call with
    // an error when the time-out passes.
    QDBusPendingCallWatcher watcher(QDBusConnection::sessionBus().asyncCall(get, QuietTimeoutMs));
    if (!watcher.isFinished()) {
        QEventLoop loop;
        QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const QDBusReply<QDBusVariant> reply = watcher.reply();
    return reply.isValid() && reply.value().variant().toBool();
}

void refuseWhenLocked(const QString& ident, SecretAccess access) {
    if (access == SecretAccess::NeverPrompt && defaultCollectionLocked())
        throw ESecretStoreError(
            TrText::translate("SecretStore", "The desktop keyring is locked, so %1 could not be "
                                             "read; unlock it and check again")
                .arg(describe(ident)));
}

// A keyring job owned by the caller while it runs and once it finished; one
// that did not finish in time is let go and deletes itself when it does.
template <typename Job> class JobHandle {
public:
    explicit JobHandle(const QString& ident) : m_job(new Job(keyringService())) {
        m_job->setAutoDelete(false);
        m_job->setInsecureFallback(false);
        m_job->setKey(ident);
    }
    ~JobHandle() {
        if (m_finished) {
            delete m_job;
        } else {
            QObject::connect(m_job, &QKeychain::Job::finished, m_job, &QObject::deleteLater);
        }
    }
    JobHandle(const JobHandle&) = delete;
    JobHandle& operator=(const JobHandle&) = delete;

    Job* operator->() const { return m_job; }

    // Runs the job to its end in a local event loop; false when it did not end
    // within the time-out.
    bool run(SecretAccess access) {
        QEventLoop loop;
        QObject::connect(m_job, &QKeychain::Job::finished, &loop, [&] {
            m_finished = true;
            loop.quit();
        });
        QTimer::singleShot(access == SecretAccess::MayPrompt ? PromptTimeoutMs : QuietTimeoutMs,
                           &loop, &QEventLoop::quit);
        m_job->start();
        if (!m_finished) loop.exec();
        return m_finished;
    }

private:
    Job* m_job;
    bool m_finished = false;
};

enum class Doing { Read, Store, Remove };

[[noreturn]] void failJob(Doing doing, const QString& ident, const TrText& why) {
    const TrText text =
        doing == Doing::Read
            ? TrText::translate("SecretStore", "The desktop keyring could not read %1: %2")
        : doing == Doing::Store
            ? TrText::translate("SecretStore", "The desktop keyring could not store %1: %2")
            : TrText::translate("SecretStore", "The desktop keyring could not remove %1: %2");
    throw ESecretStoreError(text.arg(describe(ident), why));
}

const char* const NoAnswer = QT_TRANSLATE_NOOP("SecretStore", "it did not answer in time");
} // namespace

SecretStore::Backend SecretStore::backend() {
    static const Backend decided = detectBackend();
    return decided;
}

QString SecretStore::backendText() {
    return backend() == Backend::Keyring ? QStringLiteral("the desktop keyring")
                                         : QStringLiteral("the settings file (enciphered)");
}

namespace {
std::optional<QString> readTree(const QString& ident) {
    const QString stored = SettingsStore::tree().ReadString(Section, ident, {});
    if (stored.isEmpty()) return std::nullopt;
    try {
        return DecipherPassword(stored);
    } catch (const EConvertError& e) {
        throw ESecretStoreError(e.message());
    }
}
} // namespace

std::optional<QString> SecretStore::read(const QString& ident, SecretAccess access) {
    // With the keyring in use, the tree holds a secret only when it was written
    // after the last move (a run without a keyring, an older version): that
    // one is the newest.
    if (std::optional<QString> inTree = readTree(ident);
        inTree || backend() == Backend::SettingsTree)
        return inTree;
    refuseWhenLocked(ident, access);
    JobHandle<QKeychain::ReadPasswordJob> job(ident);
    if (!job.run(access)) failJob(Doing::Read, ident, TrText::translate("SecretStore", NoAnswer));
    if (job->error() == QKeychain::EntryNotFound) return std::nullopt;
    if (job->error() != QKeychain::NoError)
        failJob(Doing::Read, ident, TrText::plain(job->errorString()));
    const QString secret = job->textData();
    if (secret.isEmpty()) return std::nullopt;
    return secret;
}

void SecretStore::write(const QString& ident, const QString& secret) {
    if (secret.isEmpty()) {
        remove(ident);
        return;
    }
    if (backend() == Backend::SettingsTree) {
        SettingsStore::tree().WriteString(Section, ident, EncipherPassword(secret));
        return;
    }
    JobHandle<QKeychain::WritePasswordJob> job(ident);
    job->setTextData(secret);
    if (!job.run(SecretAccess::MayPrompt))
        failJob(Doing::Store, ident, TrText::translate("SecretStore", NoAnswer));
    if (job->error() != QKeychain::NoError)
        failJob(Doing::Store, ident, TrText::plain(job->errorString()));
}

void SecretStore::remove(const QString& ident) {
    if (backend() == Backend::SettingsTree) {
        // Only a stored value is written over: removing nothing writes nothing.
        SettingsStore tree = SettingsStore::tree();
        if (!tree.ReadString(Section, ident, {}).isEmpty()) tree.WriteString(Section, ident, {});
        return;
    }
    JobHandle<QKeychain::DeletePasswordJob> job(ident);
    if (!job.run(SecretAccess::MayPrompt))
        failJob(Doing::Remove, ident, TrText::translate("SecretStore", NoAnswer));
    if (job->error() != QKeychain::NoError && job->error() != QKeychain::EntryNotFound)
        failJob(Doing::Remove, ident, TrText::plain(job->errorString()));
}

bool SecretStore::inTree(const QString& ident) {
    return !SettingsStore::tree().ReadString(Section, ident, {}).isEmpty();
}

QString SecretStore::moveIntoKeyring(const QString& ident, SecretAccess access) {
    if (backend() != Backend::Keyring || !inTree(ident)) return {};
    // A locked keyring in a run that may not prompt: the secret is read from
    // the tree this time and moved in a later run.
    if (access == SecretAccess::NeverPrompt && defaultCollectionLocked()) return {};
    try {
        const std::optional<QString> secret = readTree(ident);
        if (!secret) return {};
        write(ident, *secret);
        // Only now that the keyring holds it is the tree's copy removed.
        SettingsStore::tree().WriteString(Section, ident, {});
    } catch (const Exception& e) {
        QString what = describe(ident).english();
        what[0] = what[0].toUpper();
        return QStringLiteral("%1 stays in the settings file (enciphered), as the desktop keyring "
                              "did not take it: %2")
            .arg(what, e.message());
    }
    return {};
}

QString SecretStore::tokensIdent(int n) {
    return QStringLiteral("OAuth2Tokens%1").arg(n);
}

QString SecretStore::clientSecretIdent(int n) {
    return QStringLiteral("OAuth2Secret%1").arg(n);
}

std::optional<OAuth2Tokens> ReadOAuth2Tokens(int n, SecretAccess access) {
    const std::optional<QString> text = SecretStore::read(SecretStore::tokensIdent(n), access);
    if (!text) return std::nullopt;
    return OAuth2Tokens::fromJson(text->toUtf8());
}

void StoreOAuth2Tokens(int n, const OAuth2Tokens& tokens) {
    if (tokens.isEmpty()) {
        SecretStore::remove(SecretStore::tokensIdent(n));
        return;
    }
    SecretStore::write(SecretStore::tokensIdent(n), QString::fromUtf8(tokens.toJson()));
}

void ForgetOAuth2Tokens(int n) {
    SecretStore::remove(SecretStore::tokensIdent(n));
}
