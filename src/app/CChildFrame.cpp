#include "app/CChildFrame.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "app/AppDocument.h"
#include "app/DocManager.h"
#include "app/FormViewInterface.h"

CChildFrame::CChildFrame(DocManager& manager, std::unique_ptr<AppDocument> document)
    : m_manager(manager)
    , m_document(std::move(document))
{
    setAttribute(Qt::WA_DeleteOnClose);
    updateTitle();
}

CChildFrame::~CChildFrame()
{
    // The view works on the document: it goes first.
    delete widget();
    m_view.reset();
    m_document.reset();
}

void CChildFrame::setView(std::unique_ptr<FormViewInterface> view)
{
    m_view = std::move(view);
    setWidget(m_view->widget());
}

void CChildFrame::updateTitle()
{
    // "[*]" shows as "*" while the document holds unsaved changes.
    QString title = m_document->title();
    title.replace(QStringLiteral("[*]"), QStringLiteral("[[*]]"));
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_document->isModified());
}

void CChildFrame::closeWithoutQuestion()
{
    m_closeConfirmed = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closeConfirmed && !m_manager.saveModified(*m_document)) {
        event->ignore();
        return;
    }
    m_closeConfirmed = true;
    QMdiSubWindow::closeEvent(event);
    // Out of the document list at once, not only when the window is
    // finally deleted.
    if (event->isAccepted()) {
        m_manager.frameClosed(this);
        if (mdiArea())
            mdiArea()->removeSubWindow(this);
    }
    emit m_manager.documentsChanged();
}
