#include "form/EhDocumentOperations.h"

#include <QStringList>

#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/EhFieldFlags.h"
#include "form/EhFieldNames.h"
#include "form/EhGoodsPosition.h"
#include "form/EhUserPrompt.h"

namespace EhDocumentOperations {

namespace {

namespace F = EhField;
namespace C = EhField::Cont;

// Page 2 repeats stamp box A of page 1 line for line.
constexpr int continuationStampLine(int firstPageStampLine)
{
    return firstPageStampLine - F::StampA1 + C::StampA1;
}

bool stampOn()
{
    return Profile::get(Settings::Stamp_A) == 1 || Profile::get(Settings::Stamp_C) == 1;
}

int lastPage(const CEinheitspapierDoc& doc)
{
    return doc.continuationPageCount() + 1;
}

void setAlignments(FieldStore& store, int page, int from, int to, FieldStore::Alignment alignment)
{
    for (int f = from; f <= to; ++f)
        store.setAlignment(f, page, alignment);
}

// Box 47 of a continuation page: in each position grid the amounts right,
// "Art" left and "ZA" centred; in the summary grid "Betrag" and the total
// right, "ZA" centred, "Art" as it is.
void alignGrid(FieldStore& store, const EhGoodsPosition& pos)
{
    for (int r = 0; r < F::Box47Rows; ++r) {
        store.setAlignment(pos.gridCell(r, F::ColKind), pos.page, FieldStore::AlignLeft);
        setAlignments(store, pos.page, pos.gridCell(r, F::ColBase), pos.gridCell(r, F::ColAmount),
                      FieldStore::AlignRight);
        store.setAlignment(pos.gridCell(r, F::ColZA), pos.page, FieldStore::AlignCenter);
    }
    store.setAlignment(pos.gridTotal(), pos.page, FieldStore::AlignRight);
}

void alignBox47(FieldStore& store, int page)
{
    for (int slot = 1; slot <= 3; ++slot)
        alignGrid(store, {page, slot});
    for (int r = 0; r < F::Box47Rows; ++r) {
        store.setAlignment(C::summaryCell(r, C::SumAmount), page, FieldStore::AlignRight);
        store.setAlignment(C::summaryCell(r, C::SumZA), page, FieldStore::AlignCenter);
    }
    store.setAlignment(C::SummaryTotal, page, FieldStore::AlignRight);
}

} // namespace

int openView(CEinheitspapierDoc& doc, int appFormSet, EhUserPrompt& prompt,
             QByteArray& firstPageFlags, QByteArray& continuationFlags)
{
    if (doc.loadStatus() != 0) {
        prompt.beep();
        prompt.showMessage(doc.loadStatus());
    }
    if (doc.formSet() == CEinheitspapierDoc::ExportFormSet) {
        prompt.showText(QStringLiteral("Dies ist eine Export-Einheitspapier-Datei!"));
        doc.setFormSet(CEinheitspapierDoc::NoFormSet);
    }
    int formSet = appFormSet;
    if (formSet < 0 || formSet > 3)
        formSet = prompt.askFormSet();
    if (formSet < 0 || formSet > 3)
        return -1;
    doc.setFormSet(formSet);

    FieldStore& store = doc.store();
    if (Profile::get(Settings::Feld2) & 0x4) {
        const QStringList lines = {Profile::get(Settings::Firma1), Profile::get(Settings::Firma2),
                                   Profile::get(Settings::Firma3), Profile::get(Settings::Firma4)};
        const QString sender = FieldStore::trimmedRight(lines.join(QStringLiteral("\r\n")));
        const QString number = Profile::get(Settings::ZollNummer1);
        // The sender goes into a new document; a document read from a file
        // keeps what it holds, so only an empty box takes it.
        const auto fill = [&store](int field, int page, const QString& text) {
            if (!store.text(field, page).isEmpty())
                return;
            store.setText(field, page, text);
            if (page > 1)
                store.setAttr(field, page, std::uint16_t((store.attr(field, page) & ~FieldStore::SizeMask) | 1));
        };
        fill(F::Box8Address, 1, sender);
        fill(C::Box2Address, 2, sender);
        fill(F::Box8Number, 1, number);
        fill(C::Box2Number, 2, number);
    }
    // Box 47 of the first page and of page 2 shows amounts right-aligned;
    // box 42 of page 2's positions stays left.
    alignGrid(store, {1, 1});
    alignBox47(store, 2);
    for (int slot = 1; slot <= 3; ++slot)
        store.setAlignment(EhGoodsPosition{2, slot}.boxField(F::Block::Box42), 2, FieldStore::AlignLeft);

    if (Profile::get(Settings::EH_ShowXX) == 1) {
        using EhFieldFlags::PageKind;
        for (int f : EhFieldFlags::unusedMarks(PageKind::First, formSet))
            EhFieldFlags::setFlag(firstPageFlags, f, formSet, EhFieldFlags::Unused);
        for (int f : EhFieldFlags::unusedMarks(PageKind::Continuation, formSet))
            EhFieldFlags::setFlag(continuationFlags, f, formSet, EhFieldFlags::Unused);
    }
    return formSet;
}

bool canAddPage(const CEinheitspapierDoc& doc)
{
    const int page = lastPage(doc);
    if (page < 2)
        return false;
    for (int slot = 1; slot <= 3; ++slot) {
        if (doc.store().textLength(EhGoodsPosition{page, slot}.box31Field(), page) <= 5)
            return false;
    }
    return true;
}

QString pageLimitText()
{
    return QStringLiteral("Das Einheitspapier hat bereits %1 Ergänzungsblätter, so viele, wie eine Datei "
                          "aufnehmen kann.\nEs kann keine weitere Seite hinzugefügt werden.")
        .arg(MaxContinuationPages);
}

int addPage(CEinheitspapierDoc& doc, EhUserPrompt& prompt)
{
    if (!canAddPage(doc)) {
        prompt.showMessage(MsgPageIncomplete);
        return 0;
    }
    // The store cannot grow beyond the limit: the sheet "added" would be
    // the last one, written over.
    if (doc.continuationPageCount() >= MaxContinuationPages) {
        prompt.showText(pageLimitText());
        return 0;
    }
    FieldStore& store = doc.store();
    doc.setContinuationPageCount(doc.continuationPageCount() + 1);
    doc.setModified();
    const int page = lastPage(doc);
    store.setText(C::Box2Number, page, store.text(C::Box2Number, 2));
    store.setText(C::Box2Address, page, store.text(C::Box2Address, 2));
    for (int f = 0; f < store.continuationFieldCount(); ++f)
        store.setAttr(f, page, 3);
    if (stampOn()) {
        for (int f = C::StampA1; f <= C::Box2Address; ++f) {
            store.setText(f, page, store.text(f, 2));
            store.setAttr(f, page, store.attr(f, 2));
        }
    }
    alignBox47(store, page);
    store.setCurrent(page, 0);
    return page;
}

bool canRemoveLastPage(const CEinheitspapierDoc& doc)
{
    return doc.continuationPageCount() > 1;
}

bool removeLastPage(CEinheitspapierDoc& doc, EhUserPrompt& prompt)
{
    if (!canRemoveLastPage(doc) || !prompt.askYesNo(MsgRemoveLastPage, EhUserPrompt::Preselect::No))
        return false;
    doc.store().setCurrent(1, 0);
    doc.setContinuationPageCount(doc.continuationPageCount() - 1);
    doc.setModified();
    return true;
}

bool formSetEnabled(const CEinheitspapierDoc& doc, int formSet)
{
    return doc.formSet() != formSet;
}

bool formSetChecked(const CEinheitspapierDoc& doc, int formSet)
{
    return doc.formSet() == formSet;
}

void switchFormSet(CEinheitspapierDoc& doc, int formSet)
{
    if (formSet < 0 || formSet > 3)
        return;
    if (doc.formSet() != formSet)
        doc.setModified();
    doc.setFormSet(formSet);
    doc.store().setCurrent(1, 0);
}

QStringList fieldsHiddenByFormSet(const CEinheitspapierDoc& doc, int formSet, const QByteArray& firstPageFlags,
                                  const QByteArray& continuationFlags, bool crossesShown)
{
    using EhFieldFlags::PageKind;
    const auto hidden = [&](PageKind kind, int field, int set) {
        if (set < 0 || set > 3)
            return false;
        const QByteArray& table = kind == PageKind::First ? firstPageFlags : continuationFlags;
        if (EhFieldFlags::flag(table, field, set) & EhFieldFlags::NotShown)
            return true;
        return crossesShown && EhFieldFlags::unusedMarks(kind, set).contains(field);
    };
    const auto newlyHidden = [&](PageKind kind, int field) {
        return hidden(kind, field, formSet) && !hidden(kind, field, doc.formSet());
    };
    const auto nameOf = [](const QString& name, int field) {
        return name.isEmpty() ? QStringLiteral("Feld-Nr. %1").arg(field) : name;
    };
    const FieldStore& store = doc.store();
    QStringList names;
    for (int f = 0; f < store.firstPageFieldCount(); ++f) {
        if (!store.text(f, 1).trimmed().isEmpty() && newlyHidden(PageKind::First, f))
            names << nameOf(EhFieldNames::firstPage(f), f);
    }
    for (int page = 2; page <= store.pageCount(); ++page) {
        for (int f = 0; f < store.continuationFieldCount(); ++f) {
            if (!store.text(f, page).trimmed().isEmpty() && newlyHidden(PageKind::Continuation, f))
                names << QStringLiteral("Seite %1: %2").arg(page).arg(nameOf(EhFieldNames::continuation(f), f));
        }
    }
    return names;
}

void renumber(CEinheitspapierDoc& doc)
{
    FieldStore& store = doc.store();
    // The focus runs this on entering a numbered field: only a text that
    // really changes marks the document modified.
    bool changed = false;
    const auto put = [&](int field, int page, const QString& text) {
        if (store.text(field, page) == text)
            return;
        store.setText(field, page, text);
        changed = true;
    };
    const auto filled = [&](const EhGoodsPosition& pos) {
        return !store.text(pos.box31Field(), pos.page).trimmed().isEmpty();
    };
    qsizetype page2Length = 0;
    for (int slot = 1; slot <= 3; ++slot)
        page2Length += store.text(EhGoodsPosition{2, slot}.box31Field(), 2).trimmed().size();

    put(F::Box32, 1, QStringLiteral("1"));
    if (page2Length == 0) {
        put(F::Box3A, 1, QString());
        put(F::Box3B, 1, QString());
        put(F::Box5, 1, QStringLiteral("1"));
    } else {
        const QString sheets = QString::number(doc.continuationPageCount() + 1);
        put(F::Box3A, 1, QStringLiteral("1"));
        put(F::Box3B, 1, sheets);
        int n = 1;
        bool counting = true;
        for (int page = 2; page <= lastPage(doc); ++page) {
            put(C::Box3A, page, QString::number(page));
            put(C::Box3B, page, sheets);
            for (int slot = 1; slot <= 3 && counting; ++slot) {
                const EhGoodsPosition pos{page, slot};
                if (!filled(pos)) {
                    counting = false;
                    break;
                }
                ++n;
                put(pos.box32Field(), page, QString::number(n));
            }
        }
        put(F::Box5, 1, QString::number(n));
    }
    if (changed)
        doc.setModified();
}

bool isNumberingTarget(int page, int field)
{
    // Boxes 3 A, 5 and 32 of the first page; on a continuation sheet box
    // 3 A and box 32 of each position, as the focus reaches them.
    if (page <= 1)
        return field == F::Box3A || field == F::Box5 || field == F::Box32;
    return field == C::Box3A || field == EhGoodsPosition{page, 1}.box32Field()
        || field == EhGoodsPosition{page, 2}.box32Field() || field == EhGoodsPosition{page, 3}.box32Field();
}

void leaveField(CEinheitspapierDoc& doc, int page, int field)
{
    FieldStore& store = doc.store();
    if (page <= 1 && field == F::SheetNumber) {
        const QString text = store.text(F::SheetNumber, 1);
        store.setText(C::SheetNumber, 2, text);
        if (stampOn() && Profile::get(Settings::Stamp_A) == 1) {
            store.setText(F::StampA3, 1, text);
            store.setText(continuationStampLine(F::StampA3), 2, text);
        }
    }
    // Stamp lines 2 to 6 of page 1 go to the same lines of page 2.
    if (page <= 1 && field >= F::StampA2 && field <= F::StampA6 && stampOn()) {
        const int target = continuationStampLine(field);
        store.setText(target, 2, store.text(field, 1));
        store.setAttr(target, 2, store.attr(field, 1));
    }
    // Box 2's address on a continuation sheet takes no empty lines. The rule
    // goes by the index on every page, so page 1's last stamp line shares it.
    if (field == C::Box2Address) {
        const QString text = store.text(field, page);
        const QString joined = QString(text).replace(QStringLiteral("\r\n\r\n"), QStringLiteral("\r\n"));
        if (joined != text) {
            store.setText(field, page, joined);
            doc.setModified();
        }
    }
}

bool opensStampInput(int page, int field)
{
    if (page > 1 || !stampOn() || Profile::get(Settings::ThreeLineInStamp) != 1)
        return false;
    return field == F::StampA2 || field == F::StampA5 || field == F::StampC2 || field == F::StampC5;
}

void applyStampInput(CEinheitspapierDoc& doc, int field, const QString& text)
{
    FieldStore& store = doc.store();
    const QString trimmed = FieldStore::trimmedRight(text);
    const int lines = 1 + int(trimmed.count(QStringLiteral("\r\n")));
    const std::uint8_t size = lines == 2 ? 65 : lines == 3 ? 66 : 0;
    const auto put = [&](int f, int page) {
        store.setText(f, page, trimmed);
        store.setSizeByte(f, page, size);
        store.setAlignment(f, page, FieldStore::AlignCenter);
    };
    put(field, 1);
    if (field == F::StampA2 || field == F::StampA5)
        put(continuationStampLine(field), 2);
    doc.setModified();
}

} // namespace EhDocumentOperations
