// The view as a declarant uses it: the status line, Tab through the sheets,
// the mouse, the zoom, and a whole three-sheet form filled in by keyboard.
#include <QAction>
#include <QScrollBar>
#include <QSignalSpy>

#include "ViewTestSupport.h"
#include "form/EhField.h"
#include "form/EhFieldFlags.h"
#include "view/EhFocusNavigator.h"
#include "view/FormZoom.h"
#include "settings/ViewZoom.h"
#include <QScreen>

namespace {

using EinheitspapierView = ViewFixture;

// By the view's own tables, which hold the unused marks it set on opening.
bool editable(const CEinheitspapierView& view, int page, int field)
{
    const auto kind = page <= 1 ? EhFieldFlags::PageKind::First : EhFieldFlags::PageKind::Continuation;
    return !(view.fieldDefinitions().flag(kind, field, 0) & EhFieldFlags::NotEditable);
}

// Presses Tab until the focus is back where it started; the fields passed.
// The box 47 dialogs that open on the way are cancelled; dialogs, when given,
// receives their titles.
QList<int> tabRound(CEinheitspapierView& view, CQznEditWindow_EHP* editor, QStringList* dialogs = nullptr)
{
    const CancelDialogs cancel;
    QList<int> seen;
    const int start = view.currentField();
    for (int i = 0; i < 300; ++i) {
        QTest::keyClick(editor, Qt::Key_Tab);
        if (view.currentField() == start)
            break;
        seen << view.currentField();
    }
    if (dialogs)
        *dialogs = cancel.titles();
    return seen;
}

} // namespace

TEST_F(EinheitspapierView, StatusTextFollowsThePage)
{
    EXPECT_EQ(view->statusText(), QStringLiteral("Einheitspapier - Seite 1 von 2"));
    EXPECT_EQ(view->insertModeText(), QStringLiteral("Einfügen"));
    EXPECT_FALSE(view->action(CEinheitspapierView::FirstPage)->isEnabled());
    EXPECT_TRUE(view->action(CEinheitspapierView::LastPage)->isEnabled());

    QSignalSpy status(view.get(), &CEinheitspapierView::statusChanged);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view->currentPage(), 2);
    EXPECT_EQ(view->statusText(), QStringLiteral("Einheitspapier - Seite 2 von 2"));
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.last().at(0).toString(), QStringLiteral("Einheitspapier - Seite 2 von 2"));
    EXPECT_FALSE(view->action(CEinheitspapierView::NextPage)->isEnabled());
    EXPECT_TRUE(view->action(CEinheitspapierView::PreviousPage)->isEnabled());
    // Continuation field 0 is unused on this form set: the focus moves on.
    EXPECT_TRUE(editable(*view, 2, view->currentField()));

    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view->currentPage(), 1);
    EXPECT_EQ(view->currentField(), 0);
}

TEST_F(EinheitspapierView, TabGoesThroughEveryEditableFieldAndWrapsToTheFirst)
{
    // Box 44 takes no typing: its dialog opens and the focus passes on. Box
    // 47's dialog keeps the focus on the box.
    QStringList dialogs;
    const QList<int> firstPage = tabRound(*view, editor(), &dialogs);
    EXPECT_EQ(dialogs, (QStringList{QStringLiteral("Feld 44"), QStringLiteral("Feld 47 - Abgabenberechnung")}));
    QList<int> expected;
    for (int f = 1; f <= EhFocusNavigator::FirstPageTabEnd; ++f) {
        if (editable(*view, 1, f) && f != EhField::Box44)
            expected << f;
    }
    EXPECT_EQ(firstPage, expected);
    EXPECT_EQ(view->currentField(), 0);

    // Shift+Tab from the first field goes to the last one Tab reaches.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->currentField(), expected.last());
    key(Qt::Key_Tab);
    EXPECT_EQ(view->currentField(), 0);

    key(Qt::Key_Right, Qt::ControlModifier);
    const int start = view->currentField();
    const QList<int> contPage = tabRound(*view, editor(), &dialogs);
    EXPECT_EQ(dialogs.size(), 4);  // box 47 of the three positions and the summary
    EXPECT_EQ(view->currentField(), start);
    EXPECT_EQ(view->currentPage(), 2);
    ASSERT_FALSE(contPage.isEmpty());
    EXPECT_LE(*std::max_element(contPage.begin(), contPage.end()), EhFocusNavigator::ContinuationTabEnd);
    for (int f : contPage)
        EXPECT_TRUE(editable(*view, 2, f)) << f;
}

