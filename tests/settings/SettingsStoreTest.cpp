#include <QFile>
#include <QSet>
#include <QSettings>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/Profile.h"
#include "settings/SettingsCatalogue.h"

using testsupport::clearSettings;

namespace {

QSettings pavo()
{
    return QSettings(QStringLiteral("Pavo"), QStringLiteral("Kestrovane-Import"));
}

} // namespace

TEST(SettingsStore, NeverWrittenStoreReadsAsTheDefaults)
{
    clearSettings();
    // What printing and the print dialog see on a fresh installation.
    EXPECT_EQ(Profile::get(Settings::Left_Margin_EH), 0);
    EXPECT_EQ(Profile::get(Settings::Top_Margin2_EH), 0);
    EXPECT_EQ(Profile::get(Settings::PrinterFontFactor, QStringLiteral("EHForm_Defaults")), 95);
    EXPECT_EQ(Profile::get(Settings::Printer, QStringLiteral("DV1Form_Defaults")), QStringLiteral("@"));
    EXPECT_EQ(Profile::get(Settings::PrnFactorV), 1000);
    EXPECT_EQ(Profile::get(Settings::Bundesland2), QStringLiteral("01"));
    EXPECT_EQ(Profile::get(Settings::ThreeLineInStamp), 1);
    EXPECT_EQ(Profile::fontValue(Settings::FontFamily::Print, "3B"), 42);

    // Every catalogued key yields its default (or nothing, for the computed
    // ones), and reading wrote nothing.
    for (const SettingsCatalogue::Item& item : SettingsCatalogue::all()) {
        SCOPED_TRACE((item.section + QLatin1Char('/') + item.key).toStdString());
        EXPECT_EQ(SettingsCatalogue::currentValue(item), item.defaultValue);
    }
    EXPECT_TRUE(pavo().allKeys().isEmpty());
}

TEST(SettingsStore, CatalogueNamesEveryKeyOnceInItsSection)
{
    const QList<SettingsCatalogue::Item> items = SettingsCatalogue::all();
    QSet<QString> seen;
    QMap<QString, int> perSection;
    for (const SettingsCatalogue::Item& item : items) {
        const QString path = item.section + QLatin1Char('/') + item.key;
        EXPECT_FALSE(seen.contains(path)) << path.toStdString();
        seen.insert(path);
        ++perSection[item.section];
    }
    // The fifteen keys of the program plus the site of the update check and
    // the form check before printing.
    EXPECT_EQ(perSection.value(QStringLiteral("Settings")), 17);
    EXPECT_TRUE(seen.contains(QStringLiteral("Settings/UpdateSite")));
    EXPECT_TRUE(seen.contains(QStringLiteral("Settings/PrnFormularCheck")));
    EXPECT_EQ(perSection.value(QStringLiteral("Font")), 36);
    EXPECT_EQ(perSection.value(QStringLiteral("Recent File List")), 8);
    // Both view sections carry the nine view keys.
    for (const char* key : {"ZoomFactor", "ZoomFactorLU", "WinFormScaledFactor", "EditTextColor", "DocLength",
                            "DocWidth", "PrinterFontFactor", "Printer", "ReUsePrn"}) {
        EXPECT_TRUE(seen.contains(QStringLiteral("EHForm_Defaults/") + QLatin1String(key))) << key;
        EXPECT_TRUE(seen.contains(QStringLiteral("DV1Form_Defaults/") + QLatin1String(key))) << key;
    }
    EXPECT_TRUE(seen.contains(QStringLiteral("EHForm_Defaults/3LineInStamp")));
    EXPECT_TRUE(seen.contains(QStringLiteral("DV1Form_Defaults/Top_Margin4_DV1")));
    EXPECT_FALSE(seen.contains(QStringLiteral("Settings/ZoomFactor")));

    const SettingsCatalogue::Item color = SettingsCatalogue::find(QStringLiteral("DV1Form_Defaults"),
                                                                  QStringLiteral("EditTextColor"));
    EXPECT_EQ(color.defaultValue.toInt(), 0xFF0000);
    EXPECT_TRUE(SettingsCatalogue::find(QStringLiteral("Settings"), QStringLiteral("Printer")).key.isEmpty());
}

