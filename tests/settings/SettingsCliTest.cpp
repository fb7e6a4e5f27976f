#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/Profile.h"

using testsupport::clearSettings;
using testsupport::runCli;

TEST(SettingsCli, ListsEverySectionWithValueAndDefault)
{
    clearSettings();
    Profile::set(Settings::PrinterFontFactor, QStringLiteral("DV1Form_Defaults"), 110);
    const auto r = runCli({QStringLiteral("settings")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString out = QString::fromUtf8(r.out);
    for (const char* section : {"[Settings]", "[EHForm_Defaults]", "[DV1Form_Defaults]", "[Font]",
                                "[Recent File List]"})
        EXPECT_TRUE(out.contains(QLatin1String(section))) << section;
    EXPECT_TRUE(out.contains(QStringLiteral("  PrinterFontFactor = 110    Vorgabe: 95\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("  PrinterFontFactor = 95    Vorgabe: 95\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("  Printer = \"@\"    Vorgabe: \"@\"\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("  ZoomFactor = (nicht gesetzt)    Vorgabe: (berechnet)\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("  PFont9 = 19    Vorgabe: 19\n")));
    EXPECT_TRUE(out.contains(QStringLiteral("  File8 = \"\"    Vorgabe: \"\"\n")));
}

TEST(SettingsCli, SetWritesOneValue)
{
    clearSettings();
    auto r = runCli({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("EHForm_Defaults"),
                     QStringLiteral("Firma1"), QStringLiteral("Spedition Nord GmbH")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(Profile::get(Settings::Firma1), QStringLiteral("Spedition Nord GmbH"));

    r = runCli({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("DV1Form_Defaults"),
                QStringLiteral("Top_Margin3_DV1"), QStringLiteral("-15")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(Profile::get(Settings::Top_Margin_DV1[2]), -15);

    // A key of another section, an unknown key and a non-number are refused.
    r = runCli({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("Settings"),
                QStringLiteral("Top_Margin3_DV1"), QStringLiteral("5")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("Unbekannter Schlüssel \"Top_Margin3_DV1\"")));
    r = runCli({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("Settings"),
                QStringLiteral("Language"), QStringLiteral("englisch")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Profile::get(Settings::Language), 0);
    EXPECT_FALSE(Profile::HasProfileValue(QStringLiteral("Settings"), QStringLiteral("Top_Margin3_DV1")));
}
