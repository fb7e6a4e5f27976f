#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "settings/SettingsKeys.h"

// The settings model spelled out key by key: every section with every key,
// its kind and its default, as the settings command lists it. Values are read
// from the store at the moment they are asked for.
namespace SettingsCatalogue {

struct Item {
    QString section;
    QString key;
    Settings::Kind kind = Settings::Kind::Int;
    QVariant defaultValue;       // invalid when the default is computed
};

// In the order of the sections: "Settings", "EHForm_Defaults",
// "DV1Form_Defaults", "Font", "Recent File List".
QList<Item> all();

// The item of a section and key; nullopt-like: an item with an empty key.
Item find(const QString& section, const QString& key);

// The value the store holds, or the default (invalid for an unset key whose
// default is computed).
QVariant currentValue(const Item& item);
bool isStored(const Item& item);

// Parses and writes a value given as text. False with a German message when
// the text is no number for an integer key.
bool write(const Item& item, const QString& text, QString* error);

} // namespace SettingsCatalogue
