// The menus, the tool bar and the status bar of the program with a document
// of each type: access keys, status texts, the tool bar's tool tips, the
// modified mark in the titles, and the goods-position delete command.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "AppUiTestSupport.h"
#include "app/CChildFrame.h"
#include "app/Dv1ViewAdapter.h"
#include "app/EhViewAdapter.h"
#include "dv1/CDV1_View.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "print/EhPrintController.h"
#include "view/CDlgDeleteEHWarenpositon.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"

namespace {

// Menu texts whose access keys are given as they are; two of them may share
// a key (the menu then cycles between them). Every other item has a key of
// its own in its menu.
const QSet<QString> GivenTexts{
    QStringLiteral("&Neu"), QStringLiteral("Ö&ffnen..."), QStringLiteral("&Speichern"),
    QStringLiteral("Speichern &unter..."), QStringLiteral("Dru&ckeinrichtung..."), QStringLiteral("&Drucken..."),
    QStringLiteral("&Druckerschriftgrößen korrigieren..."), QStringLiteral("Sta&mmdaten..."),
    QStringLiteral("&Rückgängig"), QStringLiteral("&Ausschneiden"), QStringLiteral("&Kopieren"),
    QStringLiteral("E&infügen"), QStringLiteral("Alles &markieren"), QStringLiteral("Vor&gaben einfügen..."),
    QStringLiteral("&Nächstes Eingabefeld"), QStringLiteral("&Voheriges Eingabefeld"),
    QStringLiteral("Schrift &größer"), QStringLiteral("Schrift k&leiner"), QStringLiteral("Schrift &fett"),
    QStringLiteral("&Berechnung der Seite 2,3,4..."), QStringLiteral("&Erste Seite"),
    QStringLiteral("&Vorherige Seite"), QStringLiteral("&Nächste Seite"), QStringLiteral("&Letzte Seite"),
    QStringLiteral("Seite hin&zufügen"), QStringLiteral("&Felder 3, 5 und 32 aktualisieren"),
    QStringLiteral("&Formularvorgaben..."), QStringLiteral("&Ränder..."), QStringLiteral("Anzeige &größer"),
    QStringLiteral("Anzeige &kleiner"), QStringLiteral("&Info über Kestrovane-Import..."),
};

// The access key of a menu text: the character after the single "&".
QChar accessKey(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toUpper();
        ++i;
    }
    return {};
}

// What is wrong with the items of one menu: no access key, a key shared
// without both items being given that way, no status text.
QStringList faultsOf(const QString& menuName, const QList<QAction*>& actions)
{
    QStringList faults;
    QHash<QChar, QString> taken;
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible() || a->text().isEmpty())
            continue;
        const QString text = a->text().section(QLatin1Char('\t'), 0, 0);
        const QChar key = accessKey(text);
        if (key.isNull()) {
            faults << menuName + QStringLiteral(": no access key in ") + text;
            continue;
        }
        if (taken.contains(key) && !(GivenTexts.contains(text) && GivenTexts.contains(taken.value(key))))
            faults << menuName + QStringLiteral(": ") + text + QStringLiteral(" shares its key with ") + taken.value(key);
        taken.insert(key, text);
        if (a->statusTip().isEmpty())
            faults << menuName + QStringLiteral(": no status text for ") + text;
        if (a->menu())
            faults << faultsOf(text, a->menu()->actions());
    }
    return faults;
}

} // namespace

class Menus : public AppFixture
{
protected:
    // The program shown and active with a document of the requested form.
    CChildFrame* startWith(int requestedForm)
    {
        prompt.choices << requestedForm;
        start();
        frame().show();
        QApplication::setActiveWindow(&frame());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        frame().updateCommandUi();
        return frame().activeChildFrame();
    }

    QStringList faultsOfAllMenus(const QList<QAction*>& contextMenu)
    {
        QStringList faults;
        for (QAction* title : frame().menuBar()->actions()) {
            QMenu* menu = title->menu();
            if (!menu || !title->isVisible())
                continue;
            emit menu->aboutToShow();   // the window menu fills itself then
            faults << faultsOf(title->text(), menu->actions());
        }
        faults << faultsOf(QStringLiteral("menu bar"), frame().menuBar()->actions()).filter(QStringLiteral("access key"));
        faults << faultsOf(QStringLiteral("context menu"), contextMenu);
        return faults;
    }
};

TEST_F(Menus, EveryItemOfEveryMenuHasItsAccessKeyAndStatusTextForBothDocumentTypes)
{
    CChildFrame* eh = startWith(0);
    ASSERT_NE(eh, nullptr);
    CEinheitspapierView* ehView = static_cast<EhViewAdapter&>(eh->view()).view();
    // A recent file and a second window, so that those entries are checked too.
    app->docManager().saveDocumentTo(eh->document(), files.file(QStringLiteral("Erste.aef")));
    EXPECT_EQ(faultsOfAllMenus(ehView->editor()->contextActions()), QStringList());

    prompt.choices << FileDialogFilters::Dv1Form;
    app->OnFileNew();
    frame().updateCommandUi();
    auto* dv1 = dynamic_cast<Dv1ViewAdapter*>(&frame().activeChildFrame()->view());
    ASSERT_NE(dv1, nullptr);
    EXPECT_TRUE(frame().menu(QStringLiteral("menuEdit"))->actions().contains(dv1->view()->action(CDV1_View::Calculate)));
    EXPECT_EQ(faultsOfAllMenus(dv1->view()->editor()->contextActions()), QStringList());
}

