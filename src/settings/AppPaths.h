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

} // namespace AppPaths