TEST_F(EinheitspapierView, AClickMovesTheFocusOnlyIntoAnEditableField)
{
    // The title line of the form (20 mm, 5 mm) lies in no field.
    const FormMapping m = view->mapping();
    const QPoint title(m.toPixels(200 * m.zoom() / 10), m.toPixels(50 * m.zoom() / 10));

    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(10, 1));
    EXPECT_EQ(view->currentField(), 10);
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::ArrowCursor);

    // A click into no field, or beyond the sheet, beeps and changes nothing.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, title);
    EXPECT_EQ(view->currentField(), 10);
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(view->viewport()->width() - 3, 5));
    EXPECT_EQ(view->currentField(), 10);
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_FALSE(doc->isModified());

    // The field cursor shows over fields that take the focus.
    view->horizontalScrollBar()->setValue(0);
    QTest::mouseMove(view->viewport(), centreOf(25, 1));
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::IBeamCursor);
    QTest::mouseMove(view->viewport(), title);
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(EinheitspapierView, ZoomCommandsStopAtTheirLimitsAndKeepTheFocus)
{
    goTo(25, 1);
    QAction* larger = view->action(CEinheitspapierView::ZoomLarger);
    QAction* smaller = view->action(CEinheitspapierView::ZoomSmaller);
    view->setZoom(24);
    view->updateCommandState();
    const int width24 = editor()->width();
    larger->trigger();
    EXPECT_EQ(view->zoom(), 25);
    EXPECT_FALSE(larger->isEnabled());
    EXPECT_EQ(Profile::GetProfileInt(QStringLiteral("EHForm_Defaults"), QStringLiteral("ZoomFactor"), 0),
              FormZoom::storedFactor(25, ViewZoom::screenScale(QGuiApplication::primaryScreen()->logicalDotsPerInchX())));
    larger->trigger();
    EXPECT_EQ(view->zoom(), 25);
    EXPECT_GT(editor()->width(), width24);
    EXPECT_EQ(view->currentField(), 25);
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);

    view->setZoom(11);
    view->updateCommandState();
    smaller->trigger();
    EXPECT_EQ(view->zoom(), 10);
    EXPECT_FALSE(smaller->isEnabled());
    EXPECT_TRUE(larger->isEnabled());
    smaller->trigger();
    EXPECT_EQ(view->zoom(), 10);
    EXPECT_EQ(view->currentField(), 25);
    // The scroll range follows the zoom: 350 mm of the form at real size.
    EXPECT_EQ(view->verticalScrollBar()->maximum() + view->viewport()->height(),
              view->mapping().toPixels(350 * 10));
}

// A whole Einheitspapier of three sheets, filled in with the keyboard alone:
// what was typed is in the store exactly as typed.
class KeyboardOnly : public ViewFixture
{
protected:
    void configure() override { Profile::set(Settings::AutoFillPositions, 0); }

    // Types into every field Tab reaches on the shown page: one letter, as
    // the smallest boxes (24 A: 4 mm) take no more, and a goods name into
    // box 31.
    QHash<int, QString> fillPage()
    {
        const CancelDialogs cancel;
        QHash<int, QString> typed;
        const int page = view->currentPage();
        const int start = view->currentField();
        for (int i = 0; i < 300; ++i) {
            const int f = view->currentField();
            const bool box31 = page > 1 ? (f == 11 || f == 32 || f == 53) : f == 52;
            const QString t = box31 ? QStringLiteral("Ware %1/%2").arg(page).arg(f) : QString(QChar('A' + f % 26));
            type(t);
            typed.insert(f, t);
            key(Qt::Key_Tab);
            if (view->currentField() == start)
                break;
        }
        return typed;
    }
};

TEST_F(KeyboardOnly, ThreeSheetsAsTyped)
{
    QHash<int, QHash<int, QString>> typed;
    typed[1] = fillPage();
    key(Qt::Key_Right, Qt::ControlModifier);
    typed[2] = fillPage();
    EXPECT_TRUE(view->action(CEinheitspapierView::AddPage)->isEnabled());
    key(Qt::Key_F10);
    ASSERT_EQ(view->pageCount(), 3);
    ASSERT_EQ(view->currentPage(), 3);
    EXPECT_EQ(view->statusText(), QStringLiteral("Einheitspapier - Seite 3 von 3"));
    // The new sheet starts with the consignor of sheet 2.
    EXPECT_EQ(text(7, 3), text(7, 2));
    EXPECT_EQ(text(8, 3), text(8, 2));
    typed[3] = fillPage();

    EXPECT_GT(typed[1].size(), 50);
    EXPECT_GT(typed[2].size(), 40);
    for (int page = 1; page <= 3; ++page) {
        for (auto it = typed[page].cbegin(); it != typed[page].cend(); ++it) {
            // Fields 7 and 8 of sheet 3 held sheet 2's texts before typing.
            const QString expected = (page == 3 && (it.key() == 7 || it.key() == 8))
                                         ? it.value() + text(it.key(), 2)
                                         : it.value();
            EXPECT_EQ(text(it.key(), page), expected) << "page " << page << " field " << it.key();
        }
    }
    EXPECT_TRUE(doc->isModified());
}
