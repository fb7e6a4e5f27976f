// Box 31 of a goods position filled from the goods master data: F2 opens
// the goods dialog for picking, and the record lands in boxes 31, 33 and 34
// of that position.
#include <QLineEdit>
#include <QPushButton>

#include "../masterdata/GoodsFixtures.h"
#include "ViewTestSupport.h"
#include "form/EhField.h"

using goodsfixture::goods;

namespace {

class GoodsChoice : public ViewFixture
{
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        goodsfixture::useTable(dir.file(QStringLiteral("Artikel1.dbf")),
                               {goods(QStringLiteral("Schrauben M6\r\nverzinkt"), QStringLiteral("73181595"),
                                      QStringLiteral("CN"), QString()),
                                goods(QStringLiteral("Muttern"), QStringLiteral("73181699"), QStringLiteral("TW"),
                                      QStringLiteral("09"))});
    }

    // Picks the record that the search text finds, by keyboard.
    void pickWithF2(const QString& search)
    {
        onNextModal([search](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Stammdatenauswahl"));
            auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("search"));
            ASSERT_NE(box, nullptr);
            QTest::keyClicks(box, search);
            QTest::keyClick(box, Qt::Key_Return);
        });
        key(Qt::Key_F2);
    }

    void fill(int firstBox31, int page)
    {
        const int fields[] = {EhField::Block::Box31,  EhField::Block::Box33A,     EhField::Block::Box33A + 1,
                              EhField::Block::Box33A + 2, EhField::Block::Box33A + 3, EhField::Block::Box33E,
                              EhField::Block::Box34A, EhField::Block::Box34B};
        for (int offset : fields)
            doc->store().setText(firstBox31 + offset, page, QStringLiteral("alt"));
    }

    testsupport::TempDir dir;
};

} // namespace

TEST_F(GoodsChoice, F2OnBox31PicksIntoThatPositionOfPageOneOrOfAContinuationSheet)
{
    fill(EhField::Box31, 1);
    goTo(EhField::Box31, 1);
    EXPECT_TRUE(view->action(CEinheitspapierView::InsertChoice)->isEnabled());
    pickWithF2(QStringLiteral("verzinkt"));
    // Every box overwritten, box 34 B with the empty text it has.
    EXPECT_EQ(text(EhField::Box31, 1), QStringLiteral("Schrauben M6\r\nverzinkt"));
    EXPECT_EQ(text(EhField::Box33A, 1), QStringLiteral("73181595"));
    EXPECT_EQ(text(EhField::Box33B, 1), QStringLiteral("90"));
    EXPECT_EQ(text(EhField::Box33C, 1), QStringLiteral("1234"));
    EXPECT_EQ(text(EhField::Box33D, 1), QStringLiteral("5678"));
    EXPECT_EQ(text(EhField::Box33E, 1), QStringLiteral("9"));
    EXPECT_EQ(text(EhField::Box34A, 1), QStringLiteral("CN"));
    EXPECT_EQ(text(EhField::Box34B, 1), QString());
    EXPECT_TRUE(doc->isModified());
    // The editor on box 31 shows the new text.
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Schrauben M6\nverzinkt"));

    // Position 3 of the continuation sheet.
    const int third = EhField::Cont::FirstBlock + 2 * EhField::Cont::BlockFields;
    fill(third, 2);
    goTo(third + EhField::Block::Box31, 2);
    pickWithF2(QStringLiteral("mutt"));
    EXPECT_EQ(text(third + EhField::Block::Box31, 2), QStringLiteral("Muttern"));
    EXPECT_EQ(text(third + EhField::Block::Box33A, 2), QStringLiteral("73181699"));
    EXPECT_EQ(text(third + EhField::Block::Box34A, 2), QStringLiteral("TW"));
    EXPECT_EQ(text(third + EhField::Block::Box34B, 2), QStringLiteral("09"));
    // The positions beside it and page 1 are untouched.
    EXPECT_EQ(text(EhField::Cont::FirstBlock + EhField::Cont::BlockFields + EhField::Block::Box31, 2), QString());
    EXPECT_EQ(text(EhField::Box31, 1), QStringLiteral("Schrauben M6\r\nverzinkt"));
}

TEST_F(GoodsChoice, AbbruchChangesNothingAndOtherBoxesDoNotOpenTheGoods)
{
    const int first = EhField::Cont::FirstBlock;
    fill(first, 2);
    goTo(first + EhField::Block::Box31, 2);
    doc->setModified(false);
    onNextModal([](QWidget* dialog) {
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("Abbruch"))
                b->click();
        }
    });
    key(Qt::Key_F2);
    EXPECT_EQ(text(first + EhField::Block::Box31, 2), QStringLiteral("alt"));
    EXPECT_EQ(text(first + EhField::Block::Box34B, 2), QStringLiteral("alt"));
    EXPECT_FALSE(doc->isModified());

    // Box 32 beside it has no choice to insert.
    goTo(first + EhField::Block::Box32, 2);
    EXPECT_FALSE(view->action(CEinheitspapierView::InsertChoice)->isEnabled());
}
