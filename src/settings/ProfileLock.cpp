#include "settings/ProfileLock.h"

#include "settings/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

ProfileLock::ProfileLock() = default;

ProfileLock::~ProfileLock() {
    unlock();
}

QString ProfileLock::lockFilePath() {
    return QFileInfo(AppPaths::settingsTreeFile()).absolutePath() +
           QStringLiteral("/quillmere.lock");
}

QString ProfileLock::busyText() {
    return QCoreApplication::translate("ProfileLock",
                                       "Quillmere is already running for this profile");
}

bool ProfileLock::tryLock() {
    if (isLocked()) return true;
    const QString path = lockFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto lock = std::make_unique<QLockFile>(path);
    // Only a lock whose process has ended is stale, however old it is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    m_lock = std::move(lock);
    return true;
}

void ProfileLock::unlock() {
    if (m_lock) m_lock->unlock();
    m_lock.reset();
}

bool ProfileLock::isLocked() const {
    return m_lock && m_lock->isLocked();
}
