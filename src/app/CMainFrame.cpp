#include "app/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/AppDocument.h"
#include "app/AppIcons.h"
#include "app/AppPrompt.h"
#include "app/CChildFrame.h"
#include "app/CKestrovaneImportApp.h"
#include "app/DocManager.h"
#include "app/FormCheckPanel.h"
#include "app/FormViewInterface.h"
#include "settings/StringTable.h"
#include "print/EhPrintController.h"
#include "print/PrintSettingsCommands.h"

namespace {

const QString ReadyText = QStringLiteral("Bereit");
constexpr int PrintSetupCommand = EhPrintController::PrintSetup;

} // namespace

CMainFrame::CMainFrame(CKestrovaneImportApp& app)
    : m_app(app)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(StringTable::text(StringTable::ApplicationTitleFrame));
    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    m_formCheck = new FormCheckPanel(*this, *m_mdi);
    m_app.printEnvironment().beforePrint = [this](QWidget* view) { return m_formCheck->allowPrint(view); };
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();

    connect(m_mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::activeWindowChanged);
    // The main window alone holds the document windows: the document
    // manager announces them.
    connect(&m_app.docManager(), &DocManager::frameOpened, this, [this](CChildFrame* frame) {
        m_mdi->addSubWindow(frame);
        frame->showMaximized();
        m_mdi->setActiveSubWindow(frame);
        m_app.docManager().setCurrentFrame(activeChildFrame());
    });
    connect(&m_app.docManager(), &DocManager::frameRequested, this,
            [this](CChildFrame* frame) { m_mdi->setActiveSubWindow(frame); });
    connect(&m_app.docManager(), &DocManager::titleChanged, this, [this](AppDocument* document) {
        if (CChildFrame* frame = m_app.docManager().frameOf(document))
            frame->updateTitle();
        updateTitle();
        updateRecentFiles();
    });
    connect(&m_app.docManager(), &DocManager::documentsChanged, this, [this] {
        updateRecentFiles();
        updateCommandUi();
    });

    // Files dropped anywhere on the window open, also over a document's
    // view, whose editor would otherwise take the file name as text.
    setAcceptDrops(true);
    qApp->installEventFilter(this);

    auto* idle = new QTimer(this);
    idle->setInterval(250);
    connect(idle, &QTimer::timeout, this, &CMainFrame::updateCommandUi);
    idle->start();

    resize(1200, 900);
    fillViewMenus();
    updateRecentFiles();
    updateCommandUi();
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // The document windows go while this object is still whole: closing
    // them changes the active window, which must not reach half a frame.
    disconnect(m_mdi, nullptr, this, nullptr);
    disconnect(&m_app.docManager(), nullptr, this, nullptr);
    m_shownFrame = nullptr;
    m_lentActions.clear();
    qDeleteAll(m_mdi->subWindowList());
}

QAction* CMainFrame::addCommand(const QString& name, const QString& text, const QString& statusTip,
                               const QKeySequence& shortcut)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setStatusTip(statusTip);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void CMainFrame::nameKeyInToolTip(QAction* action)
{
    // The tool tip says what the menu says, and by which key it is done.
    QString text = action->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    text = text.section(QLatin1Char('\t'), 0, 0);
    if (text.endsWith(QLatin1String("...")))
        text.chop(3);
    const QKeySequence key = action->shortcut();
    if (!key.isEmpty())
        text += QStringLiteral(" (%1)").arg(key.toString(QKeySequence::NativeText));
    action->setToolTip(text);
}

