#include "app/EhViewAdapter.h"

#include <QAction>

#include "app/AppIcons.h"
#include "check/EhCheck.h"
#include "app/CKestrovaneImportApp.h"
#include "app/EhAppDocument.h"
#include "app/ViewToolBar.h"
#include "duty/CDlgDefaultTexte_EH.h"
#include "print/EhPrintController.h"
#include "view/CEinheitspapierView.h"
#include "settings/HelpTopics.h"

namespace {

using V = CEinheitspapierView;
using P = EhPrintController;

// 0 stands for a separator. Ids the view does not (yet) have are skipped,
// so commands that come later (printing, form defaults) find their place.
constexpr int EditCommands[] = {
    V::Undo, V::Redo, 0, V::Cut, V::Copy, V::Paste, V::SelectAll, V::InsertMode, 0, V::InsertChoice, 0,
    V::NextField, V::PreviousField, 0, V::FontLarger, V::FontSmaller, V::Bold, 0,
    V::AlignLeft, V::AlignCenter, V::AlignRight,
};
constexpr int ViewCommands[] = {V::ZoomLarger, V::ZoomSmaller};
constexpr int FormMenuCommands[] = {
    V::FirstPage, V::PreviousPage, V::NextPage, V::LastPage, 0, V::AddPage, V::RemoveLastPage, 0,
    V::MoveGoodsPosition, V::DeleteGoodsPosition, V::Renumber, 0, V::FormSet0, V::FormSet1, V::FormSet2, V::FormSet3, 0,
    V::FormDefaults, P::Margins,
};
constexpr int FileCommands[] = {P::Print, P::PrintPreview, P::ExportPdf};

} // namespace

EhViewAdapter::EhViewAdapter(CKestrovaneImportApp& app, EhAppDocument& document, QWidget* parent)
    : m_app(app)
    , m_document(document)
    , m_view(new CEinheitspapierView(&document.document(), app.fieldDefinitions(), parent))
{
    m_view->setHelpContext(&app.help());
    m_view->setFormSetChooser([&app](QWidget* p) {
        HelpContext::Scope help(&app.help(), HelpTopics::NewEinheitspapier);
        return app.formSetChooser() ? app.formSetChooser()(p) : -1;
    });
    new EhPrintController(*m_view, app.printEnvironment());   // printing: its commands join the view's
    QAction* defaults = m_view->addCommandAction(V::FormDefaults, QStringLiteral("&Formularvorgaben..."), {},
                                                 [this] { runFormDefaults(); });
    defaults->setStatusTip(QStringLiteral("Öffnet einen Dialog zur Eingabe von Voreinstellungen und Vorgabetexten"));
    QObject::connect(m_view, &CEinheitspapierView::documentChanged, m_view, [this] {
        if (m_changeListener)
            m_changeListener();
    });
    QObject::connect(m_view, &CEinheitspapierView::statusChanged, m_view,
                     [this](const QString& page, const QString& mode) {
                         m_pageText = page;
                         m_modeText = mode;
                         if (m_listener)
                             m_listener();
                     });
    QObject::connect(m_view, &CEinheitspapierView::viewActivated, m_view,
                     [this](int formSet) { m_app.setRequestedForm(formSet); });

    ViewToolBar::setIcons([this](int id) { return m_view->action(V::Command(id)); });
}

EhViewAdapter::~EhViewAdapter() = default;

void EhViewAdapter::runFormDefaults()
{
    {
        HelpContext::Scope help(&m_app.help(), FormDefaultsHelp);
        CDlgDefaultTexte_EH::edit(m_view, m_view->fieldDefinitions(), m_app.registry());
    }
    // The stamp fields' flags may have changed under the open document.
    m_view->viewport()->update();
}

QWidget* EhViewAdapter::widget()
{
    return m_view;
}

bool EhViewAdapter::initialUpdate()
{
    // A document read from a file keeps the form set it was saved with; a
    // new one gets the set just chosen. A file without a set (an export
    // document) has it asked for, rather than silently taking whatever set
    // was chosen last for another document.
    int formSet = m_app.requestedForm();
    if (!m_document.path().isEmpty()) {
        const int stored = m_document.document().formSet();
        formSet = stored >= 0 && stored <= 3 ? stored : CEinheitspapierDoc::NoFormSet;
    }
    const bool ok = m_view->initialUpdate(formSet);
    m_app.setHelpContext(HelpTopics::Einheitspapier);
    m_pageText = m_view->statusText();
    m_modeText = m_view->insertModeText();
    return ok;
}

QList<QAction*> EhViewAdapter::menuCommands(Menu menu) const
{
    const auto pick = [this](const auto& ids) {
        return pickCommands(ids, [this](int id) { return m_view->action(V::Command(id)); });
    };
    if (!m_view)
        return {};
    switch (menu) {
    case Menu::File:
        return pick(FileCommands);
    case Menu::Edit:
        return pick(EditCommands);
    case Menu::View:
        return pick(ViewCommands);
    case Menu::Form:
        return pick(FormMenuCommands);
    case Menu::ToolBar:
        return pick(ViewToolBar::commands());
    }
    return {};
}

QAction* EhViewAdapter::command(int id) const
{
    return m_view ? m_view->action(V::Command(id)) : nullptr;
}

QString EhViewAdapter::statusText(StatusPane pane) const
{
    return pane == PagePane ? m_pageText : m_modeText;
}

void EhViewAdapter::setStatusListener(std::function<void()> listener)
{
    m_listener = std::move(listener);
}

void EhViewAdapter::activated()
{
    const int formSet = m_document.document().formSet();
    if (formSet >= 0 && formSet <= 3)
        m_app.setRequestedForm(formSet);
    m_app.setHelpContext(HelpTopics::Einheitspapier);
    if (m_view) {
        m_view->updateCommandState();
        m_view->setFocus();
    }
}

CheckFindings EhViewAdapter::checkDocument() const
{
    return m_view ? EhCheck::run(*m_view->document(), m_view->fieldDefinitions()) : CheckFindings();
}

void EhViewAdapter::goToField(int page, int field)
{
    if (!m_view)
        return;
    m_view->goToFormField(field, page);
    m_view->setFocus();
}

void EhViewAdapter::setChangeListener(std::function<void()> listener)
{
    m_changeListener = std::move(listener);
}
