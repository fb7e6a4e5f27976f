// The commands of the Einheitspapier view: their actions, what they do and
// when they are enabled.
#include "view/CEinheitspapierView.h"

#include <QAction>
#include <QActionGroup>
#include <QDate>

#include "form/CEinheitspapierDoc.h"
#include "form/EhDocumentOperations.h"
#include "form/EhField.h"
#include "form/EhGoodsPosition.h"
#include "view/CDlgDeleteEHWarenpositon.h"
#include "view/CDlgMoveEHWarenpositon.h"
#include "view/EhBoxPickers.h"
#include "view/CQznEditWindow_EHP.h"
#include "view/EhFocusNavigator.h"
#include "view/EhPositionChoice.h"
#include "view/EhViewPrompt.h"

namespace {

const QString InsertModeOn = QStringLiteral("Einfügemodus ausschalten\tEinfg");
const QString InsertModeOff = QStringLiteral("Einfügemodus einschalten\tEinfg");

const char* const FormSetLabels[4] = {
    "0737 / 0738 (Bestimmung - Eingang / Einfuhr)",
    "0747 / 0748 (Bestimmung - Eingang / Einfuhr)",
    "0777 / 0778 (Vereinfachte Zollanmeldung)",
    "0779 / 0780 (Bestimmung - Eingang / Einfuhr)",
};

QKeySequence key(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

QAction* CEinheitspapierView::addCommand(Command id, const QString& text, const QList<QKeySequence>& keys)
{
    return addCommandAction(int(id), text, keys, [this, id] { runCommand(id); });
}

QAction* CEinheitspapierView::addCommandAction(int id, const QString& text, const QList<QKeySequence>& keys,
                                              std::function<void()> handler)
{
    auto* a = new QAction(text, this);
    a->setData(id);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] {
        if (handler)
            handler();
    });
    addAction(a);
    m_actions.insert(id, a);
    m_actionList.append(a);
    if (m_editor)
        m_editor->setCommandActions(m_actionList);
    return a;
}

void CEinheitspapierView::addSeparator(QList<QAction*>& list)
{
    auto* s = new QAction(this);
    s->setSeparator(true);
    list.append(s);
}

void CEinheitspapierView::createActions()
{
    using Qt::ALT;
    using Qt::CTRL;
    using Qt::SHIFT;
    // Edit
    addCommand(Undo, QStringLiteral("&Rückgängig"), {key(ALT | Qt::Key_Backspace)});
    addSeparator(m_actionList);
    addCommand(Cut, QStringLiteral("&Ausschneiden"), {key(CTRL | Qt::Key_X), key(SHIFT | Qt::Key_Delete)});
    addCommand(Copy, QStringLiteral("&Kopieren"), {key(CTRL | Qt::Key_C), key(CTRL | Qt::Key_Insert)});
    addCommand(Paste, QStringLiteral("E&infügen"), {key(CTRL | Qt::Key_V), key(SHIFT | Qt::Key_Insert)});
    addCommand(SelectAll, QStringLiteral("Alles &markieren"), {key(CTRL | Qt::Key_A)});
    addCommand(InsertMode, InsertModeOn);
    addSeparator(m_actionList);
    addCommand(InsertChoice, QStringLiteral("Vor&gaben einfügen..."), {key(Qt::Key_F2)});
    addCommand(NextField, QStringLiteral("&Nächstes Eingabefeld"), {key(Qt::Key_Tab)});
    addCommand(PreviousField, QStringLiteral("&Voheriges Eingabefeld"), {key(SHIFT | Qt::Key_Tab)});
    addSeparator(m_actionList);
    addCommand(FontLarger, QStringLiteral("Schrift &größer"));
    addCommand(FontSmaller, QStringLiteral("Schrift k&leiner"));
    addCommand(Bold, QStringLiteral("Schrift &fett"))->setCheckable(true);
    addSeparator(m_actionList);
    // An alignment of no known kind marks none of the three.
    auto* alignGroup = new QActionGroup(this);
    alignGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {addCommand(AlignLeft, QStringLiteral("Text linksbündig"), {key(CTRL | Qt::Key_L)}),
                       addCommand(AlignCenter, QStringLiteral("Text zentriert"), {key(CTRL | Qt::Key_Z)}),
                       addCommand(AlignRight, QStringLiteral("Text rechtsbündig"), {key(CTRL | Qt::Key_R)})}) {
        a->setCheckable(true);
        alignGroup->addAction(a);
    }
    // Pages and goods positions
    addSeparator(m_actionList);
    addCommand(FirstPage, QStringLiteral("&Erste Seite"), {key(CTRL | Qt::Key_Home)});
    addCommand(PreviousPage, QStringLiteral("&Vorherige Seite"), {key(CTRL | Qt::Key_Left)});
    addCommand(NextPage, QStringLiteral("&Nächste Seite"), {key(CTRL | Qt::Key_Right)});
    addCommand(LastPage, QStringLiteral("&Letzte Seite"), {key(CTRL | Qt::Key_End)});
    addSeparator(m_actionList);
    addCommand(AddPage, QStringLiteral("Seite hin&zufügen"), {key(Qt::Key_F10)});
    addCommand(RemoveLastPage, QStringLiteral("Letzte Formularseite entfernen"));
    addCommand(MoveGoodsPosition, QStringLiteral("Warenposition verschieben..."));
    addCommand(DeleteGoodsPosition, QStringLiteral("Warenposition löschen..."));
    addCommand(Renumber, QStringLiteral("&Felder 3, 5 und 32 aktualisieren"));
    // Form sets
    addSeparator(m_actionList);
    const Command formSets[4] = {FormSet0, FormSet1, FormSet2, FormSet3};
    for (int i = 0; i < 4; ++i)
        addCommand(formSets[i], QString::fromUtf8(FormSetLabels[i]))->setCheckable(true);
    // Zoom
    addSeparator(m_actionList);
    addCommand(ZoomLarger, QStringLiteral("Anzeige &größer"));
    addCommand(ZoomSmaller, QStringLiteral("Anzeige &kleiner"));

    // The field editor's context menu.
    m_contextList << action(InsertChoice);
    addSeparator(m_contextList);
    m_contextList << action(Undo) << action(Cut) << action(Copy) << action(Paste) << action(SelectAll)
                  << action(InsertMode);
    addSeparator(m_contextList);
    m_contextList << action(NextField) << action(PreviousField) << action(FontLarger) << action(FontSmaller)
                  << action(Bold);
    addSeparator(m_contextList);
    m_contextList << action(AlignLeft) << action(AlignCenter) << action(AlignRight);
}

