#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "app/DocManager.h"
#include "form/FieldDefinitions.h"
#include "print/PrintEnvironment.h"
#include "settings/CRegeditManagment.h"
#include "settings/HelpContext.h"

class AppPrompt;
class HelpKey;
class CMainFrame;
class QPrinter;
class QTranslator;
class QWidget;

// The program: start-up, the document types, the main window, and the
// commands that belong to no document (new, open, print setup, about box,
// system information, home page). There is one, reached through instance().
class CKestrovaneImportApp : public QObject
{
    Q_OBJECT

public:
    // The date the registry manager records as the program's creation date.
    static constexpr const char* BuildDate = "Apr  9 2021";
    // The requested form of the D.V.1 (0..3 are the Einheitspapier sets).
    static constexpr int Dv1Form = 99;

    explicit CKestrovaneImportApp(QObject* parent = nullptr);
    ~CKestrovaneImportApp() override;

    static CKestrovaneImportApp* instance();

    // The start-up: settings, document types, desktop registration, the
    // main window, the field definitions, the first document and the
    // splash window. arguments are the command line without the program
    // name. False when the program is to end at once ("-init", or no main
    // window).
    bool InitInstance(const QStringList& arguments);

    // "Settings"/"Language" as read at start-up; 1 = English.
    int language() const { return m_language; }
    // The folder of the executable, with a trailing "/".
    QString programDirectory() const { return m_programDirectory; }
    void setProgramDirectory(const QString& directory);

    // The form chosen last: 0..3 an Einheitspapier form set, 99 the D.V.1.
    // The new-document chooser sets it, and so does an Einheitspapier view
    // when it gets the focus.
    int requestedForm() const { return m_requestedForm; }
    void setRequestedForm(int form) { m_requestedForm = form; }

    // The help topic of the dialog that is open.
    int helpContext() const { return m_help.current(); }
    void setHelpContext(int context) { m_help.set(context); }
    // The same, for the views that open dialogs of their own.
    HelpContext& help() { return m_help; }
    // F1 and the help window; none before start-up.
    HelpKey* helpKey() const { return m_helpKey.get(); }

    CRegeditManagment& registry() { return m_registry; }
    DocManager& docManager() { return m_docManager; }
    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    QPrinter& printer();
    // The flag tables every view and print job works with, loaded from the
    // store at start-up.
    FieldDefinitions& fieldDefinitions() { return m_fieldDefinitions; }
    // What printing needs of the program: its printer and messages.
    PrintEnvironment& printEnvironment() { return m_printEnvironment; }
    // The "Neues Einheitspapier" question of a view whose document has no
    // form set: 0..3, or -1 for cancel. The dialog unless set otherwise.
    using FormSetChooser = std::function<int(QWidget* parent)>;
    const FormSetChooser& formSetChooser() const { return m_formSetChooser; }
    void setFormSetChooser(FormSetChooser chooser) { m_formSetChooser = std::move(chooser); }

    // Questions go to the dialogs unless another answerer is set (tests).
    AppPrompt& prompt() const { return *m_prompt; }
    void setPrompt(AppPrompt* prompt);

    // Starts the program anew; the default runs this executable again.
    // False when it could not be started.
    void setRestarter(std::function<bool()> restarter) { m_restarter = std::move(restarter); }

    // Read and write for everybody on a file of the program directory, so
    // that every user of the machine can work with the shared tables.
    bool grantWriteAccess(const QString& fileName);

public slots:
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    // "&Hilfethemen" (F1): the manual at the current topic.
    void OnHelp();
    void OnAppAbout();
    // "Sta&mmdaten...": the goods master data to maintain.
    void OnStammdaten();
    void OnSystemInfo();
    void OnHomePage();
    // "Qzn WebUpdate" on the program's site.
    void OnWebUpdate();
    // "Programmvorgaben und Einstellungen...".
    void OnProgramOptions();
    // "Formularfelder (Einheitspapier) definieren...": every document is
    // closed first (with the save question), and after OK the program
    // starts anew with the new definitions.
    void OnEditFieldDefinitions();
    // Entry index (0-based) of the recent-file list; an entry whose file
    // cannot be read any more is dropped from the list.
    void openRecentFile(int index);

private:
    // The goods and address tables in the data folder, made on the first
    // start with a note to the user where they are.
    void createMasterDataTables();
    void registerDocumentTemplates();
    void registerWithDesktop();
    void loadPlatformTranslations();

    int m_language = 0;
    QString m_programDirectory;
    int m_requestedForm = 0;
    HelpContext m_help;
    std::unique_ptr<HelpKey> m_helpKey;
    CRegeditManagment m_registry;
    FieldDefinitions m_fieldDefinitions;
    PrintEnvironment m_printEnvironment = PrintEnvironment::defaults();
    FormSetChooser m_formSetChooser;
    DocManager m_docManager;
    std::unique_ptr<AppPrompt> m_ownPrompt;
    AppPrompt* m_prompt = nullptr;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QTranslator> m_translator;
    std::function<bool()> m_restarter;
};
