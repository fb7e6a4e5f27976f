#include "app/WidgetPrompt.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/CDlgNew.h"
#include "app/DocManager.h"
#include "app/FileDialogFilters.h"
#include "settings/StringTable.h"

namespace {

QString appTitle()
{
    return StringTable::text(StringTable::ApplicationTitle);
}

} // namespace

QString WidgetPrompt::saveChangesText(const QString& documentTitle)
{
    return StringTable::choose(QStringLiteral("Änderungen an %1 speichern?"), QStringLiteral("Save changes to %1?"))
        .arg(documentTitle);
}

std::unique_ptr<QFileDialog> WidgetPrompt::makeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                                          const FileDialogFilters& filters, const QString& proposal)
{
    const bool saving = mode == QFileDialog::AcceptSave;
    auto dialog = std::make_unique<QFileDialog>(
        parent, StringTable::text(saving ? StringTable::FileSaveAsTitle : StringTable::FileOpenTitle));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilters(filters.nameFilters());
    dialog->selectNameFilter(filters.selectedNameFilter());
    // Folder and name apart: a name with a folder that is not there would
    // otherwise be taken relative to the dialog's present folder.
    if (!proposal.isEmpty()) {
        const QFileInfo info(proposal);
        dialog->setDirectory(info.absolutePath());
        dialog->selectFile(info.fileName());
    } else {
        dialog->setDirectory(DocManager::proposalFolder());
    }
    return dialog;
}

AppPrompt::SaveAnswer WidgetPrompt::askSaveChanges(QWidget* parent, const QString& documentTitle)
{
    QMessageBox box(QMessageBox::Warning, appTitle(), saveChangesText(documentTitle),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(StringTable::choose(QStringLiteral("&Ja"), QStringLiteral("&Yes")));
    box.button(QMessageBox::No)->setText(StringTable::choose(QStringLiteral("&Nein"), QStringLiteral("&No")));
    box.button(QMessageBox::Cancel)->setText(StringTable::choose(QStringLiteral("Abbrechen"), QStringLiteral("Cancel")));
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

void WidgetPrompt::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, appTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void WidgetPrompt::showNote(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, appTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

QString WidgetPrompt::openFileName(QWidget* parent, const FileDialogFilters& filters)
{
    auto dialog = makeFileDialog(parent, QFileDialog::AcceptOpen, filters);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

QString WidgetPrompt::saveFileName(QWidget* parent, const FileDialogFilters& filters, const QString& proposal)
{
    auto dialog = makeFileDialog(parent, QFileDialog::AcceptSave, filters, proposal);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

int WidgetPrompt::chooseNewDocument(QWidget* parent, bool offerDv1)
{
    CDlgNew dialog(offerDv1, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.choice() : -1;
}
