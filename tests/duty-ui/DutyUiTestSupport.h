#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <gtest/gtest.h>

namespace dutyui {

// Shows a dialog as the active window, so that typed keys reach its focus.
inline void showActive(QDialog& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

template <class T>
T* child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QLatin1String(name));
    EXPECT_TRUE(widget) << name;
    return widget;
}

} // namespace dutyui