void CMainFrame::createActions()
{
    DocManager& docs = m_app.docManager();
    auto withActive = [this](auto fn) {
        return [this, fn] {
            if (CChildFrame* frame = activeChildFrame())
                fn(frame->document());
        };
    };

    QAction* a = addCommand(QStringLiteral("fileNew"), QStringLiteral("&Neu"),
                            QStringLiteral("Erstellt ein neues Einheitspapier oder eine neue D.V.1"), QKeySequence::New);
    a->setIcon(AppIcons::icon(AppIcons::New));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnFileNew);
    a = addCommand(QStringLiteral("fileOpen"), QStringLiteral("Ö&ffnen..."),
                   QStringLiteral("Öffnet ein gespeichertes Dokument"), QKeySequence::Open);
    a->setIcon(AppIcons::icon(AppIcons::Open));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnFileOpen);
    a = addCommand(QStringLiteral("fileClose"), QStringLiteral("Schl&ießen"),
                   QStringLiteral("Schließt das aktive Dokument"));
    connect(a, &QAction::triggered, this, withActive([&docs](AppDocument& d) { docs.closeDocument(d); }));
    a = addCommand(QStringLiteral("fileCloseAll"), QStringLiteral("A&lle schließen"),
                   QStringLiteral("Schließt alle geöffneten Dokumente"));
    connect(a, &QAction::triggered, &docs, &DocManager::closeAllDocuments);
    a = addCommand(QStringLiteral("fileSave"), QStringLiteral("&Speichern"),
                   QStringLiteral("Speichert das aktive Dokument"), QKeySequence(Qt::CTRL | Qt::Key_S));
    a->setIcon(AppIcons::icon(AppIcons::Save));
    connect(a, &QAction::triggered, this, withActive([&docs](AppDocument& d) { docs.saveDocument(d); }));
    a = addCommand(QStringLiteral("fileSaveAs"), QStringLiteral("Speichern &unter..."),
                   QStringLiteral("Speichert das aktive Dokument unter einem neuen Namen"));
    connect(a, &QAction::triggered, this, withActive([&docs](AppDocument& d) { docs.saveDocumentAs(d); }));
    a = addCommand(QStringLiteral("filePrintSetup"), QStringLiteral("Dru&ckeinrichtung..."),
                   QStringLiteral("Wählt den Drucker und seine Einstellungen"));
    connect(a, &QAction::triggered, this, [this] {
        // The active view sets up its printer itself when it can.
        if (m_shownFrame) {
            if (QAction* own = m_shownFrame->view().command(PrintSetupCommand)) {
                own->trigger();
                return;
            }
        }
        m_app.OnFilePrintSetup();
    });
    a = addCommand(QStringLiteral("appProgramOptions"), QStringLiteral("Programmvor&gaben und Einstellungen..."),
                   QStringLiteral("Öffnet die Vorgaben und Einstellungen des Programms"));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnProgramOptions);
    a = addCommand(QStringLiteral("appFieldDefinitions"), QStringLiteral("Formularfelder (&Einheitspapier) definieren..."),
                   QStringLiteral("Legt fest, welche Felder des Einheitspapiers angezeigt, bearbeitet und gedruckt werden"));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnEditFieldDefinitions);
    a = addCommand(QStringLiteral("appMasterData"), QStringLiteral("Sta&mmdaten..."),
                   QStringLiteral("Öffnet einen Dialog zur Eingabe und Korrektur der Stammdaten"));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnStammdaten);
    a = addCommand(QStringLiteral("appExit"), QStringLiteral("&Beenden"),
                   QStringLiteral("Beendet das Programm; geänderte Dokumente können vorher gespeichert werden"));
    connect(a, &QAction::triggered, this, &QWidget::close);
    for (int i = 0; i < Settings::RecentFileCount; ++i) {
        a = addCommand(QStringLiteral("recentFile%1").arg(i + 1), QString(), QString());
        connect(a, &QAction::triggered, &m_app, [this, i] { m_app.openRecentFile(i); });
        m_recentActions.append(a);
    }

    a = addCommand(QStringLiteral("windowCascade"), QStringLiteral("Über&lappend"),
                   QStringLiteral("Ordnet die Dokumentfenster überlappend an"));
    connect(a, &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    a = addCommand(QStringLiteral("windowTile"), QStringLiteral("&Nebeneinander"),
                   QStringLiteral("Ordnet die Dokumentfenster nebeneinander an"));
    connect(a, &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    a = addCommand(QStringLiteral("windowNext"), QStringLiteral("N&ächstes Fenster"),
                   QStringLiteral("Wechselt zum nächsten Dokumentfenster"), QKeySequence::NextChild);
    connect(a, &QAction::triggered, m_mdi, &QMdiArea::activateNextSubWindow);
    m_windowList = new QActionGroup(this);

    a = addCommand(QStringLiteral("appHelp"), QStringLiteral("&Hilfethemen"),
                   QStringLiteral("Öffnet das Handbuch zum Programm"), QKeySequence(Qt::Key_F1));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnHelp);
    a = addCommand(QStringLiteral("appAbout"), QStringLiteral("&Info über Kestrovane-Import..."),
                   QStringLiteral("Zeigt Version und Herkunft des Programms"));
    a->setIcon(AppIcons::icon(AppIcons::About));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnAppAbout);
    a = addCommand(QStringLiteral("appHomePage"), QStringLiteral("Home&page im Internet..."),
                   QStringLiteral("Öffnet die Homepage des Programms im Internet-Browser"));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnHomePage);
    a = addCommand(QStringLiteral("appWebUpdate"), QStringLiteral("&WebUpdate..."),
                   QStringLiteral("Sucht im Internet nach einer neueren Version des Programms"));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnWebUpdate);
    // A key only, without a menu entry: for the support line.
    a = addCommand(QStringLiteral("appSystemInfo"), QString(), QString(),
                   QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_I));
    connect(a, &QAction::triggered, &m_app, &CKestrovaneImportApp::OnSystemInfo);
    addAction(a);
}

