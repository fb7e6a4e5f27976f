#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

#include "app/RecentFileList.h"
#include "settings/SettingsKeys.h"

class AppDocument;
class AppPrompt;
class CChildFrame;
class QWidget;
class DocTemplate;

// The document types and the open documents: new, open, save, save as and
// close, with the question before a modified document is closed. Each open
// document lives in one CChildFrame; the main window shows the frames it is
// told of (frameOpened) and reports which one is current.
class DocManager : public QObject
{
    Q_OBJECT

public:
    explicit DocManager(QObject* parent = nullptr);
    ~DocManager() override;

    void addTemplate(std::unique_ptr<DocTemplate> docTemplate);
    QList<DocTemplate*> templates() const;
    // The type of a requested form (0..3 Einheitspapier, 99 D.V.1); null
    // when the program has no such type.
    DocTemplate* templateForForm(int requestedForm) const;
    // The type of a file: by its first bytes, by its extension when they
    // name neither type, else the first type (which then reports a file it
    // does not know).
    DocTemplate* templateForFile(const QString& path) const;

    // Where questions and messages appear (the main window).
    void setDialogParent(QWidget* parent) { m_parent = parent; }
    // The main window reports the current document window.
    void setCurrentFrame(CChildFrame* frame);
    // A document window reports that it has closed.
    void frameClosed(CChildFrame* frame);
    void setPrompt(AppPrompt* prompt) { m_prompt = prompt; }
    AppPrompt* prompt() const { return m_prompt; }
    RecentFileList& recentFiles() { return m_recent; }

    QList<CChildFrame*> frames() const;
    QList<AppDocument*> documents() const;
    AppDocument* activeDocument() const;
    CChildFrame* frameOf(const AppDocument* document) const;

    // A new document of the type in a new window; null when its view was
    // cancelled (no form set chosen).
    AppDocument* newDocument(DocTemplate& docTemplate);
    // Opens path, or activates its window when it is open already. A file
    // that cannot be read is reported, unreadable set and null returned.
    AppDocument* openDocument(const QString& path, bool* unreadable = nullptr);
    // The open dialog, then openDocument.
    AppDocument* promptOpen(int requestedForm);

    // Saves to the document's file, or asks for one when it has none.
    bool saveDocument(AppDocument& document);
    bool saveDocumentAs(AppDocument& document);
    // The folder the save dialog proposes for a document without a file:
    // the user's documents folder, made when it is missing, else the home
    // folder.
    static QString proposalFolder();
    // Saves under path without asking (after the dialog, and for tests).
    bool saveDocumentTo(AppDocument& document, const QString& path);

    // The question before a modified document goes: Yes saves (false when
    // saving failed or was cancelled), No discards, Cancel keeps it.
    bool saveModified(AppDocument& document);
    // Asks for every modified document in turn; false on the first cancel.
    bool saveAllModified();

    bool closeDocument(AppDocument& document);
    // Asks for each modified document first, then closes them all; false
    // (and nothing closed) when the user cancelled a question.
    bool closeAllDocuments();

signals:
    void documentsChanged();
    // A new document window, for the main window to show and make current.
    void frameOpened(CChildFrame* frame);
    // The window of a document opened once more, to be made current.
    void frameRequested(CChildFrame* frame);
    // A document got a new file name or title.
    void titleChanged(AppDocument* document);

private:
    CChildFrame* createFrame(std::unique_ptr<AppDocument> document);

    std::vector<std::unique_ptr<DocTemplate>> m_templates;
    QWidget* m_parent = nullptr;
    QList<QPointer<CChildFrame>> m_frames;
    QPointer<CChildFrame> m_current;
    AppPrompt* m_prompt = nullptr;
    RecentFileList m_recent;
};
