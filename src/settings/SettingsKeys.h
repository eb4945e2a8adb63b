#pragma once

#include "settings/SettingsStore.h"

#include <QList>
#include <QString>

// Every key the program keeps in the settings tree and the settings file, with
// its type and its default on reading.
struct SettingsKey {
    enum class Type { String, Integer, Boolean };

    SettingsStore::Kind store;
    QString section;
    QString ident;
    Type type;
    QString def;         // the default as text: "1"/"0" for booleans
    bool secret = false; // a password: shown only as set or empty

    // A store of this key's kind (the settings tree or the settings file).
    SettingsStore openStore() const;
    // The effective value as text: read with the key's type and default
    // (integers in decimal, booleans "true"/"false", strings as stored).
    QString readEffective() const;
};

// Every key, settings tree first, in the order of their sections.
const QList<SettingsKey>& AllSettingsKeys();
// The key with that section and ident (compared without regard to case), or null.
const SettingsKey* FindSettingsKey(const QString& section, const QString& ident);