void CMainFrame::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&Datei"));
    m_fileMenu->setObjectName(QStringLiteral("menuFile"));
    for (const char* name : {"fileNew", "fileOpen", "fileClose", "fileCloseAll"})
        m_fileMenu->addAction(command(QLatin1String(name)));
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(command(QStringLiteral("fileSave")));
    m_fileMenu->addAction(command(QStringLiteral("fileSaveAs")));
    m_viewFileAnchor = m_fileMenu->addSeparator();
    m_fileMenu->addAction(command(QStringLiteral("filePrintSetup")));
    m_recentSeparator = m_fileMenu->addSeparator();
    PrintSettingsCommands::install(*this, *m_fileMenu, m_app.printEnvironment(), m_recentSeparator);
    m_fileMenu->insertAction(m_recentSeparator, command(QStringLiteral("appProgramOptions")));
    m_fileMenu->insertAction(m_recentSeparator, command(QStringLiteral("appFieldDefinitions")));
    m_fileMenu->insertAction(m_recentSeparator, command(QStringLiteral("appMasterData")));
    m_fileMenu->addActions(m_recentActions);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(command(QStringLiteral("appExit")));

    m_editMenu = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    m_editMenu->setObjectName(QStringLiteral("menuEdit"));

    m_viewMenu = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    m_viewMenu->setObjectName(QStringLiteral("menuView"));

    m_formMenu = menuBar()->addMenu(QStringLiteral("&Formular"));
    m_formMenu->setObjectName(QStringLiteral("menuForm"));
    m_formCheckSeparator = m_formMenu->addSeparator();
    m_formMenu->addAction(m_formCheck->action());

    m_windowMenu = menuBar()->addMenu(QStringLiteral("F&enster"));   // "&Formular" has the F
    m_windowMenu->setObjectName(QStringLiteral("menuWindow"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::updateWindowMenu);
    // Filled once now, so that the key of "Nächstes Fenster" works before
    // the menu was ever opened.
    updateWindowMenu();

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&?"));
    m_helpMenu->setObjectName(QStringLiteral("menuHelp"));
    m_helpMenu->addAction(command(QStringLiteral("appHelp")));
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(command(QStringLiteral("appAbout")));
    m_helpMenu->addAction(command(QStringLiteral("appHomePage")));
    m_helpMenu->addAction(command(QStringLiteral("appWebUpdate")));

    for (QMenu* m : {m_fileMenu, m_editMenu, m_viewMenu, m_formMenu})
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::updateCommandUi);
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(StringTable::text(StringTable::ToolbarStandard));
    m_toolBar->setObjectName(QStringLiteral("toolBarStandard"));
    m_toolBar->addAction(command(QStringLiteral("fileNew")));
    m_toolBar->addAction(command(QStringLiteral("fileOpen")));
    m_toolBar->addAction(command(QStringLiteral("fileSave")));
    m_toolBarViewAnchor = m_toolBar->addSeparator();
    m_toolBar->addAction(command(QStringLiteral("appAbout")));
    for (QAction* a : m_toolBar->actions())
        nameKeyInToolTip(a);

    // The fixed entries of "Ansicht": tool bar and status bar on and off.
    QAction* toolBarToggle = m_toolBar->toggleViewAction();
    toolBarToggle->setText(QStringLiteral("&Symbolleiste"));
    toolBarToggle->setObjectName(QStringLiteral("viewToolBar"));
    toolBarToggle->setStatusTip(QStringLiteral("Blendet die Symbolleiste ein oder aus"));
    m_viewMenu->addAction(toolBarToggle);
}

