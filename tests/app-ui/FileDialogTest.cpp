// The filter list of the open and save-as dialogs, its order and which
// entry is preselected, as the program's own dialog shows them.
#include <gtest/gtest.h>

#include "AppUiTestSupport.h"
#include "TestSupport.h"
#include "app/FileDialogFilters.h"
#include "settings/Profile.h"
#include "app/WidgetPrompt.h"

namespace {

const QString All = QStringLiteral("Alle Kestrovane Dateien (*.aef *.fdv)");
const QString Eh = QStringLiteral("Einheitspapier. (*.aef)");
const QString Dv1 = QStringLiteral("DV1 Dokument. (*.fdv)");
const QString AllFiles = QStringLiteral("Alle Dateien (*.*)");

} // namespace

TEST(FileDialogFilters, OrderAndPreselectionFollowTheRequestedForm)
{
    testsupport::clearSettings();
    const QStringList normal{All, Eh, Dv1, AllFiles};
    for (int form : {0, 1, 2, 3}) {
        const FileDialogFilters f = FileDialogFilters::forRequestedForm(form);
        EXPECT_EQ(f.nameFilters(), normal);
        EXPECT_EQ(f.selectedNameFilter(), Eh) << form;
    }
    EXPECT_EQ(FileDialogFilters::forRequestedForm(99).selectedNameFilter(), Dv1);
    // Anything else (no choice yet, a stray value) preselects both types.
    EXPECT_EQ(FileDialogFilters::forRequestedForm(-1).selectedNameFilter(), All);
    EXPECT_EQ(FileDialogFilters::forRequestedForm(4).selectedNameFilter(), All);
    EXPECT_EQ(FileDialogFilters::forRequestedForm(5).selectedIndex(), 0);
}

TEST(FileDialogFilters, NoFileFilterPutsAllFilesFirstAndKeepsThePreselection)
{
    testsupport::clearSettings();
    Profile::set(Settings::NoFileFilter, 1);
    const FileDialogFilters f = FileDialogFilters::forRequestedForm(0);
    EXPECT_EQ(f.nameFilters(), (QStringList{AllFiles, All, Eh, Dv1}));
    EXPECT_EQ(f.selectedNameFilter(), Eh);
    EXPECT_EQ(f.selectedIndex(), 2);
    EXPECT_EQ(FileDialogFilters::forRequestedForm(99).selectedNameFilter(), Dv1);
    EXPECT_EQ(FileDialogFilters::forRequestedForm(-1).selectedNameFilter(), All);

    // Any non-zero value counts.
    Profile::set(Settings::NoFileFilter, -3);
    EXPECT_EQ(FileDialogFilters::forRequestedForm(0).nameFilters().constFirst(), AllFiles);
}

TEST(FileDialogFilters, TheRealDialogsCarryTheListTitleAndPreselection)
{
    testsupport::clearSettings();
    Profile::set(Settings::NoFileFilter, 1);
    auto open = WidgetPrompt::makeFileDialog(nullptr, QFileDialog::AcceptOpen, FileDialogFilters::forRequestedForm(2));
    EXPECT_EQ(open->windowTitle(), QStringLiteral("Öffnen"));
    EXPECT_EQ(open->nameFilters(), (QStringList{AllFiles, All, Eh, Dv1}));
    EXPECT_EQ(open->selectedNameFilter(), Eh);
    EXPECT_EQ(open->fileMode(), QFileDialog::ExistingFile);

    testsupport::TempDir dir;
    Profile::set(Settings::NoFileFilter, 0);
    auto save = WidgetPrompt::makeFileDialog(nullptr, QFileDialog::AcceptSave, FileDialogFilters::forRequestedForm(99),
                                             dir.file(QStringLiteral("EhForm1.aef")));
    EXPECT_EQ(save->windowTitle(), QStringLiteral("Speichern unter"));
    EXPECT_EQ(save->nameFilters().constLast(), AllFiles);
    EXPECT_EQ(save->selectedNameFilter(), Dv1);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
}

TEST(FileDialogFilters, SavedNamesWithoutExtensionGetTheDocumentsOne)
{
    EXPECT_EQ(FileDialogFilters::withExtension(QStringLiteral("/tmp/Kunde"), QStringLiteral(".aef")),
              QStringLiteral("/tmp/Kunde.aef"));
    EXPECT_EQ(FileDialogFilters::withExtension(QStringLiteral("/tmp/Kunde.aef"), QStringLiteral(".aef")),
              QStringLiteral("/tmp/Kunde.aef"));
    // A name the user gave an extension keeps it; a dot in a folder is no extension.
    EXPECT_EQ(FileDialogFilters::withExtension(QStringLiteral("/tmp/Kunde.alt"), QStringLiteral(".aef")),
              QStringLiteral("/tmp/Kunde.alt"));
    EXPECT_EQ(FileDialogFilters::withExtension(QStringLiteral("/tmp/v1.2/Kunde"), QStringLiteral(".aef")),
              QStringLiteral("/tmp/v1.2/Kunde.aef"));
}
