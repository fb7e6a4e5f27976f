#pragma once

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "form/FieldDefinitions.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"

// Acts on the next modal dialog as soon as it is up (a message box or one of
// the view's dialogs), from inside its event loop.
inline void onNextModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

// Clicks the button with this text in a dialog or message box.
inline void press(QWidget* dialog, const QString& text)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->text() == text) {
            b->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

// Types into a widget as a keyboard does, key by key, umlauts included.
inline void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

// A key to press, or text to type, in a dialog.
struct Keys {
    Qt::Key key;
    QString text = {};
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Makes the dialog the active window, as on a desktop (Tab moves the focus
// only there), and presses the keys, each to the widget that has the
// dialog's keyboard focus at that moment.
inline void pressKeys(QWidget* dialog, const QList<Keys>& keys)
{
    QApplication::setActiveWindow(dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << dialog->windowTitle().toStdString();
    for (const Keys& k : keys) {
        QWidget* target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        if (k.text.isEmpty())
            QTest::keyClick(target, k.key, k.modifiers);
        else
            QTest::keyClicks(target, k.text);
    }
}

// Presses keys in the next dialog that comes up; keeps the dialog's title.
inline void typeInNextDialog(const QList<Keys>& keys, QString* title = nullptr)
{
    onNextModal([keys, title](QWidget* w) {
        if (title)
            *title = w->windowTitle();
        pressKeys(w, keys);
    });
}

// While it lives, every modal dialog that comes up is cancelled at once (the
// box 47 dialogs that Tab opens on its way through a sheet); titles() lists
// the dialogs it cancelled.
class CancelDialogs
{
public:
    CancelDialogs()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_titles << dialog->windowTitle();
                dialog->reject();
            }
        });
        m_timer.start();
    }
    const QStringList& titles() const { return m_titles; }

private:
    QTimer m_timer;
    QStringList m_titles;
};

// A new Einheitspapier of form set 0 in a shown and active view, on a fresh
// settings store.
class ViewFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        configure();
        doc = std::make_unique<CEinheitspapierDoc>();
        doc->deleteContents();
        view = std::make_unique<CEinheitspapierView>(doc.get(), definitions);
        view->resize(900, 700);
        ASSERT_TRUE(view->initialUpdate(0));
        view->show();
        QApplication::setActiveWindow(view.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        doc->setModified(false);
    }

    void TearDown() override
    {
        view.reset();
        doc.reset();
    }

    // Settings to set before the view opens.
    virtual void configure() {}

    CQznEditWindow_EHP* editor() const { return view->editor(); }
    void type(const QString& text) { typeKeys(editor(), text); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(editor(), k, m); }
    void goTo(int field, int page) { ASSERT_TRUE(view->goToFormField(field, page)); }
    QString text(int field, int page) const { return doc->store().text(field, page); }
    // The centre of a field of the shown page, in viewport pixels.
    QPoint centreOf(int field, int page) const
    {
        return editor()->fieldRect(field, page).center() - view->scrollPosition();
    }

    // The program's flag tables: the built-in ones unless configure()
    // changes them.
    FieldDefinitions definitions;
    std::unique_ptr<CEinheitspapierDoc> doc;
    std::unique_ptr<CEinheitspapierView> view;
};
