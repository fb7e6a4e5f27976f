#include "app/FormCheckPanel.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "app/CChildFrame.h"
#include "app/CheckFindingsDock.h"
#include "app/FormViewInterface.h"
#include "settings/Profile.h"

namespace {

// Typing changes the document with every key; the list follows once the
// user pauses.
constexpr int RefreshDelayMs = 300;

} // namespace

FormCheckPanel::FormCheckPanel(QMainWindow& window, QMdiArea& documents)
    : QObject(&window)
    , m_window(window)
    , m_documents(documents)
{
    m_action = new QAction(QStringLiteral("Formular &prüfen"), &window);
    m_action->setObjectName(QStringLiteral("formCheck"));
    m_action->setShortcut(QKeySequence(Qt::Key_F7));
    m_action->setStatusTip(QStringLiteral("Prüft das Formular auf fehlende Angaben, unbekannte Codes, falsche Summen "
                                          "und Texte, die nicht auf das Papier passen"));
    m_action->setEnabled(false);   // until a document window is active
    window.addAction(m_action);
    connect(m_action, &QAction::triggered, this, &FormCheckPanel::checkNow);

    m_dock = new CheckFindingsDock(&window);
    m_dock->hide();
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    connect(m_dock, &CheckFindingsDock::fieldRequested, this, [this](int page, int field) {
        if (m_frame)
            m_frame->view().goToField(page, field);
    });
    connect(m_dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            refresh();
    });

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(RefreshDelayMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &FormCheckPanel::refresh);
}

void FormCheckPanel::setActiveFrame(CChildFrame* frame)
{
    m_action->setEnabled(frame != nullptr);
    if (frame == m_frame)
        return;
    m_frame = frame;
    if (frame) {
        // A view tells only its last listener; the panel is the only one.
        FormViewInterface* view = &frame->view();
        view->setChangeListener([this, view] {
            if (m_frame && &m_frame->view() == view)
                scheduleRefresh();
        });
    }
    refresh();
}

void FormCheckPanel::scheduleRefresh()
{
    if (m_dock->isVisible())
        m_refreshTimer->start();
}

void FormCheckPanel::refresh()
{
    m_refreshTimer->stop();
    if (!m_dock->isVisible())
        return;
    if (!m_frame || !m_documents.subWindowList().contains(m_frame)) {
        m_frame = nullptr;
        m_dock->clear();
        return;
    }
    m_dock->setFindings(m_frame->view().checkDocument());
}

void FormCheckPanel::checkNow()
{
    if (!m_frame)
        return;
    m_dock->show();
    m_dock->raise();
    refresh();
    m_dock->list()->setFocus();
}

CChildFrame* FormCheckPanel::frameOf(QWidget* view) const
{
    for (QMdiSubWindow* window : m_documents.subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && (frame->view().widget() == view || frame->isAncestorOf(view)))
            return frame;
    }
    return nullptr;
}

bool FormCheckPanel::allowPrint(QWidget* printingView)
{
    if (Profile::get(Settings::PrnFormularCheck) == 0)
        return true;
    CChildFrame* frame = frameOf(printingView);
    if (!frame)
        return true;
    const int errors = CheckFindingList::errorCount(frame->view().checkDocument());
    if (errors == 0)
        return true;

    QMessageBox box(QMessageBox::Warning, QStringLiteral("Formular prüfen"),
                    errors == 1 ? QStringLiteral("Das Formular enthält einen Fehler.")
                                : QStringLiteral("Das Formular enthält %1 Fehler.").arg(errors),
                    QMessageBox::NoButton, printingView);
    box.setObjectName(QStringLiteral("formCheckQuestion"));
    box.setInformativeText(QStringLiteral("Sollen die Fehler angezeigt werden, oder soll das Formular trotzdem "
                                          "gedruckt werden?"));
    QPushButton* show = box.addButton(QStringLiteral("Fehler &anzeigen"), QMessageBox::AcceptRole);
    QPushButton* print = box.addButton(QStringLiteral("&Trotzdem drucken"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    show->setObjectName(QStringLiteral("showFindings"));
    print->setObjectName(QStringLiteral("printAnyway"));
    box.setDefaultButton(show);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == print)
        return true;
    if (box.clickedButton() == show) {
        m_documents.setActiveSubWindow(frame);
        setActiveFrame(frame);
        checkNow();
    }
    return false;
}
