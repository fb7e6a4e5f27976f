// Commands that could destroy what the user entered ask first, and their
// questions put the safe answer on Enter: moving a position onto a filled
// one, removing the last sheet, a form set that hides filled fields. The
// sheet limit refuses with a message; opening a saved document leaves its
// sender alone.
#include <QAction>
#include <QListWidget>
#include <QMessageBox>

#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "form/EhDocumentOperations.h"
#include "form/EhField.h"
#include "form/EhFieldFlags.h"
#include "form/FieldStore.h"

namespace {

using DestructiveDefaults = ViewFixture;

// What a message box said, and which of its buttons Enter would press.
struct Asked {
    QString text;
    QString preselected;
    int count = 0;
};

// While it lives, answers every message box with the button of this text
// (Enter when the text is empty), remembering what was asked.
class Answer
{
public:
    Answer(Asked& asked, const QString& button) : m_asked(asked), m_button(button)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || m_seen.contains(box))
                return;
            m_seen << box;
            ++m_asked.count;
            m_asked.text = box->text();
            m_asked.preselected = box->defaultButton() ? box->defaultButton()->text() : QString();
            if (m_button.isEmpty())
                QTest::keyClick(box, Qt::Key_Return);
            else
                press(box, m_button);
        });
        m_timer.start();
    }

private:
    Asked& m_asked;
    QString m_button;
    QTimer m_timer;
    QList<QMessageBox*> m_seen;
};

// Chooses the target row in the move dialog and presses OK.
void moveTo(int targetRow)
{
    onNextModal([targetRow](QWidget* dialog) {
        dialog->findChild<QListWidget*>(QStringLiteral("target"))->setCurrentRow(targetRow);
        press(dialog, QStringLiteral("OK"));
    });
}

} // namespace

TEST_F(DestructiveDefaults, MovingOntoAFilledPositionAsksWithNoPreselected)
{
    goTo(11, 2);
    type(QStringLiteral("Schrauben"));
    goTo(32, 2);
    type(QStringLiteral("Muttern"));
    QAction* move = view->action(CEinheitspapierView::MoveGoodsPosition);

    // Position 2 onto position 1 of page 2 (list row 1), Enter: nothing moves.
    {
        Asked asked;
        Answer enter(asked, QString());
        moveTo(1);
        move->trigger();
        EXPECT_EQ(asked.count, 1);
        EXPECT_TRUE(asked.text.startsWith(QStringLiteral("Position 1 auf Seite 2 wird überschrieben")))
            << asked.text.toStdString();
        EXPECT_TRUE(asked.text.contains(QStringLiteral("Position 2 auf Seite 2")));
        EXPECT_EQ(asked.preselected, QStringLiteral("&Nein"));
    }
    EXPECT_EQ(text(11, 2), QStringLiteral("Schrauben"));
    EXPECT_EQ(text(32, 2), QStringLiteral("Muttern"));

    // Yes moves it.
    {
        Asked asked;
        Answer yes(asked, QStringLiteral("&Ja"));
        moveTo(1);
        move->trigger();
        EXPECT_EQ(asked.count, 1);
    }
    EXPECT_EQ(text(11, 2), QStringLiteral("Muttern"));
    EXPECT_TRUE(text(32, 2).isEmpty());

    // Onto an empty position: no question.
    {
        Asked asked;
        Answer yes(asked, QStringLiteral("&Ja"));
        goTo(11, 2);
        moveTo(3);   // position 3 of page 2
        move->trigger();
        EXPECT_EQ(asked.count, 0);
    }
    EXPECT_EQ(text(53, 2), QStringLiteral("Muttern"));
}

TEST_F(DestructiveDefaults, RemovingTheLastSheetTakesNoOnEnter)
{
    doc->setContinuationPageCount(2);
    doc->store().setText(11, 3, QStringLiteral("Letzte Seite"));
    view->updateCommandState();
    QAction* remove = view->action(CEinheitspapierView::RemoveLastPage);
    ASSERT_TRUE(remove->isEnabled());
    Asked asked;
    {
        Answer enter(asked, QString());
        remove->trigger();
    }
    EXPECT_EQ(asked.count, 1);
    EXPECT_EQ(asked.preselected, QStringLiteral("&Nein"));
    EXPECT_EQ(view->pageCount(), 3);
    EXPECT_EQ(text(11, 3), QStringLiteral("Letzte Seite"));
}

