#include <QSettings>

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "TestSupport.h"
#include "form/FieldDefinitions.h"
#include "settings/Profile.h"

using testsupport::clearSettings;
using Kind = EhFieldFlags::PageKind;

namespace {

QByteArray stored(const char* name)
{
    return QznUserStore().value(QStringLiteral("EHForm_Defaults/") + QLatin1String(name)).toByteArray();
}

QByteArray pattern(int size, char start)
{
    QByteArray bytes(size, 0);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(start + i % 7);
    return bytes;
}

} // namespace

TEST(FieldDefinitions, EmptyStoreGetsTheBuiltInTables)
{
    clearSettings();
    TestRegistry t;
    FieldDefinitions defs;
    defs.setFlag(Kind::First, 10, 0, 0x01); // a stale edit that loading must not keep
    defs.load(t.registry);

    EXPECT_EQ(defs.table(Kind::First), EhFieldFlags::defaultTable(Kind::First));
    EXPECT_EQ(defs.table(Kind::Continuation), EhFieldFlags::defaultTable(Kind::Continuation));
    EXPECT_EQ(stored("FieldDef_EH1"), EhFieldFlags::defaultTable(Kind::First));
    EXPECT_EQ(stored("FieldDef_EH2").size(), 856);
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH1), 616);
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH2), 856);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(FieldDefinitions, WrongStoredSizeRestoresTheBuiltInTable)
{
    clearSettings();
    TestRegistry t;
    const QByteArray user1 = pattern(616, 1);
    const QByteArray user2 = pattern(856, 2);
    t.registry.WriteBinaryValue(QStringLiteral("EHForm_Defaults"), QStringLiteral("FieldDef_EH1"), user1);
    t.registry.WriteBinaryValue(QStringLiteral("EHForm_Defaults"), QStringLiteral("FieldDef_EH2"), user2);
    Profile::set(Settings::FieldSize_EH1, 616);
    Profile::set(Settings::FieldSize_EH2, 855);
    // Where earlier versions kept the tables.
    {
        QznUserStore old;
        old.setValue(QStringLiteral("Settings/FieldDef_EH2"), QByteArray(856, 0));
        old.setValue(QStringLiteral("Settings/FieldSize_EH2"), 856);
        old.setValue(QStringLiteral("Settings/FieldDef_EH1"), QByteArray(616, 0));
    }

    FieldDefinitions defs;
    defs.load(t.registry);
    EXPECT_EQ(defs.table(Kind::First), user1);
    EXPECT_EQ(defs.table(Kind::Continuation), EhFieldFlags::defaultTable(Kind::Continuation));
    EXPECT_EQ(stored("FieldDef_EH2"), EhFieldFlags::defaultTable(Kind::Continuation));
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH2), 856);
    EXPECT_FALSE(QznUserStore().contains(QStringLiteral("Settings/FieldDef_EH2")));
    EXPECT_FALSE(QznUserStore().contains(QStringLiteral("Settings/FieldSize_EH2")));
    // Table 1 had its right size, so its old values were not touched.
    EXPECT_TRUE(QznUserStore().contains(QStringLiteral("Settings/FieldDef_EH1")));
}

TEST(FieldDefinitions, SavedTablesAreLoadedAfterRestart)
{
    clearSettings();
    TestRegistry t;
    FieldDefinitions edited;
    edited.setFlag(Kind::First, 113, 2, 0x00);
    edited.setFlag(Kind::Continuation, 213, 3, EhFieldFlags::Unused);
    ASSERT_TRUE(edited.save(t.registry));

    TestRegistry restarted;
    FieldDefinitions loaded;
    loaded.load(restarted.registry);
    EXPECT_EQ(loaded.flag(Kind::First, 113, 2), 0x00);
    EXPECT_EQ(loaded.flag(Kind::Continuation, 213, 3), EhFieldFlags::Unused);
    EXPECT_EQ(loaded.table(Kind::Continuation), edited.table(Kind::Continuation));

    loaded.resetToDefaults();
    EXPECT_EQ(loaded.table(Kind::First), EhFieldFlags::defaultTable(Kind::First));

    EXPECT_FALSE(loaded.setTable(Kind::First, QByteArray(615, 0)));
    EXPECT_EQ(loaded.table(Kind::First).size(), 616);
}

TEST(FieldDefinitions, SizesAreNotWrittenWhenTheTablesCannotBe)
{
    clearSettings();
    TestRegistry uninitialised(false);
    FieldDefinitions defs;
    EXPECT_FALSE(defs.save(uninitialised.registry));
    EXPECT_FALSE(Profile::HasProfileValue(QStringLiteral("EHForm_Defaults"), QStringLiteral("FieldSize_EH1")));
    EXPECT_FALSE(Profile::HasProfileValue(QStringLiteral("EHForm_Defaults"), QStringLiteral("FieldSize_EH2")));
    EXPECT_FALSE(uninitialised.messages.isEmpty());

    // A size whose table has gone missing yields the built-in table.
    TestRegistry t;
    Profile::set(Settings::FieldSize_EH1, 616);
    defs.setFlag(Kind::First, 0, 0, 0x0B);
    defs.load(t.registry);
    EXPECT_EQ(defs.table(Kind::First), EhFieldFlags::defaultTable(Kind::First));
}
