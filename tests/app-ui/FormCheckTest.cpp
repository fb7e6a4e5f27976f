// "Formular prüfen" in the running program: the findings beside the form,
// driven by keyboard and following the corrections, and the question before
// printing a form that still has errors.
#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "AppUiTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CDlgProgramOptions.h"
#include "app/CheckFindingsDock.h"
#include "app/EhViewAdapter.h"
#include "app/FormCheckPanel.h"
#include "form/EhField.h"
#include "print/CDlgDrucken.h"
#include "print/EhPrintController.h"
#include "print/PrintEnvironment.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"

namespace F = EhField;

namespace {

class FormCheck : public AppFixture
{
protected:
    CEinheitspapierView* view() { return static_cast<EhViewAdapter&>(frame().activeChildFrame()->view()).view(); }
    CheckFindingsDock* dock() { return frame().formCheck().dock(); }
    QTreeWidget* list() { return dock()->list(); }
    QStringList boxes()
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out << list()->topLevelItem(i)->text(2);
        return out;
    }
    // Starts the program on a new Einheitspapier of form set 0, active.
    void startOnNewForm()
    {
        Profile::set(Settings::ShowMarginDlgEH, 1);
        prompt.choices << 0;
        start();
        frame().show();
        QApplication::setActiveWindow(&frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }
};

} // namespace

TEST_F(FormCheck, F7ListsTheFindingsAndEnterGoesToTheField)
{
    startOnNewForm();
    QAction* command = frame().command(QStringLiteral("formCheck"));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->text(), QStringLiteral("Formular &prüfen"));
    EXPECT_FALSE(command->statusTip().isEmpty());
    EXPECT_TRUE(frame().menu(QStringLiteral("menuForm"))->actions().contains(command));
    EXPECT_FALSE(dock()->isVisible());

    QTest::keyClick(view()->editor(), Qt::Key_F7);
    ASSERT_TRUE(dock()->isVisible());
    EXPECT_TRUE(list()->hasFocus());
    // A new form lacks what every declaration needs, and box 5 has not been
    // numbered yet.
    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("Feld 1 A"), QStringLiteral("Feld 5"), QStringLiteral("Feld 8"),
                                    QStringLiteral("Feld 54 (Ort, Datum)")}));
    EXPECT_EQ(list()->topLevelItem(0)->text(0), QStringLiteral("Fehler"));
    EXPECT_EQ(dock()->summary()->text(),
              QStringLiteral("4 Fehler, 0 Hinweise. Eingabetaste oder Doppelklick führt zum Feld."));

    // Down to box 54, Enter: the editor is on it.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(view()->currentPage(), 1);
    EXPECT_EQ(view()->currentField(), F::Box54Place);

    // What the user types there is followed by the list.
    typeText(view()->editor(), QStringLiteral("Hamburg"));
    ASSERT_TRUE(waitUntil([this] { return list()->topLevelItemCount() == 3; }));
    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("Feld 1 A"), QStringLiteral("Feld 5"), QStringLiteral("Feld 8")}));

    // A double click on a line goes there too.
    QTreeWidgetItem* box8 = list()->topLevelItem(2);
    const QRect rect = list()->visualItemRect(box8);
    // As a mouse sends it: the first click, then the second as a double click.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(view()->currentField(), F::Box8Address);
}

TEST_F(FormCheck, PrintingAFormWithErrorsAsksFirst)
{
    startOnNewForm();
    QStringList dialogs;
    app->printEnvironment().runDialog = [&](QDialog& d) {
        dialogs << d.metaObject()->className();
        return int(QDialog::Rejected);
    };
    QAction* print = view()->action(CEinheitspapierView::Command(EhPrintController::Print));
    ASSERT_TRUE(print);

    // "Fehler anzeigen": nothing is printed, the list is shown.
    QString question;
    {
        WhenModal<QMessageBox> answer([&](QMessageBox& box) {
            question = box.text();
            box.findChild<QPushButton*>(QStringLiteral("showFindings"))->click();
        });
        print->trigger();
    }
    EXPECT_EQ(question, QStringLiteral("Das Formular enthält 4 Fehler."));
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_TRUE(dock()->isVisible());
    EXPECT_EQ(list()->topLevelItemCount(), 4);

    // "Trotzdem drucken": the print dialog comes.
    {
        WhenModal<QMessageBox> answer([](QMessageBox& box) {
            box.findChild<QPushButton*>(QStringLiteral("printAnyway"))->click();
        });
        print->trigger();
        EXPECT_EQ(answer.seen(), 1);
    }
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});

    // Switched off in the program options, nothing is asked.
    dialogs.clear();
    {
        CDlgProgramOptions options(programDir.path());
        ASSERT_TRUE(options.formCheckBox()->isChecked());
        options.formCheckBox()->setChecked(false);
        options.accept();
    }
    EXPECT_EQ(Profile::get(Settings::PrnFormularCheck), 0);
    WhenModal<QMessageBox> unexpected([](QMessageBox& box) { box.reject(); });
    print->trigger();
    EXPECT_EQ(unexpected.seen(), 0);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
}
