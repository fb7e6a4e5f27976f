// The application's settings commands: program settings, field definitions
// and the update check.
#include "app/CKestrovaneImportApp.h"

#include <QCoreApplication>
#include <QProcess>

#include "app/AppPrompt.h"
#include "app/CDlgEditFeldDefinitionen.h"
#include "app/CDlgProgramOptions.h"
#include "app/CMainFrame.h"
#include "app/Common_DlgWebUpdateD.h"
#include "settings/HelpContext.h"
#include "settings/HelpTopics.h"
#include "form/FieldDefinitions.h"
#include "settings/StringTable.h"

void CKestrovaneImportApp::OnWebUpdate()
{
    HelpContext::Scope help(&m_help, HelpTopics::WebUpdate);
    Common_DlgWebUpdateD dialog(m_registry.applicationName(),
                                {m_registry.majorVersion(), m_registry.minorVersion(), m_registry.buildNumber()},
                                Common_DlgWebUpdateD::Context{}, m_mainFrame.get());
    dialog.exec();
}

void CKestrovaneImportApp::OnEditFieldDefinitions()
{
    // Open documents draw and print with the tables being edited, so they
    // go first, each modified one after the save question.
    m_prompt->showMessage(m_mainFrame.get(), StringTable::text(StringTable::FieldDefinitionsNeedClosedDocuments));
    if (!m_docManager.closeAllDocuments())
        return;

    {
        HelpContext::Scope help(&m_help, HelpTopics::FieldDefinitions);
        CDlgEditFeldDefinitionen dialog(m_fieldDefinitions, m_registry, m_mainFrame.get());
        if (dialog.exec() != QDialog::Accepted)
            return;
    }

    const bool restarted = m_restarter ? m_restarter() : QProcess::startDetached(
                                                             QCoreApplication::applicationFilePath(), {});
    if (!restarted) {
        // The new definitions are stored and already in use; only the
        // automatic restart failed, so this instance goes on.
        m_prompt->showMessage(m_mainFrame.get(),
                              QStringLiteral("Das Programm konnte nicht neu gestartet werden. Die neuen "
                                             "Felddefinitionen sind gespeichert und gelten für alle Dokumente, "
                                             "die Sie jetzt öffnen."));
        return;
    }
    m_mainFrame->close();
}

void CKestrovaneImportApp::OnProgramOptions()
{
    HelpContext::Scope help(&m_help, HelpTopics::ProgramOptions);
    CDlgProgramOptions dialog(m_registry.GetDataDirectory(true), m_mainFrame.get());
    dialog.exec();
}
