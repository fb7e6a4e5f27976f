#pragma once

#include <QFileDialog>

#include <memory>

#include "app/AppPrompt.h"

// The questions of AppPrompt as the user sees them: message boxes, the
// file dialogs and the new-document chooser.
class WidgetPrompt : public AppPrompt
{
public:
    // The question in the current language, e.g. "Änderungen an EhForm1 speichern?".
    static QString saveChangesText(const QString& documentTitle);

    // A file dialog set up with the filters and the preselected entry; the
    // dialog title is "Öffnen" or "Speichern unter".
    static std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                                       const FileDialogFilters& filters,
                                                       const QString& proposal = QString());

    SaveAnswer askSaveChanges(QWidget* parent, const QString& documentTitle) override;
    void showMessage(QWidget* parent, const QString& text) override;
    void showNote(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const FileDialogFilters& filters) override;
    QString saveFileName(QWidget* parent, const FileDialogFilters& filters, const QString& proposal) override;
    int chooseNewDocument(QWidget* parent, bool offerDv1) override;
};
