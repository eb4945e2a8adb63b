#pragma once

#include <QString>

// Where Quillmere keeps its files on this machine.
namespace AppPaths {

// The per-user settings tree file: $XDG_CONFIG_HOME/Tarrowby/Quillmere/10.conf.
QString settingsTreeFile();

// The application folder (settings file, rule lists, blacklist, default log,
// downloaded messages, alarm sound): $XDG_DATA_HOME/Quillmere, created on first use.
// Always returned without a trailing separator.
QString appFolder();

// appFolder() + "/" + name.
QString appFile(const QString& name);

// The user's cache folder: $XDG_CACHE_HOME/Quillmere (default ~/.cache/Quillmere),
// without a trailing separator. Not created here: whatever writes there first
// creates it, readable by the user alone.
QString cacheFolder();

// The header cache file of a mailbox (server, user name, folder) in cacheFolder().
QString headerCacheFile(const QString& server, const QString& userName, const QString& folder);

} // namespace AppPaths
