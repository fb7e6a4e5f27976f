#pragma once

#include <QMdiSubWindow>

#include <memory>

class AppDocument;
class DocManager;
class FormViewInterface;

// The window of one open document inside the main window: it owns the
// document and its view, shows the document's title, and asks before a
// modified document is closed.
class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT

public:
    CChildFrame(DocManager& manager, std::unique_ptr<AppDocument> document);
    ~CChildFrame() override;

    AppDocument& document() const { return *m_document; }
    FormViewInterface& view() const { return *m_view; }
    void setView(std::unique_ptr<FormViewInterface> view);

    // The document's title, with "*" while it is modified.
    void updateTitle();
    // Closes after the question was asked elsewhere (or is not to be asked).
    void closeWithoutQuestion();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DocManager& m_manager;
    std::unique_ptr<AppDocument> m_document;
    std::unique_ptr<FormViewInterface> m_view;
    bool m_closeConfirmed = false;
};