void CEinheitspapierView::updateCommandState()
{
    const int page = currentPage();
    const int last = pageCount();
    const auto set = [this](Command id, bool enabled) {
        if (QAction* a = action(id))
            a->setEnabled(enabled);
    };
    const auto check = [this](Command id, bool checked) {
        if (QAction* a = action(id))
            a->setChecked(checked);
    };
    set(Undo, m_editor->canUndoText());
    set(FontLarger, m_editor->CanFontLarger());
    set(FontSmaller, m_editor->CanFontSmaller());
    check(Bold, m_editor->IsBold());
    check(AlignLeft, m_editor->IsAlignLeft());
    check(AlignCenter, m_editor->IsAlignCenter());
    check(AlignRight, m_editor->IsAlignRight());
    action(InsertMode)->setText(m_editor->IsInsertMode() ? InsertModeOn : InsertModeOff);
    set(InsertChoice, insertChoiceAvailable());
    set(FirstPage, page > 1);
    set(PreviousPage, page > 1);
    set(NextPage, page < last);
    set(LastPage, page < last);
    set(AddPage, EhDocumentOperations::canAddPage(*m_doc));
    set(RemoveLastPage, EhDocumentOperations::canRemoveLastPage(*m_doc));
    const Command formSets[4] = {FormSet0, FormSet1, FormSet2, FormSet3};
    for (int i = 0; i < 4; ++i) {
        set(formSets[i], EhDocumentOperations::formSetEnabled(*m_doc, i));
        check(formSets[i], EhDocumentOperations::formSetChecked(*m_doc, i));
    }
    set(ZoomLarger, canZoomLarger());
    set(ZoomSmaller, canZoomSmaller());
}

