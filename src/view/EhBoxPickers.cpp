#include "view/EhBoxPickers.h"

#include "duty/Common_DlgBundeslaenderCode.h"
#include "duty/Common_DlgLaenderCode.h"
#include "duty/Common_DlgWaehrungsCode.h"
#include "duty/LaenderCodeModel.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"

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
