#include "app/CKestrovaneImportApp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QTextStream>
#include <QTranslator>

#include "app/AppIcons.h"
#include "app/CAboutDlg.h"
#include "app/CDlgNewEhpapier.h"
#include "app/DialogTitleFit.h"
#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/Common_DlgInternalInfo.h"
#include "app/DocTemplate.h"
#include "app/EhAppDocument.h"
#include "app/Dv1AppDocument.h"
#include "app/Dv1ViewAdapter.h"
#include "app/EhViewAdapter.h"
#include "form/FieldDefinitions.h"
#include "app/HomePage.h"
#include "app/UpdateSite.h"
#include "settings/Profile.h"
#include "settings/HelpKey.h"
#include "settings/HelpTopics.h"
#include "settings/StringTable.h"
#include "app/SystemInfoReport.h"
#include "app/WidgetPrompt.h"
#include "masterdata/CDlgStammDatenEingabe.h"
#include "masterdata/DefaultTables.h"
#include "masterdata/TablePath.h"
#include "print/EhPrintController.h"
#include "view/CEinheitspapierView.h"

namespace {

CKestrovaneImportApp* s_instance = nullptr;

} // namespace

CKestrovaneImportApp::CKestrovaneImportApp(QObject* parent)
    : QObject(parent)
    , m_formSetChooser(&CDlgNewEhpapier::ask)
    , m_ownPrompt(std::make_unique<WidgetPrompt>())
    , m_prompt(m_ownPrompt.get())
{
    s_instance = this;
    new DialogTitleFit(this);   // every dialog wide enough for its title
    m_docManager.setPrompt(m_prompt);
    setProgramDirectory(QCoreApplication::applicationDirPath());
}

CKestrovaneImportApp::~CKestrovaneImportApp()
{
    // Documents go before the object their views call back into.
    m_mainFrame.reset();
    if (s_instance == this)
        s_instance = nullptr;
}

CKestrovaneImportApp* CKestrovaneImportApp::instance()
{
    return s_instance;
}