void CEinheitspapierView::runCommand(Command id)
{
    const EhFocusNavigator nav = navigator();
    const auto goTo = [this](const EhFocusNavigator::Position& p) {
        if (p.field >= 0)
            goToFormField(p.field, p.page);
    };
    switch (id) {
    case Copy:
        m_editor->copyText();
        break;
    case Cut:
        m_editor->cutText();
        markModified();
        break;
    case Paste:
        m_editor->PasteNormalized();
        markModified();
        break;
    case Undo:
        m_editor->undoText();
        break;
    case SelectAll:
        m_editor->selectAllText();
        break;
    case InsertMode:
        m_editor->SetInsertMode(!m_editor->IsInsertMode());
        refreshStatus();
        break;
    case NextField:
        goToFormField(nav.nextField(currentPage(), currentField()), currentPage(), +1);
        break;
    case PreviousField:
        goToFormField(nav.previousField(currentPage(), currentField()), currentPage(), -1);
        break;
    case FontLarger:
    case FontSmaller:
    case Bold:
    case AlignLeft:
    case AlignCenter:
    case AlignRight:
        if (id == FontLarger)
            m_editor->FontLarger();
        else if (id == FontSmaller)
            m_editor->FontSmaller();
        else if (id == Bold)
            m_editor->ToggleBold();
        else if (id == AlignLeft)
            m_editor->AlignLeft();
        else if (id == AlignCenter)
            m_editor->AlignCenter();
        else
            m_editor->AlignRight();
        markModified();
        break;
    case InsertChoice:
        runInsertChoice();
        break;
    case FirstPage:
        if (currentPage() > 1)
            goTo(nav.firstPage());
        break;
    case PreviousPage:
        goTo(nav.previousPage(currentPage()));
        break;
    case NextPage:
        goTo(nav.nextPage(currentPage(), pageCount()));
        break;
    case LastPage:
        if (currentPage() < pageCount())
            goTo(nav.lastPage(pageCount()));
        break;
    case AddPage:
        runAddPage();
        break;
    case RemoveLastPage:
        runRemoveLastPage();
        break;
    case MoveGoodsPosition:
        runMoveGoodsPosition();
        break;
    case DeleteGoodsPosition:
        runDeleteGoodsPosition();
        break;
    case Renumber:
        EhDocumentOperations::renumber(*m_doc);
        afterStoreChange();
        break;
    case FormSet0:
    case FormSet1:
    case FormSet2:
    case FormSet3:
        runFormSet((int(id) - int(FormSet0)) / 2);
        break;
    case ZoomLarger:
        zoomLarger();
        break;
    case ZoomSmaller:
        zoomSmaller();
        break;
    }
    updateCommandState();
}

// The store changed under the editor: show the focused field as the store
// now has it (committing the window would undo the change) and redraw.
void CEinheitspapierView::afterStoreChange()
{
    m_editor->loadField(currentField(), currentPage());
    viewport()->update();
    refreshStatus();
    if (m_doc->isModified())
        emit documentChanged();
}

void CEinheitspapierView::runFormSet(int formSet)
{
    if (!EhDocumentOperations::formSetEnabled(*m_doc, formSet))
        return;
    EhDocumentOperations::switchFormSet(*m_doc, formSet);
    const EhFocusNavigator::Position p = navigator().firstPage();
    goToFormField(p.field, p.page);
    emit viewActivated(formSet);
}

void CEinheitspapierView::runAddPage()
{
    const int page = EhDocumentOperations::addPage(*m_doc, *m_prompt);
    if (page <= 0)
        return;
    emit documentChanged();
    goToFormField(0, page);
}

void CEinheitspapierView::runRemoveLastPage()
{
    const int before = pageCount();
    if (!EhDocumentOperations::removeLastPage(*m_doc, *m_prompt))
        return;
    emit documentChanged();
    const EhFocusNavigator::Position p = navigator().firstPage();
    if (currentPage() < before) {
        goToFormField(p.field, p.page);
    } else {
        // The field left is gone with its page: nothing to commit or couple.
        m_editor->loadField(p.field, p.page);
        m_editor->EnsureFieldVisible();
        viewport()->update();
        refreshStatus();
    }
}

void CEinheitspapierView::runMoveGoodsPosition()
{
    CDlgMoveEHWarenpositon dialog(EhGoodsPositions::list(*m_doc, true),
                                  EhPositionChoice::moveSource(currentPage(), currentField()),
                                  EhPositionChoice::moveTarget(currentPage()), this);
    if (dialog.exec() != QDialog::Accepted || dialog.sourceIndex() < 0 || dialog.targetIndex() < 0)
        return;
    EhGoodsPositions::move(*m_doc, EhPositionChoice::movePosition(dialog.sourceIndex()),
                           EhPositionChoice::movePosition(dialog.targetIndex()));
    afterStoreChange();
}

void CEinheitspapierView::runDeleteGoodsPosition()
{
    CDlgDeleteEHWarenpositon dialog(EhGoodsPositions::list(*m_doc, false),
                                    EhPositionChoice::deleteIndex(currentPage(), currentField()), this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedIndex() < 0)
        return;
    EhGoodsPositions::remove(*m_doc, EhGoodsPosition::fromContinuationIndex(dialog.selectedIndex()));
    afterStoreChange();
}

// The fields whose choice dialog exists: the date line of the stamps.
bool CEinheitspapierView::insertChoiceAvailable() const
{
    const int field = currentField();
    if (EhBoxPickers::find(currentPage(), field))
        return true;
    if (currentPage() <= 1)
        return field == EhField::StampA4 || field == EhField::StampC4;
    return field == EhField::Cont::StampA4;
}

void CEinheitspapierView::runInsertChoice()
{
    if (!insertChoiceAvailable() || runBoxPicker())
        return;
    if (!m_prompt->askYesNo(EhDocumentOperations::MsgInsertDate))
        return;
    m_editor->insertAtCaret(EhDocumentOperations::dateText(QDate::currentDate()));
    m_editor->setFocus(Qt::OtherFocusReason);
}
