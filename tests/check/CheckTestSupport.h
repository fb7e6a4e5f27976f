#pragma once

#include <QStringList>

#include "check/CheckFinding.h"
#include "check/EhCheck.h"
#include "duty/CustomsOffices.h"
#include "duty/Default01Model.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/EhFieldFlags.h"

// An Einheitspapier that every rule of the check lets pass: the boxes a
// declaration needs are filled and every code box holds a listed code.
inline void fillPassingDocument(CEinheitspapierDoc& doc, int formSet = 0)
{
    namespace F = EhField;
    doc.setFormSet(formSet);
    FieldStore& s = doc.store();
    s.setText(F::Box1A, 1, Default01Model::entries(0).constFirst());
    s.setText(F::Box1B, 1, Default01Model::entries(1).constFirst());
    s.setText(F::Box5, 1, QStringLiteral("1"));
    s.setText(F::Box8Address, 1, QStringLiteral("Müller Import GmbH\r\nHafenstraße 1\r\n20457 Hamburg"));
    s.setText(F::Box11, 1, QStringLiteral("CN"));
    s.setText(F::Box15A, 1, QStringLiteral("CN"));
    s.setText(F::Box17A, 1, QStringLiteral("DE"));
    s.setText(F::Box17B, 1, QStringLiteral("02"));
    s.setText(F::Box22A, 1, QStringLiteral("USD"));
    s.setText(F::Box24A, 1, QStringLiteral("1"));
    s.setText(F::Box24B, 1, QStringLiteral("1"));
    s.setText(F::Box25, 1, QStringLiteral("1"));
    s.setText(F::Box26, 1, QStringLiteral("3"));
    s.setText(F::Box29, 1, QString::fromLatin1(CustomsOffices::rows().front().code));
    s.setText(F::Box31, 1, QStringLiteral("100 Kartons Spielwaren"));
    s.setText(F::Box34A, 1, QStringLiteral("CN"));
    s.setText(F::Box34B, 1, QStringLiteral("02"));
    s.setText(F::Box36, 1, QStringLiteral("100"));
    s.setText(F::box47Cell(F::Box47Grid, 0, F::ColKind), 1, QStringLiteral("10100"));
    s.setText(F::box47Cell(F::Box47Grid, 0, F::ColAmount), 1, QStringLiteral("120,50"));
    s.setText(F::box47Cell(F::Box47Grid, 0, F::ColZA), 1, QStringLiteral("B"));
    s.setText(F::box47Cell(F::Box47Grid, 1, F::ColKind), 1, QStringLiteral("20000"));
    s.setText(F::box47Cell(F::Box47Grid, 1, F::ColAmount), 1, QStringLiteral("79,50"));
    s.setText(F::Box47Total, 1, QStringLiteral("200,00"));
    // Five digits go into the narrow "Art" column on paper only in the
    // smallest size.
    for (int row : {0, 1})
        s.setAttr(F::box47Cell(F::Box47Grid, row, F::ColKind), 1, 0);
    s.setText(F::Box54Place, 1, QStringLiteral("Hamburg, 1.12.2026"));
    s.setText(F::Box54Name, 1, QStringLiteral("Erika Muster"));
}

inline CheckFindings checkWithDefaultFlags(const CEinheitspapierDoc& doc)
{
    using EhFieldFlags::PageKind;
    return EhCheck::run(doc, EhFieldFlags::defaultTable(PageKind::First),
                        EhFieldFlags::defaultTable(PageKind::Continuation));
}

// "Feld 11: <message>" for each finding, for readable expectations.
inline QStringList describe(const CheckFindings& findings)
{
    QStringList out;
    for (const CheckFinding& f : findings)
        out << QStringLiteral("%1/%2 %3 [%4]: %5").arg(f.page).arg(f.field).arg(f.box, f.severityText(), f.message);
    return out;
}
