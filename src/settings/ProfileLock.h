#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One writer per profile: a lock file beside the settings tree. Held by the
// program while it runs and by the command line while it writes. A lock left by
// a process that has ended is taken over.
class ProfileLock {
public:
    ProfileLock();
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    // Takes the lock without waiting; true when this object holds it now.
    bool tryLock();
    // Releases the lock when held.
    void unlock();
    bool isLocked() const;

    // The lock file of the current profile (beside AppPaths::settingsTreeFile()).
    static QString lockFilePath();
    // The text shown when another process holds the profile.
    static QString busyText();

private:
    std::unique_ptr<QLockFile> m_lock;
};
