// The dialogs that fill a box of the Einheitspapier instead of the field
// editor: boxes 44 and 47 (entered by Tab, mouse or any other focus move) and
// the pickers of "Vor&gaben einfügen...".
#include "view/CEinheitspapierView.h"

#include "duty/CDlgFeld44Einfuhr.h"
#include "view/EhBox44Text.h"
#include "view/EhBox47Text.h"
#include "duty/CDlgFeld47.h"
#include "duty/CDlgFeld47Summe.h"
#include "duty/Feld47Box.h"
#include "duty/Feld47Grid.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "settings/HelpContext.h"
#include "settings/HelpTopics.h"
#include "settings/Profile.h"
#include "view/CQznEditWindow_EHP.h"
#include "view/EhFocusNavigator.h"
#include "view/EhBoxPickers.h"
#include "view/FormUndo.h"

void CEinheitspapierView::runBox47(const Feld47Box& box, int field)
{
    Feld47Model item;
    Feld47SummeModel summary;
    Feld47Grid& grid = box.kind == Feld47Box::Summary ? static_cast<Feld47Grid&>(summary) : item;
    box.load(grid, m_doc->store());

    // The grid is typed in the dialog; the editor would only cover the box.
    m_editor->hide();
    bool accepted = false;
    {
        HelpContext::Scope help(m_help, Feld47Dialog::HelpContext);
        if (box.kind == Feld47Box::Summary)
            accepted = CDlgFeld47Summe(summary, this).exec() == QDialog::Accepted;
        else
            accepted = CDlgFeld47(item, this).exec() == QDialog::Accepted;
    }
    if (accepted) {
        FormUndo::Step step(*m_undo, QStringLiteral("Feld 47"));
        box.store(grid, m_doc->store());
        // Each column in the size its texts fit in, on screen and on paper.
        const EhBox47Text::CellFit fit(
            Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH)));
        EhBox47Text::fitSizes(m_doc->store(), box, fit);
        markModified();
        viewport()->update();
    }
    m_editor->loadField(field, box.page);
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
}

// Box 44 is filled in its dialog, which also sets the input-tax cross; the
// focus then moves on as after the stamp lines.
void CEinheitspapierView::runBox44Dialog(int direction)
{
    m_inBox44Dialog = true;
    CDlgFeld44Einfuhr dialog(m_doc->store().text(EhField::Box44, 1), m_doc->inputTax(), true, this);
    const std::uint16_t attr = m_doc->store().attr(EhField::Box44, 1);
    dialog.setLineBreaking([attr](const QString& line) { return EhBox44Text::boxLinesOf(line, attr); });
    bool accepted = false;
    {
        const HelpContext::Scope help(m_help, HelpTopics::Box44);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted) {
        FormUndo::Step step(*m_undo, QStringLiteral("Feld 44"));
        m_doc->store().setText(EhField::Box44, 1, dialog.text());
        m_doc->store().setSizeByte(EhField::Box44, 1, EhBox44Text::dialogSizeByte(attr));
        m_doc->setInputTax(dialog.inputTax());
        m_editor->loadField(EhField::Box44, 1);
        markModified();
        viewport()->update();
    }
    const EhFocusNavigator nav = navigator();
    const int next = direction < 0 ? nav.previousField(1, EhField::Box44) : nav.nextField(1, EhField::Box44);
    goToFormField(next, 1, direction);
    m_inBox44Dialog = false;
}

bool CEinheitspapierView::runBoxPicker()
{
    const EhBoxPickers::Picker picker = EhBoxPickers::find(currentPage(), currentField());
    if (!picker)
        return false;
    const int field = currentField();
    const int page = currentPage();
    bool taken = false;
    {
        const HelpContext::Scope help(m_help, HelpTopics::BoxPickers);
        taken = picker({*m_doc, page, field, this, m_definitions});
    }
    if (taken) {
        m_editor->loadField(field, page);
        markModified();
        viewport()->update();
    }
    m_editor->setFocus(Qt::OtherFocusReason);
    return true;
}
