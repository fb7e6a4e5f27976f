#include <gtest/gtest.h>

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
