#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/Profile.h"
#include "settings/StringTable.h"

using testsupport::clearSettings;

TEST(StringTable, TextsFollowTheLanguageSetting)
{
    clearSettings();
    EXPECT_EQ(StringTable::language(), StringTable::German);
    EXPECT_EQ(StringTable::text(StringTable::OlderDocumentVersion),
              QStringLiteral("Dies ist ein Dokument einer älteren Version\nund kann nicht geöffnet werden!"));
    EXPECT_EQ(StringTable::choose(QStringLiteral("Verschiebt"), QStringLiteral("Moves")), QStringLiteral("Verschiebt"));

    // Read at every lookup: a changed setting applies at once.
    Profile::set(Settings::Language, 1);
    EXPECT_EQ(StringTable::language(), StringTable::English);
    EXPECT_EQ(StringTable::choose(QStringLiteral("Verschiebt"), QStringLiteral("Moves")), QStringLiteral("Moves"));
    // Without an English variant the German text stands.
    EXPECT_EQ(StringTable::text(143), QStringLiteral("Soll das aktuelle Datum eingefügt werden?"));

    // Only 0 and 1 name a language.
    for (int value : {2, -1, 255}) {
        Profile::set(Settings::Language, value);
        EXPECT_EQ(StringTable::language(), StringTable::German) << value;
        EXPECT_EQ(StringTable::choose(QStringLiteral("de"), QStringLiteral("en")), QStringLiteral("de"));
    }
}

TEST(StringTable, KnownAndUnknownIds)
{
    for (int id : {17, 18, 19, 20, 22, 23, 33, 34, 143, 144, 145, 57344, 61442})
        EXPECT_FALSE(StringTable::text(id, StringTable::German).isEmpty()) << id;
    EXPECT_FALSE(StringTable::contains(21));
    EXPECT_TRUE(StringTable::text(21).isEmpty());
    EXPECT_TRUE(StringTable::text(99999, StringTable::English).isEmpty());
    // 144 and 145 differ only in the kind of data file.
    EXPECT_TRUE(StringTable::text(144).contains(QStringLiteral("für die Adressdaten")));
    EXPECT_TRUE(StringTable::text(145).contains(QStringLiteral("für die Warendaten")));
}
