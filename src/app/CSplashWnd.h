#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

// The picture shown for a few seconds after start-up, over the main
// window. It goes when its time is up, or at once when the user presses a
// key or a mouse button anywhere in the program. Only one exists at a time.
class CSplashWnd : public QWidget
{
    Q_OBJECT

public:
    // Shows the splash for seconds over owner, unless one is up already.
    // Returns the window shown, or null.
    static CSplashWnd* showSplashScreen(QWidget* owner, int seconds);
    static CSplashWnd* current();

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWnd(QWidget* owner, int seconds);
    void hideSplashScreen();

    QPointer<QWidget> m_owner;
    QTimer m_timer;
    static CSplashWnd* s_current;
};
