#include "settings/Profile.h"

#include <QSettings>

#include "settings/StoreValue.h"

namespace Profile {

namespace {

// Each call opens the store anew, so a value written by another store
// object (or another program instance) is seen at once.
QSettings store()
{
    return QSettings(QString::fromLatin1(Settings::Organisation), QString::fromLatin1(Settings::Application));
}

QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

int GetProfileInt(const QString& section, const QString& key, int defaultValue)
{
    const QVariant v = store().value(path(section, key));
    if (!v.isValid())
        return defaultValue;
    bool ok = false;
    // A DWORD: values written as unsigned read back with the same bits.
    const qlonglong n = v.toLongLong(&ok);
    return ok ? int(std::uint32_t(n)) : defaultValue;
}

void WriteProfileInt(const QString& section, const QString& key, int value)
{
    QSettings s = store();
    StoreValue::writeIfChanged(s, path(section, key), value);
}

QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue)
{
    const QVariant v = store().value(path(section, key));
    return v.isValid() ? v.toString() : defaultValue;
}

void WriteProfileString(const QString& section, const QString& key, const QString& value)
{
    QSettings s = store();
    StoreValue::writeIfChanged(s, path(section, key), value);
}

bool HasProfileValue(const QString& section, const QString& key)
{
    return store().contains(path(section, key));
}

int get(const Settings::IntKey& key)
{
    return GetProfileInt(QString::fromLatin1(key.section), QString::fromLatin1(key.key), key.defaultValue);
}

void set(const Settings::IntKey& key, int value)
{
    WriteProfileInt(QString::fromLatin1(key.section), QString::fromLatin1(key.key), value);
}

QString get(const Settings::StringKey& key)
{
    return GetProfileString(QString::fromLatin1(key.section), QString::fromLatin1(key.key),
                            QString::fromUtf8(key.defaultValue));
}

void set(const Settings::StringKey& key, const QString& value)
{
    WriteProfileString(QString::fromLatin1(key.section), QString::fromLatin1(key.key), value);
}

int get(const Settings::ViewIntKey& key, const QString& viewSection)
{
    return GetProfileInt(viewSection, QString::fromLatin1(key.key), key.defaultValue);
}

void set(const Settings::ViewIntKey& key, const QString& viewSection, int value)
{
    WriteProfileInt(viewSection, QString::fromLatin1(key.key), value);
}

QString get(const Settings::ViewStringKey& key, const QString& viewSection)
{
    return GetProfileString(viewSection, QString::fromLatin1(key.key), QString::fromUtf8(key.defaultValue));
}

void set(const Settings::ViewStringKey& key, const QString& viewSection, const QString& value)
{
    WriteProfileString(viewSection, QString::fromLatin1(key.key), value);
}

} // namespace Profile

namespace Profile {

int fontValue(Settings::FontFamily family, const char* slot)
{
    static const char* const prefixes[] = {"DFont", "EFont", "PFont"};
    for (const Settings::FontSlot& s : Settings::FontSlots) {
        if (qstrcmp(s.slot, slot) != 0)
            continue;
        const int def = family == Settings::FontFamily::Screen ? s.screen
                      : family == Settings::FontFamily::Editor ? s.editor
                                                               : s.print;
        const QString key = QString::fromLatin1(prefixes[int(family)]) + QString::fromLatin1(slot);
        return GetProfileInt(QString::fromLatin1(Settings::SectionFont), key, def);
    }
    return 0;
}

} // namespace Profile
