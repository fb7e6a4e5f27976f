// "&Formularvorgaben..." in the running program: its help topic while the
// dialog is open, the stamp fields of the program's flag tables, and the
// next new document taking the standing texts.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "AppUiTestSupport.h"
#include "app/CChildFrame.h"
#include "app/EhAppDocument.h"
#include "app/EhViewAdapter.h"
#include "duty/CDlgDefaultTexte_EH.h"
#include "form/EhField.h"
#include "view/CEinheitspapierView.h"

namespace {

CEinheitspapierView* activeView(CMainFrame& frame)
{
    return static_cast<EhViewAdapter&>(frame.activeChildFrame()->view()).view();
}

} // namespace

using FormDefaultsCommand = AppFixture;

TEST_F(FormDefaultsCommand, StoresTheDefaultsAndTheStampFlagsUnderItsHelpTopic)
{
    prompt.choices << 0;
    start();
    CEinheitspapierView* view = activeView(frame());
    QAction* command = view->action(CEinheitspapierView::Command(CEinheitspapierView::FormDefaults));
    ASSERT_TRUE(command);
    EXPECT_EQ(command->text(), QStringLiteral("&Formularvorgaben..."));
    EXPECT_TRUE(frame().menu(QStringLiteral("menuForm"))->actions().contains(command));

    app->setHelpContext(7);
    int helpWhileOpen = 0;
    QStringList closed;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<CDlgDefaultTexte_EH*>(modal); dialog && dialog->isVisible()) {
            helpWhileOpen = app->helpContext();
            dialog->check("stampA")->setChecked(true);
            dialog->check("useDeclarant")->setChecked(true);
            dialog->declarant()->setCurrentIndex(3);
            dialog->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->isVisible()) {
            closed << box->text();
            box->accept();
        }
    });
    timer.start();
    command->trigger();
    timer.stop();

    EXPECT_EQ(helpWhileOpen, EhViewAdapter::FormDefaultsHelp);
    EXPECT_EQ(app->helpContext(), 7);
    ASSERT_EQ(closed.size(), 1);
    EXPECT_TRUE(closed.first().startsWith(QStringLiteral("Die Vorgabedaten wurden gesichert")));

    // The program's tables, which every view draws and prints by, and the
    // stored ones.
    using EhFieldFlags::PageKind;
    for (int set = 0; set < EhFieldFlags::FormSets; ++set)
        EXPECT_EQ(app->fieldDefinitions().flag(PageKind::Continuation, EhField::Cont::StampA4, set), 0) << set;
    EXPECT_EQ(&view->fieldDefinitions(), &app->fieldDefinitions());
    QByteArray stored;
    ASSERT_EQ(app->registry().ReadBinaryValue(QString::fromLatin1(FieldDefinitions::Section),
                                              QString::fromLatin1(FieldDefinitions::FieldDef_EH2), stored,
                                              EhFieldFlags::ContinuationTableSize),
              CRegeditManagment::Success);
    EXPECT_EQ(stored, app->fieldDefinitions().table(PageKind::Continuation));

    // The open document stays as it was; the next new one has box 14.
    EXPECT_TRUE(view->document()->store().text(EhField::Box14Declarant, 1).isEmpty());
    prompt.choices << 0;
    app->OnFileNew();
    EXPECT_EQ(activeView(frame())->document()->store().text(EhField::Box14Declarant, 1),
              QStringLiteral("Einführer - 00500"));
}
