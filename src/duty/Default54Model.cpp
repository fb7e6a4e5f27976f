#include "duty/Default54Model.h"

#include "form/EhDocumentOperations.h"
#include "form/FieldStore.h"
#include "settings/Profile.h"

void Default54Model::open()
{
    m_remember = Profile::get(Settings::ReuseDatumOrt) != 0;
    m_place = m_remember ? Profile::get(Settings::DatumOrt) : QString();
}

QString Default54Model::take(const QString& place, bool remember, const QDate& today)
{
    m_place = FieldStore::trimmedRight(place);
    m_remember = remember;
    Profile::set(Settings::ReuseDatumOrt, remember ? 1 : 0);
    if (remember)
        Profile::set(Settings::DatumOrt, m_place);
    const QString date = EhDocumentOperations::dateText(today);
    return m_place.isEmpty() ? date : m_place + QStringLiteral(", ") + date;
}
