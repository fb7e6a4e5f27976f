#pragma once

#include <QObject>

#include "check/CheckFinding.h"

class CheckFindingsDock;
class CChildFrame;
class FormViewInterface;
class QAction;
class QMainWindow;
class QMdiArea;
class QTimer;
class QWidget;

// "Formular &prüfen" (F7) of the main window: the findings of the active
// document in a dock beside the form, refreshed while the user corrects the
// fields, and the question before printing a form that still has errors
// (unless "PrnFormularCheck" is off).
class FormCheckPanel : public QObject
{
    Q_OBJECT

public:
    FormCheckPanel(QMainWindow& window, QMdiArea& documents);

    QAction* action() const { return m_action; }
    CheckFindingsDock* dock() const { return m_dock; }

    // The active document window changed (or closed: null).
    void setActiveFrame(CChildFrame* frame);

    // The command: checks the active document and shows the dock with the
    // list focused.
    void checkNow();

    // Before the view prints: true to print. With errors found (and the
    // check switched on), asks whether to show them or to print anyway.
    bool allowPrint(QWidget* printingView);

private:
    void refresh();
    void scheduleRefresh();
    CChildFrame* frameOf(QWidget* view) const;

    QMainWindow& m_window;
    QMdiArea& m_documents;
    QAction* m_action = nullptr;
    CheckFindingsDock* m_dock = nullptr;
    QTimer* m_refreshTimer = nullptr;
    CChildFrame* m_frame = nullptr;
};
