#include "settings/AppPaths.h"

#include "mail/cache/HeaderCache.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString xdgDir(const char* var, const QString& fallbackUnderHome)
{
    const QString v = qEnvironmentVariable(var);
    if (!v.isEmpty() && QDir::isAbsolutePath(v))
        return QDir::cleanPath(v);
    return QDir::homePath() + QLatin1Char('/') + fallbackUnderHome;
}
} // namespace

QString AppPaths::settingsTreeFile()
{
    return xdgDir("XDG_CONFIG_HOME", QStringLiteral(".config")) +
           QStringLiteral("/Tarrowby/Quillmere/10.conf");
}

QString AppPaths::appFolder()
{
    const QString dir = xdgDir("XDG_DATA_HOME", QStringLiteral(".local/share")) +
                        QStringLiteral("/Quillmere");
    QDir().mkpath(dir);
    return dir;
}

QString AppPaths::appFile(const QString& name) { return appFolder() + QLatin1Char('/') + name; }

QString AppPaths::cacheFolder()
{
    return xdgDir("XDG_CACHE_HOME", QStringLiteral(".cache")) + QStringLiteral("/Quillmere");
}

QString AppPaths::headerCacheFile(const QString& server, const QString& userName,
                                  const QString& folder)
{
    return cacheFolder() + QLatin1Char('/') +
           HeaderCache::fileName({server, userName, folder});
}
