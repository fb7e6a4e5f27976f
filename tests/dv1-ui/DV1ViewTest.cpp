// The D.V.1 view driven as a user drives it: keys into the field editor,
// clicks on the sheet.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/CDV1_View.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1Focus.h"
#include "dv1/DV1Geometry.h"
#include "form/FieldStore.h"
#include "settings/Profile.h"

namespace F = Dv1Field;
using DV1Geometry::Layout;

namespace {

// A new D.V.1 of pages pages in a shown, active view on a fresh store.
class Dv1View : public ::testing::Test
{
protected:
    void open(int pages = 2)
    {
        testsupport::clearSettings();
        doc = std::make_unique<CDV1_Doc>();
        while (doc->pageCount() < pages)
            doc->AddContinuationPage();
        doc->setModified(false);
        view = std::make_unique<CDV1_View>(doc.get());
        view->setMessageHandler([this](QWidget*, const QString& text) { messages << text; });
        view->resize(1000, 800);
        view->setZoom(12);
        view->initialUpdate();
        view->show();
        QApplication::setActiveWindow(view.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }

    void TearDown() override
    {
        view.reset();
        doc.reset();
    }

    CQznEditWindow_DV1* editor() const { return view->editor(); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(editor(), k, m); }
    // Types as a keyboard does, umlauts included.
    void type(const QString& text)
    {
        for (const QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(editor(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, editor(), Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
    void goTo(int field, int page) { ASSERT_TRUE(view->goToFormField(field, page)); }
    QAction* command(int id) const { return view->action(id); }
    // A point of the sheet (0.1 mm) in viewport pixels at the view's zoom.
    QPoint pixelOf(int x, int y) const
    {
        const FormMapping m = view->mapping();
        return QPoint(m.toPixels(x * view->zoom() / 10), m.toPixels(y * view->zoom() / 10)) - view->scrollPosition();
    }
    void clickAt(const EhRect& r)
    {
        const QPoint centre = pixelOf((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        view->scrollToPosition(QPoint(0, std::max(0, centre.y() + view->scrollPosition().y() - 200)));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          pixelOf((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }

    std::unique_ptr<CDV1_Doc> doc;
    std::unique_ptr<CDV1_View> view;
    QStringList messages;
};

} // namespace

TEST_F(Dv1View, TabAndShiftTabWrapWithinTheFieldsTheUserFillsIn)
{
    open(3);
    EXPECT_EQ(view->currentPage(), 1);
    EXPECT_EQ(view->currentField(), 0);
    goTo(F::PlaceDateSignature, 1);
    key(Qt::Key_Tab);
    EXPECT_EQ(view->currentField(), F::Seller);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->currentField(), F::PlaceDateSignature);

    goTo(0, 2);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->currentField(), F::Remarks);
    EXPECT_EQ(view->currentPage(), 2);
    key(Qt::Key_Tab);
    EXPECT_EQ(view->currentField(), 0);

    // The front of a D.V.1 BIS has no place for field 52: Tab and Shift+Tab
    // pass it by rather than hide the typing in a field nobody sees.
    goTo(F::ForeignRate, 3);
    key(Qt::Key_Tab);
    EXPECT_EQ(view->currentField(), 0);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->currentField(), F::ForeignRate);
    EXPECT_EQ(DV1Focus::resolve(3, F::Remarks, +1), 0);
}

TEST_F(Dv1View, TypingGoesIntoTheFieldsOfEachPage)
{
    open(2);
    type(QStringLiteral("Muster GmbH"));
    key(Qt::Key_Tab);
    type(QStringLiteral("Käufer AG"));
    goTo(F::NationalPrice1, 2);
    type(QStringLiteral("1000"));
    EXPECT_EQ(doc->fieldStore().text(F::Seller, 1), QStringLiteral("Muster GmbH"));
    EXPECT_EQ(doc->fieldStore().text(F::Buyer, 1), QStringLiteral("Käufer AG"));
    EXPECT_EQ(doc->fieldStore().text(F::NationalPrice1, 2), QStringLiteral("1000"));
    EXPECT_TRUE(doc->isModified());
    // Amounts stand right, names left.
    EXPECT_TRUE(editor()->IsAlignRight());
    goTo(F::Item1, 2);
    EXPECT_TRUE(editor()->IsAlignLeft());
}

TEST_F(Dv1View, ClicksTickTheAnswerBoxesByPairs)
{
    open(2);
    for (int box : {0, 2, 4, 6})
        clickAt(DV1Geometry::answerBox(box));
    EXPECT_TRUE(doc->answerBox(0) && doc->answerBox(2) && doc->answerBox(4) && doc->answerBox(6));
    EXPECT_TRUE(doc->isModified());
    // "Nein" to 7 (a): the questions that depend on it are cleared too.
    clickAt(DV1Geometry::answerBox(1));
    for (int box : {0, 2, 3, 4, 5})
        EXPECT_FALSE(doc->answerBox(box)) << box;
    EXPECT_TRUE(doc->answerBox(1));
    EXPECT_TRUE(doc->answerBox(6));
    // Within a pair one box at most.
    clickAt(DV1Geometry::answerBox(7));
    EXPECT_TRUE(doc->answerBox(7));
    EXPECT_FALSE(doc->answerBox(6));

    // A click on a field moves there; a click on no field changes nothing.
    clickAt(DV1Geometry::screenRect(Layout::First, F::Invoice));
    EXPECT_EQ(view->currentField(), F::Invoice);
    clickAt(EhRect{1150, 320, 1900, 600});   // the official-use box
    EXPECT_EQ(view->currentField(), F::Invoice);
    EXPECT_TRUE(editor()->hasFocus());
}

TEST_F(Dv1View, EachPageTakesTheRectanglesOfItsParity)
{
    open(4);
    const FormMapping m = view->mapping();
    const auto expect = [&](int page, Layout layout) {
        for (int f : {F::Item1, F::DeliveryPlace, F::TotalA1, F::ForeignRate})
            EXPECT_EQ(editor()->fieldRect(f, page), m.fieldRect(DV1Geometry::screenRect(layout, f))) << page << ":" << f;
    };
    goTo(0, 3);
    expect(3, Layout::Odd);
    EXPECT_EQ(editor()->geometry().topLeft() + view->scrollPosition(),
              m.fieldRect(DV1Geometry::screenRect(Layout::Odd, 0)).topLeft());
    command(CDV1_View::NextPage)->trigger();
    EXPECT_EQ(view->currentPage(), 4);
    EXPECT_EQ(view->currentField(), 0);
    expect(4, Layout::Even);
    // On a continuation page only the fields up to 52 are clicked into.
    clickAt(DV1Geometry::screenRect(Layout::Even, F::DeliveryPlace));
    EXPECT_EQ(view->currentField(), F::DeliveryPlace);
    clickAt(DV1Geometry::screenRect(Layout::Even, F::DeclaredValue1));
    EXPECT_EQ(view->currentField(), F::DeliveryPlace);
}

TEST_F(Dv1View, PageCommandsAtTheEndsAreDisabledAndDoNothing)
{
    open(3);
    EXPECT_FALSE(command(CDV1_View::PreviousPage)->isEnabled());
    EXPECT_FALSE(command(CDV1_View::FirstPage)->isEnabled());
    EXPECT_TRUE(command(CDV1_View::NextPage)->isEnabled());
    command(CDV1_View::PreviousPage)->trigger();
    EXPECT_EQ(view->currentPage(), 1);

    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view->currentPage(), 3);
    EXPECT_EQ(view->statusText(), QStringLiteral("D.V.1 - Seite 3 von 3"));
    EXPECT_FALSE(command(CDV1_View::NextPage)->isEnabled());
    EXPECT_FALSE(command(CDV1_View::LastPage)->isEnabled());
    command(CDV1_View::NextPage)->trigger();
    EXPECT_EQ(view->currentPage(), 3);
    key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(view->currentPage(), 2);
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->currentPage(), 1);

    // F10 adds a page with the formats of a continuation page and goes there.
    doc->setModified(false);
    key(Qt::Key_F10);
    EXPECT_EQ(doc->pageCount(), 4);
    EXPECT_EQ(view->currentPage(), 4);
    EXPECT_TRUE(doc->isModified());
    EXPECT_EQ(FieldStore::alignmentOf(doc->fieldStore().attr(F::TotalA1, 4)), FieldStore::AlignRight);
    EXPECT_EQ(FieldStore::alignmentOf(doc->fieldStore().attr(F::ForeignReference, 4)), FieldStore::AlignLeft);
    EXPECT_EQ(view->statusText(), QStringLiteral("D.V.1 - Seite 4 von 4"));
    EXPECT_FALSE(command(CDV1_View::InsertChoice)->isEnabled());
}

TEST_F(Dv1View, F3CalculatesWhatIsBeingTypedAndTheFieldShowsTheResult)
{
    open(3);
    goTo(F::NationalPrice1, 2);
    type(QStringLiteral("12,5"));
    goTo(F::Commissions1, 3);
    type(QStringLiteral("1.000"));
    doc->setModified(false);
    key(Qt::Key_F3);
    EXPECT_EQ(doc->fieldStore().text(F::TotalA1, 2), QStringLiteral("12,50"));
    EXPECT_EQ(doc->fieldStore().text(F::DeclaredValue1, 2), QStringLiteral("12,50"));
    EXPECT_EQ(doc->fieldStore().text(F::TotalB1, 3), QStringLiteral("1.000,00"));
    EXPECT_TRUE(doc->isModified());
    // The focused field shows the amount as rewritten, and typing goes on
    // from there.
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("1.000,00"));
    key(Qt::Key_End);
    type(QStringLiteral("1"));
    EXPECT_EQ(doc->fieldStore().text(F::Commissions1, 3), QStringLiteral("1.000,001"));

    // Ctrl+Shift+Alt+F11 switches the price to the invoice currency column.
    EXPECT_EQ(Profile::get(Settings::Flag_DV1_11a), 0);
    key(Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(Profile::get(Settings::Flag_DV1_11a), 1);
    key(Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(Profile::get(Settings::Flag_DV1_11a), 0);
}

TEST_F(Dv1View, StatusHelpTopicsAndTheInsertKey)
{
    open(2);
    QStringList pages;
    QStringList modes;
    QList<int> topics;
    QObject::connect(view.get(), &CDV1_View::statusChanged, [&](const QString& p, const QString& m) {
        pages << p;
        modes << m;
    });
    QObject::connect(view.get(), &CDV1_View::helpContextChanged, [&](int c) { topics << c; });
    EXPECT_EQ(view->helpContext(), 300);
    key(Qt::Key_Tab);
    EXPECT_EQ(view->helpContext(), 302);
    key(Qt::Key_Tab);
    EXPECT_EQ(view->helpContext(), 301);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view->helpContext(), 312);
    EXPECT_EQ(topics, (QList<int>{302, 301, 312}));
    EXPECT_EQ(pages.constLast(), QStringLiteral("D.V.1 - Seite 2 von 2"));

    key(Qt::Key_Insert);
    EXPECT_EQ(modes.constLast(), QStringLiteral("Überschreiben"));
    EXPECT_EQ(command(CDV1_View::InsertMode)->text(), QStringLiteral("Einfügem&odus einschalten\tEinfg"));
    key(Qt::Key_Insert);
    EXPECT_EQ(modes.constLast(), QStringLiteral("Einfügen"));
}

TEST_F(Dv1View, ARefusedFileIsReportedWhenTheViewOpens)
{
    testsupport::clearSettings();
    doc = std::make_unique<CDV1_Doc>();
    doc->setLoadStatus(CDV1_Doc::OlderVersion);
    view = std::make_unique<CDV1_View>(doc.get());
    view->setMessageHandler([this](QWidget*, const QString& text) { messages << text; });
    view->initialUpdate();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.first(),
              QStringLiteral("Dies ist ein Dokument einer älteren Version\nund kann nicht geöffnet werden!"));
    EXPECT_EQ(view->currentPage(), 1);
    EXPECT_EQ(view->currentField(), 0);
}
