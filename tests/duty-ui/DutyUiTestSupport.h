#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace dutyui {

// Shows a dialog as the active window, so that typed keys reach its focus.
inline void showActive(QDialog& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Acts on the next modal window of class T (a dialog, or a message box over
// it) as soon as it is up, from inside its event loop.
template <class T>
void onNextModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (T* w = qobject_cast<T*>(QApplication::activeModalWidget()); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

template <class T>
T* child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QLatin1String(name));
    EXPECT_TRUE(widget) << name;
    return widget;
}

} // namespace dutyui
