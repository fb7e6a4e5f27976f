#pragma once

#include <QString>

class FileDialogFilters;
class QWidget;

// Every question the document handling asks the user. The program answers
// them with dialogs (WidgetPrompt); tests answer them with a script, so the
// document handling runs without anybody at the keyboard.
class AppPrompt
{
public:
    enum class SaveAnswer { Yes, No, Cancel };

    virtual ~AppPrompt() = default;

    // "Änderungen an EhForm1 speichern?" with Ja, Nein and Abbrechen.
    virtual SaveAnswer askSaveChanges(QWidget* parent, const QString& documentTitle) = 0;
    // An error or a note, with OK.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Information that is no failure, with OK.
    virtual void showNote(QWidget* parent, const QString& text) { showMessage(parent, text); }
    // The open and save-as dialogs; an empty result means cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogFilters& filters) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogFilters& filters, const QString& proposal) = 0;
    // "Neues Dokument erzeugen": 0..3 for an Einheitspapier form set, 99 for
    // the D.V.1 (offered only when offerDv1), -1 when cancelled.
    virtual int chooseNewDocument(QWidget* parent, bool offerDv1) = 0;
};
