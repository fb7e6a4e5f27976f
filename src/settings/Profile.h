#pragma once

#include <QByteArray>
#include <QString>

#include "settings/SettingsKeys.h"

// The per-user settings store: organisation "Pavo", application
// "Kestrovane-Import", one group per section. Nothing is cached: every read
// asks the store and falls back to the caller's default. Writing a value the
// store holds already leaves the store untouched.
namespace Profile {

int GetProfileInt(const QString& section, const QString& key, int defaultValue);
void WriteProfileInt(const QString& section, const QString& key, int value);
QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue);
void WriteProfileString(const QString& section, const QString& key, const QString& value);
// Whether the store holds the key at all (a key never written reads as its default).
bool HasProfileValue(const QString& section, const QString& key);

// The same through the catalogue of SettingsKeys.h, with the default it names.
int get(const Settings::IntKey& key);
void set(const Settings::IntKey& key, int value);
QString get(const Settings::StringKey& key);
void set(const Settings::StringKey& key, const QString& value);
// Keys of the view sections, which exist once per form type.
int get(const Settings::ViewIntKey& key, const QString& viewSection);
void set(const Settings::ViewIntKey& key, const QString& viewSection, int value);
QString get(const Settings::ViewStringKey& key, const QString& viewSection);
void set(const Settings::ViewStringKey& key, const QString& viewSection, const QString& value);

} // namespace Profile

namespace Profile {
// Stored height of a font slot ("0".."4", "8", "9", "0B".."4B") of a family;
// the default of the slot when it was never written, 0 for an unknown slot.
int fontValue(Settings::FontFamily family, const char* slot);
}
