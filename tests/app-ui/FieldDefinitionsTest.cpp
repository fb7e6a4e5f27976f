// "Felddefinitionen anpassen" on live tables of its own, and the command
// that closes every document before it and restarts the program after it.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "AppUiTestSupport.h"
#include "SettingsTestSupport.h"
#include "app/AppDocument.h"
#include "app/CChildFrame.h"
#include "app/CDlgEditFeldDefinitionen.h"
#include "form/EhFieldNames.h"
#include "form/FieldDefinitions.h"
#include "settings/Profile.h"

namespace {

using PageKind = FieldDefinitions::PageKind;

// Box 8 (address) of the first sheet and box 31 of the second goods
// position of a continuation sheet, as the list names them.
const int Box8Entry = 18;
const int Box31SecondEntry = EhFieldNames::FirstPageNamed + 32;

QByteArray storedTable(CRegeditManagment& registry, const char* value, int size)
{
    QByteArray buffer;
    registry.ReadBinaryValue(QString::fromLatin1(FieldDefinitions::Section), QLatin1String(value), buffer, size);
    return buffer;
}

} // namespace

class FieldDefinitionsDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        live.load(store.registry);   // the built-in tables, now also in the store
        dialog = std::make_unique<CDlgEditFeldDefinitionen>(live, store.registry);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    void choose(int formSet, int entry)
    {
        dialog->formSetBox()->setCurrentIndex(formSet);
        dialog->fieldBox()->setCurrentIndex(entry);
    }
    // Space on a check box, as the keyboard toggles it.
    void toggle(QCheckBox* box)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    }

    TestRegistry store;
    FieldDefinitions live;
    std::unique_ptr<CDlgEditFeldDefinitionen> dialog;
};

TEST_F(FieldDefinitionsDialog, ListsFourFormSetsAnd181NamedFields)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Felddefinitionen anpassen"));
    ASSERT_EQ(dialog->formSetBox()->count(), 4);
    EXPECT_EQ(dialog->formSetBox()->itemText(3), QStringLiteral("Formular 0779/0780"));
    ASSERT_EQ(dialog->fieldBox()->count(), 181);
    EXPECT_EQ(dialog->fieldBox()->itemText(0), QStringLiteral("Seite 1 - Feld 1 A"));
    EXPECT_EQ(dialog->fieldBox()->itemText(102), QStringLiteral("Seite 1 - D5"));
    EXPECT_EQ(dialog->fieldBox()->itemText(103), QStringLiteral("Seite 2 - Nummer"));
    EXPECT_EQ(dialog->fieldBox()->itemText(180), QStringLiteral("Seite 2 - 47 (Summe)"));
}

TEST_F(FieldDefinitionsDialog, TickedBoxSurvivesASwitchAndCancelTakesItBack)
{
    const QByteArray before = live.table(PageKind::First);
    choose(1, Box8Entry);
    ASSERT_FALSE(dialog->notPrintedBox()->isChecked());
    toggle(dialog->notPrintedBox());
    // The live table changed at once, in this field and form set only.
    EXPECT_EQ(live.flag(PageKind::First, Box8Entry, 1), before.at(Box8Entry * 4 + 1) | EhFieldFlags::NotPrinted);
    EXPECT_EQ(live.flag(PageKind::First, Box8Entry, 0), std::uint8_t(before.at(Box8Entry * 4)));

    // Away to another field and another form set, and back.
    choose(1, Box8Entry + 1);
    choose(2, Box8Entry + 1);
    EXPECT_EQ(dialog->notPrintedBox()->isChecked(), (before.at((Box8Entry + 1) * 4 + 2) & EhFieldFlags::NotPrinted) != 0);
    choose(1, Box8Entry);
    EXPECT_TRUE(dialog->notPrintedBox()->isChecked());

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(live.table(PageKind::First), before);
}

TEST_F(FieldDefinitionsDialog, OkStoresBothTablesAndKeepsTheOtherBits)
{
    // A bit the editor does not show, set by hand beforehand.
    live.setFlag(PageKind::Continuation, 32, 1, 0x40);
    choose(1, Box31SecondEntry);
    toggle(dialog->hiddenBox());
    toggle(dialog->notEditableBox());
    EXPECT_EQ(live.flag(PageKind::Continuation, 32, 1), 0x40 | EhFieldFlags::NotShown | EhFieldFlags::NotEditable);
    QTest::keyClick(dialog->fieldBox(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    const QByteArray stored = storedTable(store.registry, FieldDefinitions::FieldDef_EH2, 856);
    EXPECT_EQ(stored, live.table(PageKind::Continuation));
    EXPECT_EQ(std::uint8_t(stored.at(32 * 4 + 1)), 0x40 | EhFieldFlags::NotShown | EhFieldFlags::NotEditable);
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH2), 856);
    FieldDefinitions restarted;
    restarted.load(store.registry);
    EXPECT_EQ(restarted.flag(PageKind::Continuation, 32, 1), live.flag(PageKind::Continuation, 32, 1));
}

