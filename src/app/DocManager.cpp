#include "app/DocManager.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/AppDocument.h"
#include "app/AppPrompt.h"
#include "app/CChildFrame.h"
#include "app/DocTemplate.h"
#include "app/FileDialogFilters.h"
#include "app/FormViewInterface.h"
#include "dv1/DocumentFileType.h"

DocManager::DocManager(QObject* parent)
    : QObject(parent)
    , m_recent(Settings::RecentFileCount)
{
}

DocManager::~DocManager() = default;

void DocManager::addTemplate(std::unique_ptr<DocTemplate> docTemplate)
{
    m_templates.push_back(std::move(docTemplate));
}

QList<DocTemplate*> DocManager::templates() const
{
    QList<DocTemplate*> result;
    for (const auto& t : m_templates)
        result.append(t.get());
    return result;
}

DocTemplate* DocManager::templateForForm(int requestedForm) const
{
    const bool dv1 = requestedForm == FileDialogFilters::Dv1Form;
    for (const auto& t : m_templates) {
        if ((t->requestedForm() == FileDialogFilters::Dv1Form) == dv1)
            return t.get();
    }
    return nullptr;
}

DocTemplate* DocManager::templateForFile(const QString& path) const
{
    // As the command-line tool decides: the file's first bytes, else its
    // extension; the Einheitspapier takes what names neither type.
    const bool dv1 = DocumentFileType::ofFile(path) == DocumentFileType::Type::Dv1;
    if (DocTemplate* t = templateForForm(dv1 ? FileDialogFilters::Dv1Form : 0))
        return t;
    return m_templates.empty() ? nullptr : m_templates.front().get();
}

QList<CChildFrame*> DocManager::frames() const
{
    QList<CChildFrame*> result;
    for (const QPointer<CChildFrame>& f : m_frames) {
        if (f)
            result.append(f.data());
    }
    return result;
}

void DocManager::setCurrentFrame(CChildFrame* frame)
{
    m_current = frame;
}

void DocManager::frameClosed(CChildFrame* frame)
{
    m_frames.removeAll(frame);
    if (m_current == frame)
        m_current = nullptr;
}

QList<AppDocument*> DocManager::documents() const
{
    QList<AppDocument*> result;
    for (CChildFrame* f : frames())
        result.append(&f->document());
    return result;
}

AppDocument* DocManager::activeDocument() const
{
    return m_current ? &m_current->document() : nullptr;
}

CChildFrame* DocManager::frameOf(const AppDocument* document) const
{
    for (CChildFrame* f : frames()) {
        if (&f->document() == document)
            return f;
    }
    return nullptr;
}

CChildFrame* DocManager::createFrame(std::unique_ptr<AppDocument> document)
{
    DocTemplate& type = document->docTemplate();
    auto* frame = new CChildFrame(*this, std::move(document));
    frame->setView(type.createView(frame->document(), frame));
    m_frames.append(frame);
    emit frameOpened(frame);
    if (!frame->view().initialUpdate()) {
        frame->closeWithoutQuestion();
        return nullptr;
    }
    emit documentsChanged();
    return frame;
}

AppDocument* DocManager::newDocument(DocTemplate& docTemplate)
{
    std::unique_ptr<AppDocument> document = docTemplate.createDocument();
    document->newDocument();
    CChildFrame* frame = createFrame(std::move(document));
    return frame ? &frame->document() : nullptr;
}

AppDocument* DocManager::openDocument(const QString& path, bool* unreadable)
{
    if (unreadable)
        *unreadable = false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CChildFrame* f : frames()) {
        if (!f->document().path().isEmpty() && QFileInfo(f->document().path()) == QFileInfo(absolute)) {
            emit frameRequested(f);
            return &f->document();
        }
    }
    DocTemplate* type = templateForFile(absolute);
    if (!type)
        return nullptr;
    std::unique_ptr<AppDocument> document = type->createDocument();
    QString error;
    if (!document->openDocument(absolute, &error)) {
        if (unreadable)
            *unreadable = true;
        m_prompt->showMessage(m_parent, error);
        return nullptr;
    }
    CChildFrame* frame = createFrame(std::move(document));
    if (!frame)
        return nullptr;   // the user cancelled its first display: it was never opened
    // A refused file is not remembered: it cannot be opened next time either.
    if (!frame->document().path().isEmpty()) {
        m_recent.add(frame->document().path());
        emit documentsChanged();
    }
    return &frame->document();
}

AppDocument* DocManager::promptOpen(int requestedForm)
{
    const QString path = m_prompt->openFileName(m_parent, FileDialogFilters::forRequestedForm(requestedForm));
    return path.isEmpty() ? nullptr : openDocument(path);
}

bool DocManager::saveDocument(AppDocument& document)
{
    if (document.path().isEmpty())
        return saveDocumentAs(document);
    return saveDocumentTo(document, document.path());
}

bool DocManager::saveDocumentAs(AppDocument& document)
{
    const DocTemplate& type = document.docTemplate();
    QString proposal = document.path();
    if (proposal.isEmpty())
        proposal = QDir(proposalFolder()).filePath(document.title() + type.extension());
    QString path = m_prompt->saveFileName(m_parent, FileDialogFilters::forRequestedForm(document.requestedForm()),
                                          proposal);
    if (path.isEmpty())
        return false;
    return saveDocumentTo(document, FileDialogFilters::withExtension(path, type.extension()));
}

QString DocManager::proposalFolder()
{
    // A fresh account may have no documents folder yet; it is made rather
    // than proposed where it is not, and the home folder serves when it
    // cannot be made.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && (QFileInfo(documents).isDir() || QDir().mkpath(documents)))
        return documents;
    return QDir::homePath();
}

bool DocManager::saveDocumentTo(AppDocument& document, const QString& path)
{
    QString error;
    if (!document.saveDocument(path, &error)) {
        m_prompt->showMessage(m_parent, error);
        return false;
    }
    m_recent.add(document.path());
    emit titleChanged(&document);
    return true;
}

bool DocManager::saveModified(AppDocument& document)
{
    if (!document.isModified())
        return true;
    switch (m_prompt->askSaveChanges(m_parent, document.title())) {
    case AppPrompt::SaveAnswer::Yes:
        return saveDocument(document);
    case AppPrompt::SaveAnswer::No:
        return true;
    case AppPrompt::SaveAnswer::Cancel:
        break;
    }
    return false;
}

bool DocManager::saveAllModified()
{
    for (AppDocument* document : documents()) {
        if (!saveModified(*document))
            return false;
    }
    return true;
}

bool DocManager::closeDocument(AppDocument& document)
{
    CChildFrame* frame = frameOf(&document);
    return frame && frame->close();
}

bool DocManager::closeAllDocuments()
{
    // Every question first: a cancel on the third document leaves all of
    // them open rather than two closed and one asked.
    if (!saveAllModified())
        return false;
    for (CChildFrame* frame : frames())
        frame->closeWithoutQuestion();
    emit documentsChanged();
    return true;
}