TEST_F(Menus, TheStatusBarShowsTheHighlightedItemsStatusText)
{
    startWith(0);
    QMenu* form = frame().menu(QStringLiteral("menuForm"));
    // Alt+F opens "Formular" (the window menu has a key of its own).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(waitUntil([&] { return QApplication::activePopupWidget() == form; }));
    QTest::keyClick(form, Qt::Key_Down);
    ASSERT_NE(form->activeAction(), nullptr);
    EXPECT_FALSE(form->activeAction()->statusTip().isEmpty());
    EXPECT_EQ(frame().statusText(0), form->activeAction()->statusTip());
    // The access key of an item we gave one: "Warenposition lö&schen...".
    WhenModal<CDlgDeleteEHWarenpositon> cancel([](CDlgDeleteEHWarenpositon& d) { d.reject(); });
    QTest::keyClick(form, Qt::Key_S);
    EXPECT_TRUE(waitUntil([&] { return cancel.seen() == 1; }));
    form->close();
}

TEST_F(Menus, DeletingAGoodsPositionIsInTheFormMenuTheContextMenuAndOnAKey)
{
    CChildFrame* child = startWith(0);
    CEinheitspapierView* view = static_cast<EhViewAdapter&>(child->view()).view();
    QAction* remove = view->action(CEinheitspapierView::DeleteGoodsPosition);
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(remove->text(), QStringLiteral("Warenposition lö&schen..."));
    EXPECT_FALSE(remove->shortcut().isEmpty());
    EXPECT_TRUE(frame().menu(QStringLiteral("menuForm"))->actions().contains(remove));
    EXPECT_TRUE(view->editor()->contextActions().contains(remove));

    WhenModal<CDlgDeleteEHWarenpositon> cancel([](CDlgDeleteEHWarenpositon& d) { d.reject(); });
    QTest::keySequence(QApplication::focusWidget(), remove->shortcut());
    EXPECT_TRUE(waitUntil([&] { return cancel.seen() == 1; }));
}

TEST_F(Menus, TheToolBarPrintsTurnsPagesAndZoomsWithTheKeysInItsToolTips)
{
    CChildFrame* child = startWith(0);
    CEinheitspapierView* view = static_cast<EhViewAdapter&>(child->view()).view();
    auto* bar = frame().findChild<QToolBar*>(QStringLiteral("toolBarStandard"));
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> tools = bar->actions();
    using V = CEinheitspapierView;
    for (int id : {int(EhPrintController::Print), int(EhPrintController::PrintPreview),
                   int(EhPrintController::ExportPdf), int(V::PreviousPage), int(V::NextPage), int(V::ZoomLarger),
                   int(V::ZoomSmaller)}) {
        QAction* a = view->action(V::Command(id));
        ASSERT_NE(a, nullptr) << id;
        EXPECT_TRUE(tools.contains(a)) << a->text().toStdString();
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
        if (!a->shortcut().isEmpty()) {
            EXPECT_TRUE(a->toolTip().endsWith(QStringLiteral(" (%1)").arg(a->shortcut().toString(QKeySequence::NativeText))))
                << a->toolTip().toStdString();
        }
    }
    EXPECT_TRUE(view->action(V::Command(EhPrintController::Print))->toolTip().startsWith(QStringLiteral("Drucken (")));
    EXPECT_EQ(view->action(V::Command(EhPrintController::PrintPreview))->toolTip(), QStringLiteral("Seitenansicht"));

    // A click on "next page" turns the page.
    QWidget* next = bar->widgetForAction(view->action(V::NextPage));
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_EQ(view->currentPage(), 2);
    const int zoom = view->zoom();
    QTest::mouseClick(bar->widgetForAction(view->action(V::ZoomSmaller)), Qt::LeftButton);
    EXPECT_EQ(view->zoom(), zoom - 1);
}

TEST_F(Menus, AChangedDocumentShowsAStarInItsTitleAndInTheWindowList)
{
    CChildFrame* child = startWith(0);
    EXPECT_EQ(shownTitle(child), QStringLiteral("EhForm1"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Absender"));
    frame().updateCommandUi();
    EXPECT_EQ(shownTitle(child), QStringLiteral("EhForm1*"));
    EXPECT_TRUE(shownTitle(&frame()).contains(QStringLiteral("EhForm1*")));
    QMenu* windows = frame().menu(QStringLiteral("menuWindow"));
    emit windows->aboutToShow();
    EXPECT_EQ(frame().findChild<QAction*>(QStringLiteral("window1"))->text(), QStringLiteral("&1 EhForm1*"));

    ASSERT_TRUE(app->docManager().saveDocumentTo(child->document(), files.file(QStringLiteral("Gespeichert.aef"))));
    frame().updateCommandUi();
    EXPECT_EQ(shownTitle(child), QStringLiteral("Gespeichert.aef"));
    EXPECT_FALSE(shownTitle(&frame()).contains(QLatin1Char('*')));
    emit windows->aboutToShow();
    EXPECT_EQ(frame().findChild<QAction*>(QStringLiteral("window1"))->text(), QStringLiteral("&1 Gespeichert.aef"));
}
