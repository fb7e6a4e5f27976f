#include "app/Dv1ViewAdapter.h"

#include <QAction>

#include "app/AppIcons.h"
#include "check/Dv1Check.h"
#include "app/AppPrompt.h"
#include "app/CKestrovaneImportApp.h"
#include "app/Dv1AppDocument.h"
#include "app/ViewToolBar.h"
#include "dv1/CDV1_View.h"
#include "print/DV1PrintController.h"

namespace {

using V = CDV1_View;

// 0 stands for a separator.
constexpr int EditCommands[] = {
    V::Undo, V::Redo, 0, V::Cut, V::Copy, V::Paste, V::SelectAll, V::InsertMode, 0, V::InsertChoice, 0,
    V::NextField, V::PreviousField, 0, V::FontLarger, V::FontSmaller, V::Bold, 0,
    V::AlignLeft, V::AlignCenter, V::AlignRight, 0, V::Calculate,
};
constexpr int ViewCommands[] = {V::ZoomLarger, V::ZoomSmaller};
constexpr int FormCommandIds[] = {
    V::FirstPage, V::PreviousPage, V::NextPage, V::LastPage, 0, V::AddPage, 0, DV1PrintController::Margins,
};
constexpr int FileCommands[] = {DV1PrintController::Print, DV1PrintController::PrintPreview,
                                DV1PrintController::ExportPdf};

} // namespace

Dv1ViewAdapter::Dv1ViewAdapter(CKestrovaneImportApp& app, Dv1AppDocument& document, QWidget* parent)
    : m_app(app)
    , m_view(new CDV1_View(&document.document(), parent))
{
    new DV1PrintController(*m_view, app.printEnvironment());   // printing: its commands join the view's
    m_view->setMessageHandler([&app](QWidget* p, const QString& text) { app.prompt().showMessage(p, text); });
    QObject::connect(m_view, &CDV1_View::documentChanged, m_view, [this] {
        if (m_changeListener)
            m_changeListener();
    });
    QObject::connect(m_view, &CDV1_View::statusChanged, m_view, [this](const QString& page, const QString& mode) {
        m_pageText = page;
        m_modeText = mode;
        if (m_listener)
            m_listener();
    });
    QObject::connect(m_view, &CDV1_View::helpContextChanged, m_view,
                     [this](int context) { m_app.setHelpContext(context); });

    ViewToolBar::setIcons([this](int id) { return m_view->action(id); });
}

Dv1ViewAdapter::~Dv1ViewAdapter() = default;

CDV1_View* Dv1ViewAdapter::view() const
{
    return m_view;
}

QWidget* Dv1ViewAdapter::widget()
{
    return m_view;
}

bool Dv1ViewAdapter::initialUpdate()
{
    m_view->initialUpdate();
    m_pageText = m_view->statusText();
    m_modeText = m_view->insertModeText();
    m_app.setHelpContext(m_view->helpContext());
    return true;
}

QList<QAction*> Dv1ViewAdapter::menuCommands(Menu menu) const
{
    if (!m_view)
        return {};
    const auto lookup = [this](int id) { return m_view->action(id); };
    switch (menu) {
    case Menu::File:
        return pickCommands(FileCommands, lookup);
    case Menu::Edit:
        return pickCommands(EditCommands, lookup);
    case Menu::View:
        return pickCommands(ViewCommands, lookup);
    case Menu::Form:
        return pickCommands(FormCommandIds, lookup);
    case Menu::ToolBar:
        return pickCommands(ViewToolBar::commands(), lookup);
    }
    return {};
}

QAction* Dv1ViewAdapter::command(int id) const
{
    return m_view ? m_view->action(id) : nullptr;
}

QString Dv1ViewAdapter::statusText(StatusPane pane) const
{
    return pane == PagePane ? m_pageText : m_modeText;
}

void Dv1ViewAdapter::setStatusListener(std::function<void()> listener)
{
    m_listener = std::move(listener);
}

void Dv1ViewAdapter::activated()
{
    // The file dialogs offer ".fdv" first while a D.V.1 is the active document.
    m_app.setRequestedForm(Dv1AppDocument::RequestedForm);
    if (m_view) {
        m_app.setHelpContext(m_view->helpContext());
        m_view->updateCommandState();
        m_view->setFocus();
    }
}

CheckFindings Dv1ViewAdapter::checkDocument() const
{
    return m_view ? Dv1Check::run(*m_view->document()) : CheckFindings();
}

void Dv1ViewAdapter::goToField(int page, int field)
{
    if (!m_view)
        return;
    m_view->goToFormField(field, page);
    m_view->setFocus();
}

void Dv1ViewAdapter::setChangeListener(std::function<void()> listener)
{
    m_changeListener = std::move(listener);
}
