#pragma once

#include <QList>
#include <QMainWindow>

class AppDocument;
class CChildFrame;
class CKestrovaneImportApp;
class FormCheckPanel;
class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: menu bar, the "Standard" tool bar, the status bar, and
// the area that holds one window per open document. While a document
// window is active, its view lends its commands to the menus and writes
// its texts into the status bar.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(CKestrovaneImportApp& app);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return m_mdi; }
    CChildFrame* activeChildFrame() const;
    FormCheckPanel& formCheck() const { return *m_formCheck; }

    // Commands by object name ("fileNew", "fileSave", "recentFile1" ...).
    QAction* command(const QString& name) const;
    QMenu* menu(const QString& name) const;

    // Status bar texts: the message pane, the page pane and the mode pane.
    QString statusText(int pane) const;

    // Makes the named printer the program's printer; when it is not there,
    // says so and keeps the default printer.
    bool selectPrinter(const QString& name);

    // Brings menus, tool bar, titles and status texts up to date with the
    // active document. Runs on a short timer and before each shortcut, so a
    // key press never meets a stale enabled state.
    void updateCommandUi();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    QAction* addCommand(const QString& name, const QString& text, const QString& statusTip,
                        const QKeySequence& shortcut = {});
    static void nameKeyInToolTip(QAction* action);

    void activeWindowChanged(QMdiSubWindow* window);
    void fillViewMenus();
    void updateRecentFiles();
    void updateWindowMenu();
    void updateTitle();
    void updateStatus();
    bool acceptsDrop(const QEvent* event) const;

    CKestrovaneImportApp& m_app;
    QMdiArea* m_mdi = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_formMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    FormCheckPanel* m_formCheck = nullptr;
    QAction* m_formCheckSeparator = nullptr;   // the view's form commands go before it
    QAction* m_viewFileAnchor = nullptr;  // the view's file commands go before it
    QAction* m_recentSeparator = nullptr;
    QList<QAction*> m_recentActions;
    QList<QAction*> m_lentActions;       // the active view's commands in our menus
    QAction* m_toolBarViewAnchor = nullptr;
    QActionGroup* m_windowList = nullptr;
    QLabel* m_pagePane = nullptr;
    QLabel* m_modePane = nullptr;
    CChildFrame* m_shownFrame = nullptr;
    QString m_titleBase;
};
