#include "form/CEinheitspapierDoc.h"

#include <QDate>

#include "settings/Profile.h"
#include "form/DeclarantRoles.h"
#include "form/EhDocumentOperations.h"
#include "form/EhField.h"

void CEinheitspapierDoc::applyNewDocumentDefaults()
{
    EhDocumentOperations::applyNewDocumentDefaults(*this, QDate::currentDate());
}

namespace EhDocumentOperations {

QString dateText(const QDate& date)
{
    return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
}

void applyNewDocumentDefaults(CEinheitspapierDoc& doc, const QDate& today)
{
    FieldStore& store = doc.store();
    if (Profile::get(Settings::NewDocFeld14) & 0x4) {
        store.setText(EhField::Box14Declarant, 1, DeclarantRoles::text(Profile::get(Settings::Anmelder)));
        store.setText(EhField::Box14Number, 1, Profile::get(Settings::ZollNummer2));
    }
    if (Profile::get(Settings::Feld17) & 0x4)
        store.setText(EhField::Box17B, 1, Profile::get(Settings::NewDocBundesland2));
    if (Profile::get(Settings::Feld34) & 0x4)
        store.setText(EhField::Box34B, 1, Profile::get(Settings::NewDocBundesland1));
    if (Profile::get(Settings::AutoDateInStamp) == 1) {
        const QString date = dateText(today);
        if (Profile::get(Settings::Stamp_A) != 0)
            store.setText(EhField::StampA4, 1, date);
        if (Profile::get(Settings::Stamp_C) != 0)
            store.setText(EhField::StampC4, 1, date);
    }
}

} // namespace EhDocumentOperations