void CKestrovaneImportApp::setProgramDirectory(const QString& directory)
{
    m_programDirectory = directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

void CKestrovaneImportApp::setPrompt(AppPrompt* prompt)
{
    m_prompt = prompt ? prompt : m_ownPrompt.get();
    m_docManager.setPrompt(m_prompt);
}

QPrinter& CKestrovaneImportApp::printer()
{
    // Made on first use: looking for printers can take a moment.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool CKestrovaneImportApp::InitInstance(const QStringList& arguments)
{
    // The desktop finds the program's icon and entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("kestrovane-import"));
    QCoreApplication::setOrganizationName(QString::fromLatin1(Settings::Organisation));
    QCoreApplication::setApplicationName(QString::fromLatin1(Settings::Application));
    m_language = Profile::get(Settings::Language);
    loadPlatformTranslations();

    registerDocumentTemplates();
    registerWithDesktop();

    if (!arguments.isEmpty() && arguments.constFirst().startsWith(QLatin1String("-init"))) {
        grantWriteAccess(QStringLiteral("Artikel1.dbf"));
        grantWriteAccess(QStringLiteral("Adress1.dbf"));
        // Run without a window: the note goes to the console.
        DefaultTables tables(m_registry.GetDataDirectory(true));
        const bool created = tables.createMissing();
        QTextStream(stdout) << tables.notice() << (tables.created().isEmpty() ? "" : "\n");
        if (!created)
            QTextStream(stderr) << tables.errorMessage() << '\n';
        return false;
    }

    QApplication::setWindowIcon(AppIcons::applicationIcon());
    // F1 and the "Hilfe" buttons open the manual at the current topic.
    m_helpKey = std::make_unique<HelpKey>(m_help, HelpTopics::manualFolder(m_programDirectory),
                                          HelpTopics::manualCandidates(m_programDirectory));
    QCoreApplication::instance()->installEventFilter(m_helpKey.get());
    m_mainFrame = std::make_unique<CMainFrame>(*this);
    m_docManager.setDialogParent(m_mainFrame.get());
    m_fieldDefinitions.load(m_registry);

    // The window comes first so the chooser and any message stand over it.
    // Without a window manager (a bare X server) maximising is a wish nobody
    // grants, so the window takes the screen's free area itself.
    if (const QScreen* screen = m_mainFrame->screen())
        m_mainFrame->setGeometry(screen->availableGeometry());
    m_mainFrame->showMaximized();
    createMasterDataTables();
    if (!arguments.isEmpty()) {
        for (const QString& path : arguments)
            m_docManager.openDocument(path);
    } else {
        OnFileNew();
    }

    if (Profile::get(Settings::SplashScreen) != 0)
        CSplashWnd::showSplashScreen(m_mainFrame.get(), Profile::get(Settings::SplashScreen));
    return true;
}

void CKestrovaneImportApp::loadPlatformTranslations()
{
    // The file dialogs and standard buttons speak the program's language.
    if (m_language == 1)
        return;
    m_translator = std::make_unique<QTranslator>();
    if (m_translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_translator.get());
}

void CKestrovaneImportApp::registerDocumentTemplates()
{
    if (!m_docManager.templates().isEmpty())
        return;
    // Einheitspapier first: it is the type of files nobody claims.
    m_docManager.addTemplate(std::make_unique<DocTemplate>(
        EhAppDocument::TemplateStrings, 0,
        [](DocTemplate& type) { return std::make_unique<EhAppDocument>(type); },
        [this](AppDocument& document, QWidget* parent) {
            return std::make_unique<EhViewAdapter>(*this, static_cast<EhAppDocument&>(document), parent);
        }));
    m_docManager.addTemplate(std::make_unique<DocTemplate>(
        Dv1AppDocument::TemplateStrings, Dv1AppDocument::RequestedForm,
        [](DocTemplate& type) { return std::make_unique<Dv1AppDocument>(type); },
        [this](AppDocument& document, QWidget* parent) {
            return std::make_unique<Dv1ViewAdapter>(*this, static_cast<Dv1AppDocument&>(document), parent);
        }));

    // Every view prints on the program's printer and reports through the
    // program's messages.
    m_printEnvironment.printer = [this]() -> QPrinter& { return printer(); };
    m_printEnvironment.help = &m_help;
    m_printEnvironment.message = [this](QWidget* parent, const QString& text) {
        m_prompt->showMessage(parent, text);
    };
    m_printEnvironment.selectPrinter = [this](QWidget* parent, const QString& name) {
        return PrintEnvironment::selectByName(printer(), name,
                                              [&](const QString& text) { m_prompt->showMessage(parent, text); });
    };
}

void CKestrovaneImportApp::registerWithDesktop()
{
    m_registry.setMessageHandler([this](const QString& message) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QMessageBox::warning(m_mainFrame.get(), StringTable::text(StringTable::ApplicationTitle), message);
        else
            qWarning("%s", qPrintable(message));
    });
    // The dozen values below reach the disk together, and only those that
    // changed since the last start.
    CRegeditManagment::WriteBatch batch(m_registry);
    m_registry.Initialise(QString::fromLatin1(BuildDate));
    const quint32 version = m_registry.GetVersion();
    m_registry.RefreshFileType(QStringLiteral(".aef"), version);
    m_registry.RefreshFileType(QStringLiteral(".fdv"), version);
    m_registry.RegisterDocumentTypes();
    m_registry.WriteVersionValues();
    m_registry.RegisterOpenCommands();
}

void CKestrovaneImportApp::createMasterDataTables()
{
    // The first start makes the tables in the data folder and says where
    // that is, once: later starts find them there and say nothing.
    DefaultTables tables(m_registry.GetDataDirectory(true));
    if (!tables.createMissing())
        m_prompt->showMessage(m_mainFrame.get(),
                              QStringLiteral("Die Stammdaten konnten nicht angelegt werden.\n%1").arg(tables.errorMessage()));
    else if (!tables.notice().isEmpty())
        m_prompt->showNote(m_mainFrame.get(), tables.notice());
}

bool CKestrovaneImportApp::grantWriteAccess(const QString& fileName)
{
    // The table names match in any spelling, as everywhere else.
    QFile file(tablepath::resolve(m_programDirectory + fileName));
    if (!file.exists())
        return false;
    return file.setPermissions(file.permissions() | QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                               QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther);
}

void CKestrovaneImportApp::OnFileNew()
{
    const bool offerDv1 = m_docManager.templateForForm(Dv1Form) != nullptr;
    int choice = -1;
    {
        HelpContext::Scope help(&m_help, HelpTopics::NewDocument);
        choice = m_prompt->chooseNewDocument(m_mainFrame.get(), offerDv1);
    }
    if (choice < 0)
        return;
    m_requestedForm = choice;
    if (DocTemplate* type = m_docManager.templateForForm(choice))
        m_docManager.newDocument(*type);
}

void CKestrovaneImportApp::OnFileOpen()
{
    m_docManager.promptOpen(m_requestedForm);
}

void CKestrovaneImportApp::openRecentFile(int index)
{
    const QStringList files = m_docManager.recentFiles().files();
    if (index < 0 || index >= files.size())
        return;
    bool unreadable = false;
    if (!m_docManager.openDocument(files.at(index), &unreadable) && unreadable)
        m_docManager.recentFiles().remove(files.at(index));
    emit m_docManager.documentsChanged();
}

void CKestrovaneImportApp::OnFilePrintSetup()
{
    HelpContext::Scope help(&m_help, HelpTopics::PrintSetup);
    m_printEnvironment.printSetup(m_mainFrame.get(), printer());
}

void CKestrovaneImportApp::OnHelp()
{
    if (m_helpKey)
        m_helpKey->showHelp(m_mainFrame.get());
}

void CKestrovaneImportApp::OnAppAbout()
{
    HelpContext::Scope help(&m_help, HelpTopics::About);
    CAboutDlg dialog(m_registry.buildDate(), m_mainFrame.get());
    dialog.exec();
}

void CKestrovaneImportApp::OnStammdaten()
{
    CDlgStammDatenEingabe dialog(CDlgStammDatenEingabe::Use::Maintenance, m_registry.GetDataDirectory(true), &m_help,
                                 m_mainFrame.get());
    if (dialog.load())
        dialog.exec();
}

void CKestrovaneImportApp::OnSystemInfo()
{
    const SystemInfoReport::Facts facts = SystemInfoReport::gather(m_programDirectory, m_registry.buildDate());
    Common_DlgInternalInfo dialog(SystemInfoReport::text(facts), m_registry.GetDataDirectory(false),
                                  m_mainFrame.get());
    dialog.exec();
}

void CKestrovaneImportApp::OnHomePage()
{
    QString message;
    if (!HomePage::open(UpdateSite::current(), &message))
        m_prompt->showMessage(m_mainFrame.get(), message);
}
