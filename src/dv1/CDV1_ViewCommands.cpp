// The commands of the D.V.1 view: their actions, what they do and when they
// are enabled.
#include "dv1/CDV1_View.h"

#include <QAction>
#include <QApplication>

#include "dv1/CDV1_Doc.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "dv1/DV1Calculation.h"
#include "dv1/DV1Focus.h"
#include "view/FormUndo.h"

namespace {

QKeySequence key(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

QAction* CDV1_View::addCommand(Command id, const QString& text, const QList<QKeySequence>& keys)
{
    return addCommandAction(int(id), text, keys, [this, id] { runCommand(id); });
}

QAction* CDV1_View::addCommandAction(int id, const QString& text, const QList<QKeySequence>& keys,
                                     std::function<void()> handler)
{
    return m_commands->add(id, text, keys, std::move(handler));
}

QList<QAction*> CDV1_View::commandActions() const
{
    return m_commands->actions();
}

QAction* CDV1_View::action(int id) const
{
    return m_commands->action(id);
}

void CDV1_View::createActions()
{
    using Qt::ALT;
    using Qt::CTRL;
    using Qt::SHIFT;
    m_commands = new FormCommands(*this, *m_editor, *m_undo,
                                  {[this] { markModified(); }, [this] { refreshStatus(); }});
    m_commands->addEditingCommands();
    m_commands->addSeparator();
    // There are no default texts to insert into a D.V.1: the entry stays for
    // the menus to look alike, but is never enabled.
    addCommand(InsertChoice, QStringLiteral("Vor&gaben einfügen..."), {key(Qt::Key_F2)});
    addCommand(NextField, QStringLiteral("&Nächstes Eingabefeld"), {key(Qt::Key_Tab)});
    addCommand(PreviousField, QStringLiteral("&Voheriges Eingabefeld"), {key(SHIFT | Qt::Key_Tab)});
    m_commands->addSeparator();
    m_commands->addFormatCommands();
    m_commands->addSeparator();
    addCommand(Calculate, QStringLiteral("&Berechnung der Seite 2,3,4..."), {key(Qt::Key_F3)})
        ->setStatusTip(QStringLiteral("Berechnet die Summen der Seiten 2, 3 und 4"));
    // A key without a menu entry: which price fields the calculation takes.
    addCommand(FlipPriceFields, QString(), {key(CTRL | SHIFT | ALT | Qt::Key_F11)});
    m_commands->addSeparator();
    addCommand(FirstPage, QStringLiteral("&Erste Seite"), {key(CTRL | Qt::Key_Home)});
    addCommand(PreviousPage, QStringLiteral("&Vorherige Seite"), {key(CTRL | Qt::Key_Left)});
    addCommand(NextPage, QStringLiteral("&Nächste Seite"), {key(CTRL | Qt::Key_Right)});
    addCommand(LastPage, QStringLiteral("&Letzte Seite"), {key(CTRL | Qt::Key_End)});
    m_commands->addSeparator();
    addCommand(AddPage, QStringLiteral("Seite hin&zufügen"), {key(Qt::Key_F10)});
    m_commands->addSeparator();
    addCommand(ZoomLarger, QStringLiteral("Anzeige &größer"), {key(CTRL | Qt::Key_Plus)});
    addCommand(ZoomSmaller, QStringLiteral("Anzeige &kleiner"), {key(CTRL | Qt::Key_Minus)});

    // The field editor's context menu ("Bearbeiten").
    m_contextList = m_commands->menu({Undo, Redo, Cut, Copy, Paste, SelectAll, InsertMode, 0, FontLarger, FontSmaller, Bold,
                                      0, AlignLeft, AlignCenter, AlignRight});
}

void CDV1_View::updateCommandState()
{
    const int page = currentPage();
    const int last = pageCount();
    const auto set = [this](Command id, bool enabled) {
        if (QAction* a = action(id))
            a->setEnabled(enabled);
    };
    m_commands->updateEditorCommands();
    set(InsertChoice, false);
    set(FirstPage, page > 1);
    set(PreviousPage, page > 1);
    set(NextPage, page < last);
    set(LastPage, page < last);
    set(ZoomLarger, canZoomLarger());
    set(ZoomSmaller, canZoomSmaller());
}

void CDV1_View::runCommand(Command id)
{
    const int page = currentPage();
    switch (id) {
    case NextField:
        goToFormField(DV1Focus::nextField(page, currentField()), page);
        break;
    case PreviousField:
        goToFormField(DV1Focus::previousField(page, currentField()), page);
        break;
    case Calculate: {
        FormUndo::Step step(*m_undo, QStringLiteral("Berechnung"));
        runCalculation();
        break;
    }
    case FlipPriceFields:
        FlipFlagDV1_11a();
        break;
    case FirstPage:
        if (page > 1)
            goToFormField(0, 1);
        break;
    case PreviousPage:
        if (page > 1)
            goToFormField(0, page - 1);
        break;
    case NextPage:
        if (page < pageCount())
            goToFormField(0, page + 1);
        break;
    case LastPage:
        if (page < pageCount())
            goToFormField(0, pageCount());
        break;
    case AddPage: {
        FormUndo::Step step(*m_undo, QStringLiteral("Seite hinzufügen"));
        runAddPage();
        break;
    }
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

void CDV1_View::runCalculation()
{
    // Every keystroke is in the store already, so the calculation sees the
    // text being typed. The focused field shows what the calculation wrote
    // there, and typing on goes from that text.
    CalculatePages(*m_doc);
    m_editor->loadField(currentField(), currentPage());
    viewport()->update();
    emit documentChanged();
}

void CDV1_View::runAddPage()
{
    if (!m_doc->AddContinuationPage()) {
        QApplication::beep();
        return;
    }
    emit documentChanged();
    goToFormField(0, pageCount());
}
