#pragma once

#include "settings/SettingsStore.h"

#include <QList>
#include <QString>
#include <optional>

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
    // The text to store for value, or nothing when value does not fit the
    // key's type: a string as given; an integer as given when it reads as one
    // (decimal, or hexadecimal after "0x"); a boolean as "1" or "0", from
    // "true" or "false" (in any case) or from an integer (any but 0 is true).
    std::optional<QString> storedText(const QString& value) const;
};

// Every key, settings tree first, in the order of their sections.
const QList<SettingsKey>& AllSettingsKeys();
// The key with that section and ident (compared without regard to case), or null.
const SettingsKey* FindSettingsKey(const QString& section, const QString& ident);
