// The standing texts and switches of new Einheitspapiere, as the form
// defaults dialog reads and stores them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "duty/DefaultTexteModel.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "settings/Profile.h"

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(DefaultTexteModel, AddressKeepsFourLinesOf49Characters)
{
    testsupport::clearSettings();
    FieldDefinitions definitions;
    DefaultTexteModel model;
    model.load();
    const QString long60 = QString(60, QLatin1Char('x'));
    model.address = u("Müller GmbH\n") + long60 + QStringLiteral("\r\nZeile 3\nZeile 4\nZeile 5");
    model.save(definitions);
    EXPECT_EQ(Profile::get(Settings::Firma1), u("Müller GmbH"));
    EXPECT_EQ(Profile::get(Settings::Firma2), long60.left(49));
    EXPECT_EQ(Profile::get(Settings::Firma3), QStringLiteral("Zeile 3"));
    EXPECT_EQ(Profile::get(Settings::Firma4), QStringLiteral("Zeile 4"));

    // Two lines: the others are stored empty, and the dialog shows the lines
    // joined with CR LF without the empty ones at the end.
    model.address = QStringLiteral("Meier\r\nBremen");
    model.save(definitions);
    EXPECT_TRUE(Profile::get(Settings::Firma3).isEmpty());
    EXPECT_TRUE(Profile::get(Settings::Firma4).isEmpty());
    DefaultTexteModel again;
    again.load();
    EXPECT_EQ(again.address, QStringLiteral("Meier\r\nBremen"));
}

TEST(DefaultTexteModel, FederalStatesAndDeclarantAreListPositions)
{
    testsupport::clearSettings();
    DefaultTexteModel fresh;
    fresh.load();
    // A store never written: the first state in both lists, no declarant.
    EXPECT_EQ(fresh.state17, 0);
    EXPECT_EQ(fresh.state34, 0);
    EXPECT_EQ(fresh.declarant, 0);

    // "99" (abroad) is not offered here: the list has no selection, and OK
    // then stores "00".
    Profile::set(Settings::Bundesland1, QStringLiteral("99"));
    Profile::set(Settings::Bundesland2, QStringLiteral("5"));
    Profile::set(Settings::Anmelder, 3);
    DefaultTexteModel model;
    model.load();
    EXPECT_EQ(model.state34, -1);
    EXPECT_EQ(model.state17, 4);
    EXPECT_EQ(model.declarant, 3);
    FieldDefinitions definitions;
    model.save(definitions);
    EXPECT_EQ(Profile::get(Settings::Bundesland1), QStringLiteral("00"));
    EXPECT_EQ(Profile::get(Settings::Bundesland2), QStringLiteral("05"));
    EXPECT_EQ(Profile::get(Settings::Anmelder), 3);

    model.state34 = 15;
    model.declarant = -1;
    model.save(definitions);
    EXPECT_EQ(Profile::get(Settings::Bundesland1), QStringLiteral("16"));
    EXPECT_EQ(Profile::get(Settings::Anmelder), 0);
}

TEST(DefaultTexteModel, SwitchesAreWrittenAsTheirBitAndReadByIt)
{
    testsupport::clearSettings();
    DefaultTexteModel fresh;
    fresh.load();
    // The store's defaults: boxes 17 b and 34 b on, the others off.
    EXPECT_FALSE(fresh.useAddress);
    EXPECT_FALSE(fresh.useDeclarant);
    EXPECT_TRUE(fresh.useState17);
    EXPECT_TRUE(fresh.useState34);
    EXPECT_TRUE(fresh.autoFill);
    EXPECT_TRUE(fresh.threeLineStamp);
    EXPECT_TRUE(fresh.showXX);

    // Values with more bits count by their bit alone.
    Profile::set(Settings::Feld2, 5);
    Profile::set(Settings::Feld14, 3);
    Profile::set(Settings::Feld2S2, 3);
    Profile::set(Settings::Feld17, 1);
    DefaultTexteModel model;
    model.load();
    EXPECT_TRUE(model.useAddress);
    EXPECT_FALSE(model.useDeclarant);
    EXPECT_TRUE(model.notOnPage2);
    EXPECT_FALSE(model.useState17);

    FieldDefinitions definitions;
    model.useDeclarant = true;
    model.showXX = false;
    model.save(definitions);
    EXPECT_EQ(Profile::get(Settings::Feld2), 4);
    EXPECT_EQ(Profile::get(Settings::Feld14), 4);
    EXPECT_EQ(Profile::get(Settings::Feld2S2), 1);
    EXPECT_EQ(Profile::get(Settings::Feld17), 0);
    EXPECT_EQ(Profile::get(Settings::Feld34), 4);
    EXPECT_EQ(Profile::get(Settings::EH_ShowXX), 0);
}

TEST(DefaultTexteModel, StampSwitchesChangeTheStampFieldsOfAllFourFormSets)
{
    testsupport::clearSettings();
    using EhFieldFlags::PageKind;
    FieldDefinitions definitions;
    // A field beside the stamps that the user switched off himself stays so.
    definitions.setFlag(PageKind::First, EhField::Box2Number, 1, EhFieldFlags::NotPrinted);
    DefaultTexteModel model;
    model.load();
    model.stampA = true;
    model.stampC = false;
    model.save(definitions);
    EXPECT_EQ(Profile::get(Settings::Stamp_A), 1);
    EXPECT_EQ(Profile::get(Settings::Stamp_C), 0);
    for (int set = 0; set < EhFieldFlags::FormSets; ++set) {
        for (int f = EhField::StampA1; f <= EhField::StampA6; ++f)
            EXPECT_EQ(definitions.flag(PageKind::First, f, set), 0) << f << " set " << set;
        for (int f = EhField::Cont::StampA1; f <= EhField::Cont::StampA6; ++f)
            EXPECT_EQ(definitions.flag(PageKind::Continuation, f, set), 0) << f << " set " << set;
        for (int f = EhField::StampC1; f <= EhField::StampC6; ++f)
            EXPECT_EQ(definitions.flag(PageKind::First, f, set), EhFieldFlags::Unused) << f << " set " << set;
        EXPECT_EQ(definitions.flag(PageKind::Continuation, EhField::Cont::SheetNumber, set),
                  EhFieldFlags::flag(EhFieldFlags::defaultTable(PageKind::Continuation), EhField::Cont::SheetNumber, set));
    }
    EXPECT_EQ(definitions.flag(PageKind::First, EhField::Box2Number, 1), EhFieldFlags::NotPrinted);

    model.stampA = false;
    model.stampC = true;
    model.save(definitions);
    for (int set = 0; set < EhFieldFlags::FormSets; ++set) {
        EXPECT_EQ(definitions.flag(PageKind::First, EhField::StampA4, set), EhFieldFlags::Unused);
        EXPECT_EQ(definitions.flag(PageKind::Continuation, EhField::Cont::StampA4, set), EhFieldFlags::Unused);
        EXPECT_EQ(definitions.flag(PageKind::First, EhField::StampC1, set), 0);
        EXPECT_EQ(definitions.flag(PageKind::First, EhField::StampC6, set), 0);
    }
}