TEST(SettingsStore, EveryReadGoesToTheStore)
{
    clearSettings();
    {
        QSettings writer = pavo();
        writer.setValue(QStringLiteral("EHForm_Defaults/Left_Margin_EH"), 12);
    }
    EXPECT_EQ(Profile::get(Settings::Left_Margin_EH), 12);
    // A second store object changes it behind the first reader's back.
    {
        QSettings other = pavo();
        other.setValue(QStringLiteral("EHForm_Defaults/Left_Margin_EH"), -7);
        other.setValue(QStringLiteral("Settings/DatumOrt"), QStringLiteral("Köln"));
    }
    EXPECT_EQ(Profile::get(Settings::Left_Margin_EH), -7);
    EXPECT_EQ(Profile::get(Settings::DatumOrt), QStringLiteral("Köln"));

    Profile::set(Settings::Feld34, 0);
    EXPECT_EQ(pavo().value(QStringLiteral("EHForm_Defaults/Feld34")).toInt(), 0);
    EXPECT_EQ(Profile::get(Settings::Feld34), 0); // not the default 4
}

TEST(SettingsStore, WritingFromTextKeepsTheKindOfTheKey)
{
    clearSettings();
    QString error;
    const auto color = SettingsCatalogue::find(QStringLiteral("EHForm_Defaults"), QStringLiteral("EditTextColor"));
    ASSERT_TRUE(SettingsCatalogue::write(color, QStringLiteral("0x00FF00"), &error));
    EXPECT_EQ(Profile::get(Settings::EditTextColor, QStringLiteral("EHForm_Defaults")), 0x00FF00);

    // A DWORD written as unsigned reads back with the same bits.
    const auto top = SettingsCatalogue::find(QStringLiteral("EHForm_Defaults"), QStringLiteral("Top_Margin_EH"));
    ASSERT_TRUE(SettingsCatalogue::write(top, QStringLiteral("4294967295"), &error));
    EXPECT_EQ(Profile::get(Settings::Top_Margin_EH), -1);

    EXPECT_FALSE(SettingsCatalogue::write(top, QStringLiteral("12mm"), &error));
    EXPECT_EQ(error, QStringLiteral("Der Wert \"12mm\" ist keine ganze Zahl."));
    EXPECT_FALSE(SettingsCatalogue::write(top, QStringLiteral("99999999999"), &error));
    EXPECT_EQ(Profile::get(Settings::Top_Margin_EH), -1);
}

TEST(SettingsStore, AValueTheStoreHoldsIsNotWrittenAgain)
{
    clearSettings();
    Profile::WriteProfileInt(QStringLiteral("EHForm_Defaults"), QStringLiteral("ZoomFactorLU"), 11);
    Profile::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("UpdateSite"), QStringLiteral("https://a.example"));
    const QString path = pavo().fileName();
    ASSERT_TRUE(testsupport::markUnwritten(path));

    // The same values again, the number read back from the file as text.
    Profile::WriteProfileInt(QStringLiteral("EHForm_Defaults"), QStringLiteral("ZoomFactorLU"), 11);
    Profile::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("UpdateSite"), QStringLiteral("https://a.example"));
    EXPECT_TRUE(testsupport::stillUnwritten(path));

    // A different value, and a number whose text the store holds as a
    // string value, are written.
    Profile::WriteProfileInt(QStringLiteral("EHForm_Defaults"), QStringLiteral("ZoomFactorLU"), -11);
    EXPECT_FALSE(testsupport::stillUnwritten(path));
    EXPECT_EQ(Profile::GetProfileInt(QStringLiteral("EHForm_Defaults"), QStringLiteral("ZoomFactorLU"), 0), -11);
    ASSERT_TRUE(testsupport::markUnwritten(path));
    Profile::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("UpdateSite"), QStringLiteral("https://b.example"));
    EXPECT_FALSE(testsupport::stillUnwritten(path));
    EXPECT_EQ(Profile::GetProfileString(QStringLiteral("Settings"), QStringLiteral("UpdateSite"), QString()),
              QStringLiteral("https://b.example"));
    // A default never stored is stored when it is written.
    Profile::WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("SplashScreen"), 5);
    EXPECT_TRUE(Profile::HasProfileValue(QStringLiteral("Settings"), QStringLiteral("SplashScreen")));
}
