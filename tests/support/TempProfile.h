#pragma once

#include <QString>
#include <QTemporaryDir>

// A private profile for one test: points XDG_CONFIG_HOME, XDG_DATA_HOME and
// XDG_CACHE_HOME at fresh temporary folders for its lifetime and restores them
// afterwards.
class TempProfile {
public:
    TempProfile();
    ~TempProfile();
    TempProfile(const TempProfile&) = delete;
    TempProfile& operator=(const TempProfile&) = delete;

    QString configHome() const;
    QString dataHome() const;
    QString cacheHome() const;
    // The application folder of this profile (created).
    QString appFolder() const;
    // A path inside the application folder.
    QString appFile(const QString& name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfig, m_oldData, m_oldCache;
    bool m_hadConfig, m_hadData, m_hadCache;
};
