// The commands of the Einheitspapier view: their actions, what they do and
// when they are enabled.
#include "view/CEinheitspapierView.h"

#include <QAction>
#include <QDate>

#include <optional>

#include "form/CEinheitspapierDoc.h"
#include "form/EhDocumentOperations.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "form/EhGoodsPosition.h"
#include "view/CDlgDeleteEHWarenpositon.h"
#include "view/CDlgMoveEHWarenpositon.h"
#include "view/EhBoxPickers.h"
#include "view/CQznEditWindow_EHP.h"
#include "view/EhFocusNavigator.h"
#include "view/EhPositionChoice.h"
#include "view/EhViewPrompt.h"
#include "view/FormCommands.h"
#include "view/FormUndo.h"
#include "settings/Profile.h"

namespace {

const char* const FormSetLabels[4] = {
    // Each entry's access key is the digit that tells it from the others.
    "07&37 / 0738 (Bestimmung - Eingang / Einfuhr)",
    "07&47 / 0748 (Bestimmung - Eingang / Einfuhr)",
    "07&77 / 0778 (Vereinfachte Zollanmeldung)",
    "077&9 / 0780 (Bestimmung - Eingang / Einfuhr)",
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
    return m_commands->add(id, text, keys, std::move(handler));
}

QList<QAction*> CEinheitspapierView::commandActions() const
{
    return m_commands->actions();
}

QAction* CEinheitspapierView::action(Command command) const
{
    return m_commands->action(command);
}

void CEinheitspapierView::createActions()
{
    using Qt::CTRL;
    using Qt::SHIFT;
    m_commands = new FormCommands(*this, *m_editor, *m_undo,
                                  {[this] { markModified(); }, [this] { refreshStatus(); }});
    // Edit
    m_commands->addEditingCommands();
    m_commands->addSeparator();
    addCommand(InsertChoice, QStringLiteral("Vor&gaben einfügen..."), {key(Qt::Key_F2)});
    addCommand(NextField, QStringLiteral("&Nächstes Eingabefeld"), {key(Qt::Key_Tab)});
    addCommand(PreviousField, QStringLiteral("&Voheriges Eingabefeld"), {key(SHIFT | Qt::Key_Tab)});
    m_commands->addSeparator();
    m_commands->addFormatCommands();
    // Pages and goods positions
    m_commands->addSeparator();
    addCommand(FirstPage, QStringLiteral("&Erste Seite"), {key(CTRL | Qt::Key_Home)});
    addCommand(PreviousPage, QStringLiteral("&Vorherige Seite"), {key(CTRL | Qt::Key_Left)});
    addCommand(NextPage, QStringLiteral("&Nächste Seite"), {key(CTRL | Qt::Key_Right)});
    addCommand(LastPage, QStringLiteral("&Letzte Seite"), {key(CTRL | Qt::Key_End)});
    m_commands->addSeparator();
    addCommand(AddPage, QStringLiteral("Seite hin&zufügen"), {key(Qt::Key_F10)});
    addCommand(RemoveLastPage, QStringLiteral("Letzte Formularseite en&tfernen"));
    addCommand(MoveGoodsPosition, QStringLiteral("&Warenposition verschieben..."));
    addCommand(DeleteGoodsPosition, QStringLiteral("Warenposition lö&schen..."), {key(CTRL | SHIFT | Qt::Key_Delete)});
    addCommand(Renumber, QStringLiteral("&Felder 3, 5 und 32 aktualisieren"));
    // Form sets
    m_commands->addSeparator();
    const Command formSets[4] = {FormSet0, FormSet1, FormSet2, FormSet3};
    for (int i = 0; i < 4; ++i)
        addCommand(formSets[i], QString::fromUtf8(FormSetLabels[i]))->setCheckable(true);
    // Zoom
    m_commands->addSeparator();
    addCommand(ZoomLarger, QStringLiteral("Anzeige &größer"), {key(CTRL | Qt::Key_Plus)});
    addCommand(ZoomSmaller, QStringLiteral("Anzeige &kleiner"), {key(CTRL | Qt::Key_Minus)});

    // The field editor's context menu.
    m_contextList = m_commands->menu({InsertChoice, 0, Undo, Redo, Cut, Copy, Paste, SelectAll, InsertMode, 0, NextField,
                                      PreviousField, FontLarger, FontSmaller, Bold, 0, AlignLeft, AlignCenter,
                                      AlignRight, 0, DeleteGoodsPosition});
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
    m_commands->updateEditorCommands();
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

bool CEinheitspapierView::changesDocument(Command id)
{
    switch (id) {
    case InsertChoice:
    case AddPage:
    case RemoveLastPage:
    case MoveGoodsPosition:
    case DeleteGoodsPosition:
    case Renumber:
    case FormSet0:
    case FormSet1:
    case FormSet2:
    case FormSet3:
        return true;
    default:
        return false;
    }
}

void CEinheitspapierView::runCommand(Command id)
{
    // A command that changes the document is one undo step, whatever it
    // changes on the way (the focus it moves, the fields it numbers).
    std::optional<FormUndo::Step> step;
    if (changesDocument(id)) {
        const QAction* a = action(id);
        step.emplace(*m_undo, a ? a->text().remove(QLatin1Char('&')) : QString());
    }
    const EhFocusNavigator nav = navigator();
    const auto goTo = [this](const EhFocusNavigator::Position& p) {
        if (p.field >= 0)
            goToFormField(p.field, p.page);
    };
    switch (id) {
    case NextField:
        goToFormField(nav.nextField(currentPage(), currentField()), currentPage(), +1);
        break;
    case PreviousField:
        goToFormField(nav.previousField(currentPage(), currentField()), currentPage(), -1);
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
    default:   // the field editor's own commands run through FormCommands
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
    // Texts the new form set does not show are kept, but the user should not
    // lose sight of them unawares.
    const QStringList hidden = EhDocumentOperations::fieldsHiddenByFormSet(
        *m_doc, formSet, m_definitions.table(EhFieldFlags::PageKind::First),
        m_definitions.table(EhFieldFlags::PageKind::Continuation), Profile::get(Settings::EH_ShowXX) == 1);
    if (!hidden.isEmpty()) {
        constexpr int Listed = 12;
        QStringList lines = hidden.mid(0, Listed);
        if (hidden.size() > Listed)
            lines << QStringLiteral("und %1 weitere").arg(hidden.size() - Listed);
        const QString question =
            QStringLiteral("Der Formularsatz %1 blendet Felder aus, die Text enthalten, oder streicht sie durch:\n\n"
                           "%2\n\nDie Texte bleiben im Dokument erhalten, sind aber in diesem Formularsatz nicht "
                           "zu sehen.\nMöchten Sie den Formularsatz trotzdem wechseln?")
                .arg(QString::fromUtf8(FormSetLabels[formSet]).remove(QLatin1Char('&')),   // no access key here
                     lines.join(QStringLiteral("\n")));
        if (!m_prompt->askQuestion(question, EhUserPrompt::Preselect::No))
            return;
    }
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
    const EhGoodsPosition source = EhPositionChoice::movePosition(dialog.sourceIndex());
    const EhGoodsPosition target = EhPositionChoice::movePosition(dialog.targetIndex());
    if (source == target)
        return;
    if (EhGoodsPositions::isFilled(*m_doc, target)) {
        const QString question =
            QStringLiteral("Position %1 auf Seite %2 wird überschrieben: Alles, was dort eingetragen ist, geht "
                           "verloren.\n\nMöchten Sie Position %3 auf Seite %4 trotzdem dorthin verschieben?")
                .arg(target.slot)
                .arg(target.page)
                .arg(source.slot)
                .arg(source.page);
        if (!m_prompt->askQuestion(question, EhUserPrompt::Preselect::No))
            return;
    }
    EhGoodsPositions::move(*m_doc, source, target);
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
    if (goodsChoiceAvailable())
        return true;
    const int field = currentField();
    if (EhBoxPickers::find(currentPage(), field))
        return true;
    if (currentPage() <= 1)
        return field == EhField::StampA4 || field == EhField::StampC4;
    return field == EhField::Cont::StampA4;
}

void CEinheitspapierView::runInsertChoice()
{
    // Box 31 of a goods position: the goods master data.
    if (goodsChoiceAvailable()) {
        runGoodsChoice();
        return;
    }
    if (!insertChoiceAvailable() || runBoxPicker())
        return;
    if (!m_prompt->askYesNo(EhDocumentOperations::MsgInsertDate, EhUserPrompt::Preselect::Yes))
        return;
    m_editor->insertAtCaret(EhDocumentOperations::dateText(QDate::currentDate()));
    m_editor->setFocus(Qt::OtherFocusReason);
}
