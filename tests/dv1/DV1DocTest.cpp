#include <gtest/gtest.h>

#include "dv1/CDV1_Doc.h"

#include <algorithm>

namespace {

constexpr std::uint16_t LeftWord = 0x0003;
constexpr std::uint16_t RightWord = 0x0203;

bool leftAligned(int field)
{
    const auto& list = CDV1_Doc::LeftAlignedContinuationFields;
    return std::find(list.begin(), list.end(), field) != list.end();
}

void expectContinuationFormats(const FieldStore& store, int page)
{
    for (int f = 0; f < CDV1_Doc::ContinuationFields; ++f)
        EXPECT_EQ(store.attr(f, page), leftAligned(f) ? LeftWord : RightWord) << "page " << page << " field " << f;
}

} // namespace

TEST(DV1Doc, NewDocumentHasTwoFormattedPages)
{
    CDV1_Doc doc;
    const FieldStore& store = doc.fieldStore();
    EXPECT_EQ(store.firstPageFieldCount(), 12);
    EXPECT_EQ(store.continuationFieldCount(), 61);
    EXPECT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(store.pageWord(), 0x2002);
    for (int f = 0; f < 12; ++f)
        EXPECT_EQ(store.attr(f, 1), LeftWord) << f;
    expectContinuationFormats(store, 2);
    for (std::uint8_t box : doc.answerBoxes())
        EXPECT_EQ(box, 0);
    EXPECT_EQ(doc.loadStatus(), 0);
    EXPECT_FALSE(doc.isModified());
}

TEST(DV1Doc, DeleteContentsReturnsToTheNewState)
{
    CDV1_Doc doc;
    doc.AddContinuationPage();
    doc.fieldStore().setText(3, 3, QStringLiteral("x"));
    doc.fieldStore().setAttr(3, 1, 0x0114);
    doc.ClickAnswerBox(6);
    doc.setLoadStatus(CDV1_Doc::NewerVersion);
    doc.DeleteContents();
    EXPECT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(doc.fieldStore().attr(3, 1), LeftWord);
    EXPECT_TRUE(doc.fieldStore().text(3, 3).isEmpty());
    EXPECT_FALSE(doc.answerBox(6));
    EXPECT_EQ(doc.loadStatus(), 0);
}

TEST(DV1Doc, AnswerBoxesFollowThePairRule)
{
    CDV1_Doc doc;
    doc.ClickAnswerBox(0);
    doc.ClickAnswerBox(2);
    doc.ClickAnswerBox(5);
    doc.ClickAnswerBox(8);
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.answerBox(0));
    EXPECT_TRUE(doc.answerBox(2));
    EXPECT_TRUE(doc.answerBox(5));

    doc.ClickAnswerBox(9);
    EXPECT_FALSE(doc.answerBox(8));
    EXPECT_TRUE(doc.answerBox(9));

    // The second box of the first pair clears the whole first question group.
    doc.ClickAnswerBox(1);
    const CDV1_Doc::AnswerBoxes expected{0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(doc.answerBoxes(), expected);

    doc.ClickAnswerBox(-1);
    doc.ClickAnswerBox(14);
    EXPECT_EQ(doc.answerBoxes(), expected);
}

TEST(DV1Doc, AddedPagesGetTheContinuationFormatsUpToTheStoreLimit)
{
    CDV1_Doc doc;
    ASSERT_TRUE(doc.AddContinuationPage());
    EXPECT_EQ(doc.pageCount(), 3);
    EXPECT_TRUE(doc.isModified());
    expectContinuationFormats(doc.fieldStore(), 3);

    while (doc.pageCount() < 255)
        ASSERT_TRUE(doc.AddContinuationPage());
    EXPECT_FALSE(doc.AddContinuationPage());
    EXPECT_EQ(doc.pageCount(), 255);
}