void CMainFrame::createStatusBar()
{
    QAction* toggle = addCommand(QStringLiteral("viewStatusBar"), QStringLiteral("Status&leiste"),
                                 QStringLiteral("Blendet die Statusleiste ein oder aus"));
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
    m_viewMenu->addAction(toggle);

    m_pagePane = new QLabel(this);
    m_pagePane->setObjectName(QStringLiteral("statusPage"));
    m_pagePane->setMinimumWidth(220);
    m_modePane = new QLabel(this);
    m_modePane->setObjectName(QStringLiteral("statusMode"));
    m_modePane->setMinimumWidth(100);
    statusBar()->addPermanentWidget(m_pagePane);
    statusBar()->addPermanentWidget(m_modePane);
    statusBar()->showMessage(ReadyText);
}

QAction* CMainFrame::command(const QString& name) const
{
    return findChild<QAction*>(name);
}

QMenu* CMainFrame::menu(const QString& name) const
{
    return findChild<QMenu*>(name);
}

CChildFrame* CMainFrame::activeChildFrame() const
{
    // The current window stays current while a dialog or another program
    // has the focus, where the active one would be none.
    return qobject_cast<CChildFrame*>(m_mdi->currentSubWindow());
}

QString CMainFrame::statusText(int pane) const
{
    switch (pane) {
    case 0:
        return statusBar()->currentMessage();
    case FormViewInterface::PagePane:
        return m_pagePane->text();
    case FormViewInterface::ModePane:
        return m_modePane->text();
    default:
        return QString();
    }
}

void CMainFrame::activeWindowChanged(QMdiSubWindow* window)
{
    // Activation passes to "no window" while the main window itself loses
    // the focus; the menus keep the last view until another one comes.
    m_app.docManager().setCurrentFrame(activeChildFrame());
    auto* frame = qobject_cast<CChildFrame*>(window);
    if (frame && frame != m_shownFrame) {
        m_shownFrame = frame;
        frame->view().setStatusListener([this, frame] {
            if (frame == m_shownFrame)
                updateStatus();
        });
        frame->view().activated();
    }
    if (!frame && m_mdi->subWindowList().isEmpty())
        m_shownFrame = nullptr;
    m_formCheck->setActiveFrame(m_shownFrame);
    fillViewMenus();
    updateCommandUi();
}

void CMainFrame::fillViewMenus()
{
    for (QAction* a : std::as_const(m_lentActions)) {
        for (QWidget* w : {static_cast<QWidget*>(m_fileMenu), static_cast<QWidget*>(m_editMenu),
                           static_cast<QWidget*>(m_viewMenu), static_cast<QWidget*>(m_formMenu),
                           static_cast<QWidget*>(m_toolBar)})
            w->removeAction(a);
        // Separators are our own; the view's commands belong to the view.
        if (a->isSeparator() && a->parent() == this)
            delete a;
    }
    m_lentActions.clear();

    auto lend = [this](QWidget* target, QAction* before, const QList<QAction*>& actions, bool separatorFirst) {
        if (actions.isEmpty())
            return;
        if (separatorFirst) {
            auto* sep = new QAction(this);
            sep->setSeparator(true);
            target->insertAction(before, sep);
            m_lentActions.append(sep);
        }
        for (QAction* a : actions) {
            if (!a) {
                a = new QAction(this);
                a->setSeparator(true);
            }
            target->insertAction(before, a);
            m_lentActions.append(a);
        }
    };

    const bool hasView = m_shownFrame != nullptr;
    if (hasView) {
        FormViewInterface& view = m_shownFrame->view();
        using Menu = FormViewInterface::Menu;
        lend(m_fileMenu, m_viewFileAnchor, view.menuCommands(Menu::File), true);
        lend(m_editMenu, nullptr, view.menuCommands(Menu::Edit), false);
        lend(m_viewMenu, nullptr, view.menuCommands(Menu::View), true);
        lend(m_formMenu, m_formCheckSeparator, view.menuCommands(Menu::Form), false);
        const QList<QAction*> tools = view.menuCommands(Menu::ToolBar);
        for (QAction* a : tools) {
            if (a)
                nameKeyInToolTip(a);
        }
        lend(m_toolBar, m_toolBarViewAnchor, tools, true);
    }
    // Without a document there is nothing to edit, no form and no window.
    m_editMenu->menuAction()->setVisible(hasView && !m_editMenu->actions().isEmpty());
    m_formMenu->menuAction()->setVisible(hasView && !m_formMenu->actions().isEmpty());
    m_windowMenu->menuAction()->setVisible(hasView);
}