TEST_F(DestructiveDefaults, AFormSetThatHidesFilledFieldsWarnsAndTheSwitchModifies)
{
    // A field that form set 0 shows and form set 2 hides or crosses out.
    using EhFieldFlags::PageKind;
    int field = -1;
    for (int f = 0; f < EhFieldFlags::FirstPageFields && field < 0; ++f) {
        const auto hidden = [&](int set) {
            return (definitions.flag(PageKind::First, f, set) & EhFieldFlags::NotShown)
                || EhFieldFlags::unusedMarks(PageKind::First, set).contains(f);
        };
        if (hidden(2) && !hidden(0) && !(definitions.flag(PageKind::First, f, 0) & EhFieldFlags::NotEditable))
            field = f;
    }
    ASSERT_GE(field, 0);
    doc->store().setText(field, 1, QStringLiteral("Wichtiger Text"));
    QAction* set2 = view->action(CEinheitspapierView::FormSet2);

    Asked asked;
    {
        Answer enter(asked, QString());
        set2->trigger();
    }
    EXPECT_EQ(asked.count, 1);
    EXPECT_EQ(asked.preselected, QStringLiteral("&Nein"));
    EXPECT_TRUE(asked.text.contains(QStringLiteral("0777 / 0778")));
    EXPECT_EQ(doc->formSet(), 0);
    EXPECT_FALSE(doc->isModified());

    {
        Answer yes(asked, QStringLiteral("&Ja"));
        set2->trigger();
    }
    EXPECT_EQ(asked.count, 2);
    EXPECT_EQ(doc->formSet(), 2);
    EXPECT_TRUE(doc->isModified());
    // The text is kept.
    EXPECT_EQ(text(field, 1), QStringLiteral("Wichtiger Text"));

    // Back to a set that shows everything filled: no question.
    {
        Answer yes(asked, QStringLiteral("&Ja"));
        view->action(CEinheitspapierView::FormSet0)->trigger();
    }
    EXPECT_EQ(asked.count, 2);
    EXPECT_EQ(doc->formSet(), 0);
}

TEST_F(DestructiveDefaults, AtTheSheetLimitAddingAPageRefusesWithAMessage)
{
    using EhDocumentOperations::MaxContinuationPages;
    doc->setContinuationPageCount(MaxContinuationPages);
    const int last = MaxContinuationPages + 1;
    for (int field : {11, 32, 53})
        doc->store().setText(field, last, QStringLiteral("Ware auf dem letzten Blatt"));
    doc->store().setText(8, last, QStringLiteral("Eigener Absender"));
    doc->store().setAttr(20, last, 0x0201);
    const FieldStore before = doc->store();
    view->updateCommandState();

    Asked asked;
    {
        Answer enter(asked, QString());
        view->action(CEinheitspapierView::AddPage)->trigger();
    }
    EXPECT_EQ(asked.count, 1);
    EXPECT_TRUE(asked.text.contains(QStringLiteral("254"))) << asked.text.toStdString();
    EXPECT_EQ(view->pageCount(), last);
    // The last sheet is as it was.
    EXPECT_EQ(doc->store().continuationTexts(), before.continuationTexts());
    EXPECT_EQ(doc->store().continuationWords(), before.continuationWords());
}

// The sender defaults ("Feld2") for box 8.
class SenderDefaults : public DestructiveDefaults
{
protected:
    void configure() override
    {
        Profile::set(Settings::Feld2, 4);
        Profile::set(Settings::Firma1, QStringLiteral("Vorgabe GmbH"));
        Profile::set(Settings::Firma2, QStringLiteral("Hafenstraße 1"));
        Profile::set(Settings::ZollNummer1, QStringLiteral("DE111"));
    }

    // Opens path in a second view, as the program does.
    void open(const QString& path)
    {
        opened = std::make_unique<CEinheitspapierDoc>();
        ASSERT_TRUE(opened->load(path));
        openedView = std::make_unique<CEinheitspapierView>(opened.get(), definitions);
        ASSERT_TRUE(openedView->initialUpdate(opened->formSet()));
    }

    std::unique_ptr<CEinheitspapierDoc> opened;
    std::unique_ptr<CEinheitspapierView> openedView;
};

TEST_F(SenderDefaults, ANewDocumentTakesThemAnOpenedOneOnlyWhereBox8IsEmpty)
{
    // The new document of the fixture has them.
    EXPECT_EQ(text(EhField::Box8Address, 1), QStringLiteral("Vorgabe GmbH\r\nHafenstraße 1"));
    EXPECT_EQ(text(EhField::Box8Number, 1), QStringLiteral("DE111"));

    // A document saved with another sender keeps it, and stays unmodified.
    testsupport::TempDir dir;
    doc->store().setText(EhField::Box8Address, 1, QStringLiteral("Andere AG"));
    doc->store().setText(EhField::Box8Number, 1, QStringLiteral("DE999"));
    doc->store().setText(EhField::Cont::Box2Address, 2, QStringLiteral("Andere AG"));
    doc->store().setText(EhField::Cont::Box2Number, 2, QString());
    const QString path = dir.file(QStringLiteral("andere.aef"));
    ASSERT_TRUE(doc->save(path));
    open(path);
    EXPECT_EQ(opened->store().text(EhField::Box8Address, 1), QStringLiteral("Andere AG"));
    EXPECT_EQ(opened->store().text(EhField::Box8Number, 1), QStringLiteral("DE999"));
    EXPECT_EQ(opened->store().text(EhField::Cont::Box2Address, 2), QStringLiteral("Andere AG"));
    // An empty box takes the default.
    EXPECT_EQ(opened->store().text(EhField::Cont::Box2Number, 2), QStringLiteral("DE111"));
    EXPECT_FALSE(opened->isModified());
}
