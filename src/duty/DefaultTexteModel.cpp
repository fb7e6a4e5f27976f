#include "duty/DefaultTexteModel.h"

#include <QRegularExpression>
#include <QStringList>

#include "duty/FederalStates.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "form/FieldStore.h"
#include "settings/Profile.h"

namespace {

const Settings::StringKey* const kFirmaKeys[DefaultTexteModel::AddressLines] = {
    &Settings::Firma1, &Settings::Firma2, &Settings::Firma3, &Settings::Firma4};

// Switches are stored as one bit of a value: the check boxes of boxes 8, 14,
// 17 b and 34 b as 4, "Auf Seite 2 nicht drucken" as 1. Reading tests only
// that bit, so values that other versions stored with more bits still work.
bool bit(const Settings::IntKey& key, int mask)
{
    return (Profile::get(key) & mask) != 0;
}

int statePosition(const Settings::StringKey& key)
{
    const int position = FederalStates::positionOfCode(Profile::get(key));
    return position >= 0 && position < DefaultTexteModel::StateEntries ? position : -1;
}

} // namespace

void DefaultTexteModel::load()
{
    QStringList lines;
    for (const Settings::StringKey* key : kFirmaKeys)
        lines << Profile::get(*key);
    address = FieldStore::trimmedRight(lines.join(QStringLiteral("\r\n")));
    customsNumber1 = Profile::get(Settings::ZollNummer1);
    useAddress = bit(Settings::Feld2, 4);
    notOnPage2 = bit(Settings::Feld2S2, 1);

    const int role = Profile::get(Settings::Anmelder);
    declarant = role >= 0 && role < DeclarantEntries ? role : -1;
    customsNumber2 = Profile::get(Settings::ZollNummer2);
    useDeclarant = bit(Settings::Feld14, 4);

    state17 = statePosition(Settings::Bundesland2);
    useState17 = bit(Settings::Feld17, 4);
    state34 = statePosition(Settings::Bundesland1);
    useState34 = bit(Settings::Feld34, 4);

    autoFill = Profile::get(Settings::AutoFillPositions) != 0;
    stampA = Profile::get(Settings::Stamp_A) != 0;
    stampC = Profile::get(Settings::Stamp_C) != 0;
    autoDate = Profile::get(Settings::AutoDateInStamp) != 0;
    threeLineStamp = Profile::get(Settings::ThreeLineInStamp) != 0;
    showXX = Profile::get(Settings::EH_ShowXX) != 0;
}

QStringList DefaultTexteModel::addressLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    while (lines.size() < AddressLines)
        lines.append(QString());
    lines = lines.mid(0, AddressLines);
    for (QString& line : lines)
        line.truncate(AddressLineWidth);
    return lines;
}

void DefaultTexteModel::save(FieldDefinitions& definitions) const
{
    const QStringList lines = addressLines(address);
    for (int i = 0; i < AddressLines; ++i)
        Profile::set(*kFirmaKeys[i], lines.at(i));

    // A list without a selection stores "00", which no state has.
    Profile::set(Settings::Bundesland2, FederalStates::codeAt(state17));
    Profile::set(Settings::Bundesland1, FederalStates::codeAt(state34));
    Profile::set(Settings::Anmelder, declarant >= 0 ? declarant : 0);
    Profile::set(Settings::ZollNummer1, customsNumber1);
    Profile::set(Settings::ZollNummer2, customsNumber2);
    Profile::set(Settings::AutoFillPositions, autoFill ? 1 : 0);
    Profile::set(Settings::ThreeLineInStamp, threeLineStamp ? 1 : 0);
    Profile::set(Settings::EH_ShowXX, showXX ? 1 : 0);
    Profile::set(Settings::Feld2, useAddress ? 4 : 0);
    Profile::set(Settings::Feld2S2, notOnPage2 ? 1 : 0);
    Profile::set(Settings::Feld14, useDeclarant ? 4 : 0);
    Profile::set(Settings::Feld17, useState17 ? 4 : 0);
    Profile::set(Settings::Feld34, useState34 ? 4 : 0);
    Profile::set(Settings::AutoDateInStamp, autoDate ? 1 : 0);
    Profile::set(Settings::Stamp_A, stampA ? 1 : 0);
    Profile::set(Settings::Stamp_C, stampC ? 1 : 0);
    applyStampFlags(definitions, stampA, stampC);
}

void DefaultTexteModel::applyStampFlags(FieldDefinitions& definitions, bool stampA, bool stampC)
{
    using EhFieldFlags::PageKind;
    const std::uint8_t a = stampA ? 0 : EhFieldFlags::Unused;
    const std::uint8_t c = stampC ? 0 : EhFieldFlags::Unused;
    for (int set = 0; set < EhFieldFlags::FormSets; ++set) {
        for (int f = EhField::StampA1; f <= EhField::StampA6; ++f)
            definitions.setFlag(PageKind::First, f, set, a);
        for (int f = EhField::Cont::StampA1; f <= EhField::Cont::StampA6; ++f)
            definitions.setFlag(PageKind::Continuation, f, set, a);
        for (int f = EhField::StampC1; f <= EhField::StampC6; ++f)
            definitions.setFlag(PageKind::First, f, set, c);
    }
}
