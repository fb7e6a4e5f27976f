#pragma once

#include <QByteArray>
#include <QString>

#include "check/CheckFinding.h"
#include "form/EhGoodsPosition.h"

class CEinheitspapierDoc;
class FieldStore;

// What every rule of the Einheitspapier check works on: the document, the
// flag tables the program prints with (so a field the form set leaves off
// the paper is not checked), and the findings collected so far.
class EhCheckContext
{
public:
    EhCheckContext(const CEinheitspapierDoc& doc, const QByteArray& firstFlags, const QByteArray& contFlags);

    const CEinheitspapierDoc& document() const { return m_doc; }
    const FieldStore& store() const;
    int formSet() const;
    int pageCount() const;
    const QByteArray& firstFlags() const { return m_firstFlags; }
    const QByteArray& contFlags() const { return m_contFlags; }

    // A field's text without the blanks around it.
    QString text(int page, int field) const;
    // Whether the field goes onto the paper of the document's form set.
    bool printed(int page, int field) const;
    // Whether the form set uses the field at all (it is not one of the
    // fields a declaration of this set leaves empty).
    bool usedByFormSet(int page, int field) const;

    // The box name of a field as the field-name list has it, "Feld " in
    // front where the list gives a bare number ("Feld 31-2").
    static QString boxName(int page, int field);
    // The field a finding on a field is reported at: itself, or for a cell
    // of a box 47 grid the box 47 field of its position or summary.
    static int reportedField(int page, int field);

    void add(int page, int field, const QString& message,
             CheckFinding::Severity severity = CheckFinding::Severity::Error);
    const CheckFindings& findings() const { return m_findings; }
    CheckFindings takeFindings() { return std::move(m_findings); }

    // Every goods position of the document: the first page's, then the
    // three of each continuation page.
    QList<EhGoodsPosition> goodsPositions() const;

private:
    const CEinheitspapierDoc& m_doc;
    QByteArray m_firstFlags;
    QByteArray m_contFlags;
    CheckFindings m_findings;
};