TEST_F(FieldDefinitionsDialog, OriginalValuesShowAtOnceAndAreNotOverwrittenByTheNextClick)
{
    choose(0, Box8Entry);
    toggle(dialog->notEditableBox());
    toggle(dialog->hiddenBox());
    live.setFlag(PageKind::Continuation, 0, 3, 0xFF);
    dialog->resetButton()->click();
    EXPECT_EQ(live.table(PageKind::First), EhFieldFlags::defaultTable(PageKind::First));
    EXPECT_EQ(live.table(PageKind::Continuation), EhFieldFlags::defaultTable(PageKind::Continuation));
    EXPECT_FALSE(dialog->notEditableBox()->isChecked());
    EXPECT_FALSE(dialog->hiddenBox()->isChecked());

    // Ticking one box now changes that bit alone.
    toggle(dialog->notPrintedBox());
    const std::uint8_t original = EhFieldFlags::flag(EhFieldFlags::defaultTable(PageKind::First), Box8Entry, 0);
    EXPECT_EQ(live.flag(PageKind::First, Box8Entry, 0), original | EhFieldFlags::NotPrinted);
}

// The command of the main window.
class FieldDefinitionsCommand : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        app->setRestarter([this] {
            ++restarts;
            return restartWorks;
        });
        prompt.choices << 0;
        start();
        ASSERT_NE(frame().activeChildFrame(), nullptr);
        frame().activeChildFrame()->document().setModified(true);
    }
    void run() { frame().command(QStringLiteral("appFieldDefinitions"))->trigger(); }

    int restarts = 0;
    bool restartWorks = true;
};

TEST_F(FieldDefinitionsCommand, CancelledSaveQuestionKeepsTheDocumentsAndOpensNothing)
{
    WhenModal<CDlgEditFeldDefinitionen> editor([](CDlgEditFeldDefinitionen& d) { d.reject(); });
    prompt.saveAnswers << AppPrompt::SaveAnswer::Cancel;
    run();
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_TRUE(prompt.messages.first().startsWith(
        QStringLiteral("Die Formulardefinitionen können nicht bei geöffneten Dokumenten geändert werden.")));
    EXPECT_EQ(prompt.saveQuestions, QStringList{QStringLiteral("EhForm1")});
    EXPECT_EQ(app->docManager().documents().size(), 1);
    QTest::qWait(60);
    EXPECT_EQ(editor.seen(), 0);
    EXPECT_EQ(restarts, 0);
}

TEST_F(FieldDefinitionsCommand, OkRestartsAfterTheDocumentsWereClosed)
{
    WhenModal<CDlgEditFeldDefinitionen> editor([](CDlgEditFeldDefinitionen& d) {
        d.fieldBox()->setCurrentIndex(Box8Entry);
        d.notPrintedBox()->click();
        d.accept();
    });
    prompt.saveAnswers << AppPrompt::SaveAnswer::No;
    run();
    EXPECT_EQ(editor.seen(), 1);
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_EQ(restarts, 1);
    EXPECT_FALSE(frame().isVisible());
    FieldDefinitions stored;
    stored.load(app->registry());
    EXPECT_TRUE(stored.flag(PageKind::First, Box8Entry, 0) & EhFieldFlags::NotPrinted);
}

TEST_F(FieldDefinitionsCommand, CancelInTheEditorLeavesTheProgramRunningWithoutDocuments)
{
    WhenModal<CDlgEditFeldDefinitionen> editor([](CDlgEditFeldDefinitionen& d) { d.reject(); });
    prompt.saveAnswers << AppPrompt::SaveAnswer::No;
    run();
    EXPECT_EQ(editor.seen(), 1);
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_EQ(restarts, 0);
    EXPECT_TRUE(frame().isVisible());

    // A restart that fails is said, and the program goes on.
    restartWorks = false;
    WhenModal<CDlgEditFeldDefinitionen> again([](CDlgEditFeldDefinitionen& d) { d.accept(); });
    run();
    EXPECT_EQ(restarts, 1);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(prompt.messages.last().startsWith(QStringLiteral("Das Programm konnte nicht neu gestartet werden.")));
}
