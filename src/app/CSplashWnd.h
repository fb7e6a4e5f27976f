#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

// The picture shown for a few seconds after start-up, over the main
// window. It goes when its time is up, or at once when the user presses a
// key or a mouse button anywhere in the program. Only one exists at a time.
//
// The main window comes first: while it has not been drawn yet the splash
// waits for it and appears right after, so drawing the splash never keeps
// the user from the window. Its time runs from when it appears.
class CSplashWnd : public QWidget
{
    Q_OBJECT

public:
    // Shows the splash for seconds over owner, unless one is up already;
    // over an owner not drawn yet, once the owner is drawn. Returns the
    // splash, or null.
    static CSplashWnd* showSplashScreen(QWidget* owner, int seconds);
    static CSplashWnd* current();

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWnd(QWidget* owner, int seconds);
    void appear();
    void hideSplashScreen();

    QPointer<QWidget> m_owner;
    QTimer m_timer;
    int m_seconds = 0;
    bool m_waitingForOwner = false;
    static CSplashWnd* s_current;
};
