#include "view/EhBoxPickers.h"

#include <QDate>

#include <array>

#include "duty/CDlgEH_Default01.h"
#include "duty/CDlgEH_Default19.h"
#include "duty/CDlgEH_Default20.h"
#include "duty/CDlgEH_Default24.h"
#include "duty/CDlgEH_Default25.h"
#include "duty/CDlgEH_Default29.h"
#include "duty/CDlgEH_Default36.h"
#include "duty/CDlgEH_Default54.h"
#include "duty/Common_DlgBundeslaenderCode.h"
#include "duty/Common_DlgLaenderCode.h"
#include "duty/Common_DlgWaehrungsCode.h"
#include "duty/LaenderCodeModel.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "masterdata/AddressTable.h"
#include "masterdata/CDlgEH_Default08.h"
#include "settings/CRegeditManagment.h"

namespace EhBoxPickers {

namespace {

QString boxText(const Request& r)
{
    return r.doc.store().text(r.field, r.page);
}

bool write(const Request& r, const QString& text)
{
    r.doc.store().setText(r.field, r.page, text);
    return true;
}

bool federalState(const Request& r)
{
    Common_DlgBundeslaenderCode dialog(boxText(r), QString(), r.parent);
    return dialog.exec() == QDialog::Accepted && write(r, dialog.code());
}

bool currency(const Request& r)
{
    Common_DlgWaehrungsCode dialog(boxText(r), r.parent);
    return dialog.exec() == QDialog::Accepted && !dialog.code().isEmpty() && write(r, dialog.code());
}

// A box that takes a country code; the purpose names the chooser.
template <int Purpose>
bool countryCode(const Request& r)
{
    Common_DlgLaenderCode dialog(Purpose, QString(), boxText(r), r.parent);
    return dialog.exec() == QDialog::Accepted && !dialog.code().isEmpty() && write(r, dialog.code());
}

// A box that takes a country's name.
template <int Purpose>
bool countryName(const Request& r)
{
    Common_DlgLaenderCode dialog(Purpose, boxText(r).trimmed(), QString(), r.parent);
    return dialog.exec() == QDialog::Accepted && !dialog.name().isEmpty() && write(r, dialog.name());
}

// Box 1: only the parts the form set shows are offered and written back.
bool box1(const Request& r)
{
    constexpr int parts[Default01Model::Parts] = {EhField::Box1A, EhField::Box1B, EhField::Box1C};
    const int formSet = r.doc.formSet();
    std::array<QString, Default01Model::Parts> texts;
    std::array<bool, Default01Model::Parts> shown{};
    for (int i = 0; i < Default01Model::Parts; ++i) {
        texts[i] = r.doc.store().text(parts[i], 1);
        shown[i] = !(r.definitions.flag(EhFieldFlags::PageKind::First, parts[i], formSet) & EhFieldFlags::NotShown);
    }
    CDlgEH_Default01 dialog(texts, shown, r.parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (int i = 0; i < Default01Model::Parts; ++i) {
        if (shown[i])
            r.doc.store().setText(parts[i], 1, dialog.part(i));
    }
    return true;
}

// Boxes 2 and 8: the address and, in the field beside it, its customs number.
bool address(const Request& r)
{
    const int numberField = r.page > 1 ? EhField::Cont::Box2Number
                            : r.field == EhField::Box2Address ? EhField::Box2Number
                                                              : EhField::Box8Number;
    CDlgEH_Default08 dialog(boxText(r), r.parent);
    if (!dialog.openTable(AddressTable::PathFromSettings(CRegeditManagment().GetDataDirectory(true))))
        return false;
    if (dialog.exec() != QDialog::Accepted)
        return false;
    r.doc.store().setText(numberField, r.page, dialog.customsNumber());
    return write(r, dialog.address());
}

bool container(const Request& r)
{
    CDlgEH_Default19 dialog(boxText(r), r.parent);
    return dialog.exec() == QDialog::Accepted && write(r, dialog.code());
}

bool deliveryTerms(const Request& r)
{
    CDlgEH_Default20 dialog(boxText(r), r.parent);
    return dialog.exec() == QDialog::Accepted && write(r, dialog.code());
}

// Box 24: the first digit into 24 A, the second into 24 B.
bool transactionKind(const Request& r)
{
    FieldStore& store = r.doc.store();
    CDlgEH_Default24 dialog(store.text(EhField::Box24A, 1) + store.text(EhField::Box24B, 1), r.parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    store.setText(EhField::Box24A, 1, dialog.firstDigit());
    store.setText(EhField::Box24B, 1, dialog.secondDigit());
    return true;
}

bool transportMode(const Request& r)
{
    CDlgEH_Default25 dialog(boxText(r), r.parent);
    return dialog.exec() == QDialog::Accepted && write(r, dialog.code());
}

bool customsOffice(const Request& r)
{
    CDlgEH_Default29 dialog(boxText(r), r.parent);
    return dialog.exec() == QDialog::Accepted && !dialog.code().isEmpty() && write(r, dialog.code());
}

bool preference(const Request& r)
{
    CDlgEH_Default36 dialog(boxText(r), r.parent);
    return dialog.exec() == QDialog::Accepted && write(r, dialog.code());
}

bool placeAndDate(const Request& r)
{
    CDlgEH_Default54 dialog(QDate::currentDate(), r.parent);
    return dialog.exec() == QDialog::Accepted && write(r, dialog.text());
}

using P = LaenderCodeModel::Purpose;

struct Entry {
    bool continuation;   // a continuation sheet's field, else the first page's
    int field;
    Picker picker;
};

// A field of a continuation sheet's goods position 1..3.
constexpr int positionField(int slot, int blockOffset)
{
    return EhField::Cont::FirstBlock + EhField::Cont::BlockFields * (slot - 1) + blockOffset;
}

// One line per box; a box with several fields has one line per field.
constexpr Entry kPickers[] = {
    {false, EhField::Box1A, box1},
    {false, EhField::Box1B, box1},
    {false, EhField::Box1C, box1},
    {false, EhField::Box2Address, address},
    {false, EhField::Box8Address, address},
    {false, EhField::Box19, container},
    {false, EhField::Box20A, deliveryTerms},
    {false, EhField::Box24A, transactionKind},
    {false, EhField::Box24B, transactionKind},
    {false, EhField::Box25, transportMode},
    {false, EhField::Box26, transportMode},
    {false, EhField::Box29, customsOffice},
    {false, EhField::Box36, preference},
    {false, EhField::Box54Place, placeAndDate},
    {true, EhField::Cont::Box2Address, address},
    {true, positionField(1, EhField::Block::Box36), preference},
    {true, positionField(2, EhField::Block::Box36), preference},
    {true, positionField(3, EhField::Block::Box36), preference},
    {false, EhField::Box11, countryCode<P::Erzeugungsland>},
    {false, EhField::Box15Text, countryName<P::Versendungsland>},
    {false, EhField::Box15A, countryCode<P::Versendungsland>},
    {false, EhField::Box16, countryName<P::Ursprungsland>},
    {false, EhField::Box17Text, countryName<P::Bestimmungsland>},
    {false, EhField::Box17A, countryCode<P::Bestimmungsland>},
    {false, EhField::Box17B, federalState},
    {false, EhField::Box22A, currency},
    {false, EhField::Box34A, countryCode<P::Ursprungsland>},
    {false, EhField::Box34B, federalState},
    {true, positionField(1, EhField::Block::Box34A), countryCode<P::Ursprungsland>},
    {true, positionField(2, EhField::Block::Box34A), countryCode<P::Ursprungsland>},
    {true, positionField(3, EhField::Block::Box34A), countryCode<P::Ursprungsland>},
    {true, positionField(1, EhField::Block::Box34B), federalState},
    {true, positionField(2, EhField::Block::Box34B), federalState},
    {true, positionField(3, EhField::Block::Box34B), federalState},
};

} // namespace

Picker find(int page, int field)
{
    const bool continuation = page > 1;
    for (const Entry& e : kPickers) {
        if (e.continuation == continuation && e.field == field)
            return e.picker;
    }
    return nullptr;
}

} // namespace EhBoxPickers
