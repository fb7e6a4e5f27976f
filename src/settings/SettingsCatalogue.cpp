#include "settings/SettingsCatalogue.h"

#include "settings/Profile.h"

namespace SettingsCatalogue {

namespace {

Item makeItem(const QString& section, const Settings::CatalogueEntry& e)
{
    Item item;
    item.section = section;
    item.key = QString::fromLatin1(e.key);
    item.kind = e.kind;
    if (!e.computedDefault) {
        item.defaultValue = e.kind == Settings::Kind::Int ? QVariant(e.intDefault)
                                                          : QVariant(QString::fromUtf8(e.stringDefault));
    }
    return item;
}

void appendSection(QList<Item>& out, const char* section)
{
    const QString name = QString::fromLatin1(section);
    const bool isView = name == QLatin1String(Settings::SectionEH) || name == QLatin1String(Settings::SectionDV1);
    // View keys first, as every view section starts with them.
    if (isView) {
        for (const Settings::CatalogueEntry& e : Settings::Catalogue) {
            if (e.section == nullptr)
                out.append(makeItem(name, e));
        }
    }
    for (const Settings::CatalogueEntry& e : Settings::Catalogue) {
        if (e.section != nullptr && name == QLatin1String(e.section))
            out.append(makeItem(name, e));
    }
}

} // namespace

QList<Item> all()
{
    QList<Item> out;
    appendSection(out, Settings::SectionSettings);
    appendSection(out, Settings::SectionEH);
    appendSection(out, Settings::SectionDV1);

    const QString font = QString::fromLatin1(Settings::SectionFont);
    static const char* const prefixes[] = {"DFont", "EFont", "PFont"};
    for (int family = 0; family < 3; ++family) {
        for (const Settings::FontSlot& s : Settings::FontSlots) {
            const int def = family == 0 ? s.screen : family == 1 ? s.editor : s.print;
            out.append({font, QString::fromLatin1(prefixes[family]) + QString::fromLatin1(s.slot),
                        Settings::Kind::Int, def});
        }
    }

    const QString recent = QString::fromLatin1(Settings::SectionRecentFiles);
    for (int i = 1; i <= Settings::RecentFileCount; ++i)
        out.append({recent, QStringLiteral("File%1").arg(i), Settings::Kind::String, QString()});
    return out;
}

Item find(const QString& section, const QString& key)
{
    for (const Item& item : all()) {
        if (item.section == section && item.key == key)
            return item;
    }
    return {};
}

bool isStored(const Item& item)
{
    return Profile::HasProfileValue(item.section, item.key);
}

QVariant currentValue(const Item& item)
{
    if (!item.defaultValue.isValid() && !isStored(item))
        return {};
    if (item.kind == Settings::Kind::Int)
        return Profile::GetProfileInt(item.section, item.key, item.defaultValue.toInt());
    return Profile::GetProfileString(item.section, item.key, item.defaultValue.toString());
}

bool write(const Item& item, const QString& text, QString* error)
{
    if (item.kind == Settings::Kind::String) {
        Profile::WriteProfileString(item.section, item.key, text);
        return true;
    }
    bool ok = false;
    // Base 0 accepts "0xFF0000" for the colour values beside plain decimals.
    const qlonglong n = text.trimmed().toLongLong(&ok, 0);
    if (!ok || n < -2147483648LL || n > 4294967295LL) {
        if (error)
            *error = QStringLiteral("Der Wert \"%1\" ist keine ganze Zahl.").arg(text);
        return false;
    }
    Profile::WriteProfileInt(item.section, item.key, int(std::uint32_t(n)));
    return true;
}

} // namespace SettingsCatalogue
