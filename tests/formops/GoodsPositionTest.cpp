#include <gtest/gtest.h>

#include <initializer_list>

#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhGoodsPosition.h"

namespace {

// Fills every box and grid field of a position with "<tag>:<offset>".
void fillPosition(CEinheitspapierDoc& doc, const EhGoodsPosition& pos, const QString& tag)
{
    for (int i = 0; i < EhGoodsPosition::BoxFieldCount; ++i)
        doc.store().setText(pos.firstBoxField() + i, pos.page, tag + QStringLiteral(":b%1").arg(i));
    for (int i = 0; i < EhGoodsPosition::GridFieldCount; ++i)
        doc.store().setText(pos.firstGridField() + i, pos.page, tag + QStringLiteral(":g%1").arg(i));
}

void expectPosition(const CEinheitspapierDoc& doc, const EhGoodsPosition& pos, const QString& tag)
{
    for (int i = 0; i < EhGoodsPosition::BoxFieldCount; ++i) {
        const QString want = tag.isEmpty() ? QString() : tag + QStringLiteral(":b%1").arg(i);
        EXPECT_EQ(doc.store().text(pos.firstBoxField() + i, pos.page), want) << pos.page << "/" << pos.slot;
    }
    for (int i = 0; i < EhGoodsPosition::GridFieldCount; ++i) {
        const QString want = tag.isEmpty() ? QString() : tag + QStringLiteral(":g%1").arg(i);
        EXPECT_EQ(doc.store().text(pos.firstGridField() + i, pos.page), want) << pos.page << "/" << pos.slot;
    }
}

} // namespace

TEST(GoodsPositions, ListMarksShortBox31AsEmpty)
{
    testsupport::clearSettings();
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setContinuationPageCount(2);
    doc.store().setText(52, 1, QStringLiteral("Tee"));
    doc.store().setText(32, 2, QStringLiteral("ab"));
    const QStringList all = EhGoodsPositions::list(doc, true);
    ASSERT_EQ(all.size(), 7);
    EXPECT_EQ(all.at(0), QStringLiteral("Position 1 auf Seite 1"));
    EXPECT_EQ(all.at(2), QStringLiteral("Position 2 auf Seite 2 (leer)"));
    EXPECT_EQ(all.at(6), QStringLiteral("Position 3 auf Seite 3 (leer)"));
    EXPECT_EQ(EhGoodsPositions::list(doc, false).size(), 6);

    EXPECT_EQ(EhGoodsPosition::ofContinuationField(2, 31), (EhGoodsPosition{2, 1}));
    EXPECT_EQ(EhGoodsPosition::ofContinuationField(2, 32), (EhGoodsPosition{2, 2}));
    EXPECT_EQ(EhGoodsPosition::ofContinuationField(2, 53), (EhGoodsPosition{2, 3}));
}

TEST(GoodsPositions, MoveFirstPagePositionToPageTwo)
{
    testsupport::clearSettings();
    CEinheitspapierDoc doc;
    doc.deleteContents();
    fillPosition(doc, {1, 1}, QStringLiteral("src"));
    fillPosition(doc, {2, 2}, QStringLiteral("old"));
    doc.store().setAttr(60, 1, 0x0213);
    const std::uint16_t targetWord = doc.store().attr(40, 2);
    EhGoodsPositions::move(doc, {1, 1}, {2, 2});
    expectPosition(doc, {2, 2}, QStringLiteral("src"));
    expectPosition(doc, {1, 1}, QString());
    EXPECT_EQ(doc.store().text(32, 2), QStringLiteral("src:b0"));
    EXPECT_EQ(doc.store().text(149, 2), QStringLiteral("src:g35"));
    EXPECT_EQ(doc.store().attr(60, 1), 0x0213);
    EXPECT_EQ(doc.store().attr(40, 2), targetWord);
    EXPECT_TRUE(doc.isModified());
}

TEST(GoodsPositions, MovesLandOnTheFieldsOfTheFormsBoxes)
{
    // Boxes 31-46 of the first page are fields 52-72 and its box 47 grid
    // 115-150; on a continuation page position 2 has 32-52 and 114-149,
    // position 3 53-73 and 150-185.
    testsupport::clearSettings();
    CEinheitspapierDoc doc;
    doc.deleteContents();
    FieldStore& s = doc.store();
    const auto original = [](int page, int field) { return QStringLiteral("%1/%2").arg(page).arg(field); };
    const auto fillAll = [&] {
        for (int f = 0; f < 154; ++f)
            s.setText(f, 1, original(1, f));
        for (int f = 0; f < 214; ++f)
            s.setText(f, 2, original(2, f));
    };
    // count fields from `source` on the source page went to `target` on the
    // target page.
    struct Block {
        int source;
        int target;
        int count;
    };
    const auto expectMoved = [&](int sourcePage, int targetPage, std::initializer_list<Block> blocks) {
        for (int page : {1, 2}) {
            for (int f = 0; f < (page == 1 ? 154 : 214); ++f) {
                QString want = original(page, f);
                for (const Block& b : blocks) {
                    if (page == sourcePage && f >= b.source && f < b.source + b.count)
                        want.clear();
                }
                for (const Block& b : blocks) {
                    if (page == targetPage && f >= b.target && f < b.target + b.count)
                        want = original(sourcePage, b.source + f - b.target);
                }
                EXPECT_EQ(s.text(f, page), want) << "page " << page << " field " << f;
            }
        }
    };

    fillAll();
    EhGoodsPositions::move(doc, {1, 1}, {2, 2});
    expectMoved(1, 2, {{52, 32, 21}, {115, 114, 36}});
    fillAll();
    EhGoodsPositions::move(doc, {2, 3}, {1, 1});
    expectMoved(2, 1, {{53, 52, 21}, {150, 115, 36}});
}

TEST(GoodsPositions, DeleteMovesLaterPositionsUpAcrossPages)
{
    testsupport::clearSettings();
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setContinuationPageCount(3);
    for (int i = 0; i < 9; ++i)
        fillPosition(doc, EhGoodsPosition::fromContinuationIndex(i), QStringLiteral("p%1").arg(i));
    doc.store().setText(0, 3, QStringLiteral("Nummer bleibt"));

    EhGoodsPositions::remove(doc, {3, 2});  // the fifth position
    for (int i = 0; i < 4; ++i)
        expectPosition(doc, EhGoodsPosition::fromContinuationIndex(i), QStringLiteral("p%1").arg(i));
    for (int i = 4; i < 8; ++i)
        expectPosition(doc, EhGoodsPosition::fromContinuationIndex(i), QStringLiteral("p%1").arg(i + 1));
    expectPosition(doc, {4, 3}, QString());
    EXPECT_EQ(doc.store().pageCount(), 4);
    EXPECT_EQ(doc.store().text(0, 3), QStringLiteral("Nummer bleibt"));

    // The first page's position is not in the delete list and stays.
    fillPosition(doc, {1, 1}, QStringLiteral("first"));
    EhGoodsPositions::remove(doc, {1, 1});
    expectPosition(doc, {1, 1}, QStringLiteral("first"));
}
