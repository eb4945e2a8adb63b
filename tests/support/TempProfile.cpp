#include "support/TempProfile.h"

#include "settings/AppPaths.h"

#include <QDir>

TempProfile::TempProfile()
    : m_oldConfig(qgetenv("XDG_CONFIG_HOME")), m_oldData(qgetenv("XDG_DATA_HOME")),
      m_hadConfig(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")),
      m_hadData(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
{
    m_oldCache = qgetenv("XDG_CACHE_HOME");
    m_hadCache = qEnvironmentVariableIsSet("XDG_CACHE_HOME");
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    QDir(m_dir.path()).mkpath(QStringLiteral("cache"));
    qputenv("XDG_CONFIG_HOME", configHome().toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome().toLocal8Bit());
    qputenv("XDG_CACHE_HOME", cacheHome().toLocal8Bit());
}

TempProfile::~TempProfile()
{
    if (m_hadConfig)
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
    if (m_hadData)
        qputenv("XDG_DATA_HOME", m_oldData);
    else
        qunsetenv("XDG_DATA_HOME");
    if (m_hadCache)
        qputenv("XDG_CACHE_HOME", m_oldCache);
    else
        qunsetenv("XDG_CACHE_HOME");
}

QString TempProfile::configHome() const { return m_dir.path() + QStringLiteral("/config"); }
QString TempProfile::dataHome() const { return m_dir.path() + QStringLiteral("/data"); }
QString TempProfile::cacheHome() const { return m_dir.path() + QStringLiteral("/cache"); }
QString TempProfile::appFolder() const { return AppPaths::appFolder(); }
QString TempProfile::appFile(const QString& name) const { return AppPaths::appFile(name); }