void CMainFrame::updateCommandUi()
{
    // A window that was closed in the meantime no longer lends its commands.
    if (m_shownFrame && !m_mdi->subWindowList().contains(m_shownFrame)) {
        m_shownFrame = nullptr;
        m_formCheck->setActiveFrame(nullptr);
        if (CChildFrame* next = activeChildFrame())
            activeWindowChanged(next);
        else
            fillViewMenus();
    }
    // Every change to a document reaches its title here: typing, commands
    // and dialogs mark it modified without telling the frame.
    for (CChildFrame* frame : m_app.docManager().frames()) {
        if (frame->isWindowModified() != frame->document().isModified())
            frame->updateTitle();
    }
    AppDocument* active = m_shownFrame ? &m_shownFrame->document() : nullptr;
    command(QStringLiteral("fileSave"))->setEnabled(active && active->isModified());
    for (const char* name : {"fileSaveAs", "fileClose", "fileCloseAll"})
        command(QLatin1String(name))->setEnabled(active != nullptr);
    updateTitle();
    updateStatus();
}

void CMainFrame::updateTitle()
{
    // A maximised document window adds " - [name]" to the title itself.
    // Its "[*]" (ours, or the one of the window's title that a maximised
    // window brings along) shows the active document's modified mark.
    QString title = StringTable::text(StringTable::ApplicationTitleFrame);
    if (m_shownFrame && !m_shownFrame->isMaximized())
        title += QStringLiteral(" - ") + m_shownFrame->windowTitle();
    if (title != m_titleBase) {
        m_titleBase = title;
        setWindowTitle(title);
    }
    setWindowModified(m_shownFrame && m_shownFrame->document().isModified()
                      && windowTitle().contains(QLatin1String("[*]")));
}

void CMainFrame::updateStatus()
{
    FormViewInterface* view = m_shownFrame ? &m_shownFrame->view() : nullptr;
    m_pagePane->setText(view ? view->statusText(FormViewInterface::PagePane) : QString());
    m_modePane->setText(view ? view->statusText(FormViewInterface::ModePane) : QString());
    if (statusBar()->currentMessage().isEmpty())
        statusBar()->showMessage(ReadyText);
}

void CMainFrame::updateRecentFiles()
{
    const QStringList files = m_app.docManager().recentFiles().files();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* a = m_recentActions.at(i);
        a->setVisible(i < files.size());
        if (i < files.size()) {
            a->setText(RecentFileList::menuText(i, files.at(i)));
            a->setData(files.at(i));
            a->setStatusTip(files.at(i));
        }
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void CMainFrame::updateWindowMenu()
{
    m_windowMenu->clear();
    m_windowMenu->addAction(command(QStringLiteral("windowCascade")));
    m_windowMenu->addAction(command(QStringLiteral("windowTile")));
    m_windowMenu->addAction(command(QStringLiteral("windowNext")));
    for (QAction* a : m_windowList->actions())
        delete a;
    const QList<CChildFrame*> frames = m_app.docManager().frames();
    if (!frames.isEmpty())
        m_windowMenu->addSeparator();
    for (int i = 0; i < frames.size(); ++i) {
        CChildFrame* frame = frames.at(i);
        QString title = frame->document().title();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (frame->document().isModified())
            title += QLatin1Char('*');
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(title), m_windowList);
        a->setStatusTip(QStringLiteral("Holt das Fenster von %1 nach vorn").arg(frame->document().title()));
        a->setObjectName(QStringLiteral("window%1").arg(i + 1));
        a->setCheckable(true);
        a->setChecked(frame == m_mdi->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, frame] { m_mdi->setActiveSubWindow(frame); });
        m_windowMenu->addAction(a);
    }
}

bool CMainFrame::selectPrinter(const QString& name)
{
    // The print commands know how; they work on the program's printer and
    // report through the program's messages (set at start-up).
    return m_app.printEnvironment().selectPrinter(this, name);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_app.docManager().closeAllDocuments()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool CMainFrame::acceptsDrop(const QEvent* event) const
{
    const QMimeData* data = static_cast<const QDropEvent*>(event)->mimeData();
    if (!data || !data->hasUrls())
        return false;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return true;
    }
    return false;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        updateCommandUi();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this || !acceptsDrop(event))
            break;
        auto* drop = static_cast<QDropEvent*>(event);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop) {
            const QList<QUrl> urls = drop->mimeData()->urls();
            // Opening may ask questions; the drag source must not wait.
            QTimer::singleShot(0, this, [this, urls] {
                for (const QUrl& url : urls) {
                    if (url.isLocalFile())
                        m_app.docManager().openDocument(url.toLocalFile());
                }
            });
        }
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
