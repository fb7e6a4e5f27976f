// The changes an undo step keeps: only what differs, pages that come and go
// with all they held, and two changes taken as one.
#include <gtest/gtest.h>

#include "form/CEinheitspapierDoc.h"
#include "form/FieldStore.h"
#include "form/FormDelta.h"

namespace {

struct Snapshot {
    FieldStore store;
    QList<int> values;
};

} // namespace

TEST(FormDelta, UndoAndRedoRestoreTextsWordsPagesAndValues)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setContinuationPageCount(3);
    FieldStore& store = doc.store();
    store.setText(18, 1, QStringLiteral("Absender"));
    store.setText(11, 4, QStringLiteral("Schrauben"));
    store.setAttr(11, 4, 0x0104);
    const Snapshot before{store, {0, 1}};

    // A command that changes a text, a word, drops the last sheet and
    // switches the form set.
    store.setText(18, 1, QStringLiteral("Neuer Absender"));
    store.setAttr(25, 1, 0x0013);
    doc.setContinuationPageCount(2);
    QList<int> values{2, 1};
    const FormDelta delta = FormDelta::between(before.store, before.values, store, values);
    ASSERT_FALSE(delta.isEmpty());

    delta.undo(store, values);
    EXPECT_EQ(values, (QList<int>{0, 1}));
    EXPECT_EQ(store.pageCount(), 4);
    EXPECT_EQ(store.pageWord(), before.store.pageWord());
    EXPECT_EQ(store.text(18, 1), QStringLiteral("Absender"));
    EXPECT_EQ(store.attr(25, 1), before.store.attr(25, 1));
    // The sheet comes back with all it held, its words included.
    EXPECT_EQ(store.text(11, 4), QStringLiteral("Schrauben"));
    EXPECT_EQ(store.attr(11, 4), 0x0104);
    EXPECT_EQ(store.attr(40, 4), before.store.attr(40, 4));
    EXPECT_EQ(store.continuationTexts(), before.store.continuationTexts());
    EXPECT_EQ(store.continuationWords(), before.store.continuationWords());

    delta.redo(store, values);
    EXPECT_EQ(values, (QList<int>{2, 1}));
    EXPECT_EQ(store.pageCount(), 3);
    EXPECT_EQ(store.text(18, 1), QStringLiteral("Neuer Absender"));
    EXPECT_EQ(store.attr(25, 1), 0x0013);
    EXPECT_TRUE(store.text(11, 4).isEmpty());

    // Nothing changed, nothing kept.
    EXPECT_TRUE(FormDelta::between(store, values, store, values).isEmpty());
}

TEST(FormDelta, AnAddedSheetGoesOnUndoAndComesBackOnRedo)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    FieldStore& store = doc.store();
    const FieldStore before = store;
    doc.setContinuationPageCount(2);
    store.setText(8, 3, QStringLiteral("Kopie"));
    for (int f = 0; f < store.continuationFieldCount(); ++f)
        store.setAttr(f, 3, 3);
    QList<int> values;
    const FormDelta delta = FormDelta::between(before, values, store, values);
    const FieldStore after = store;

    delta.undo(store, values);
    EXPECT_EQ(store.pageCount(), 2);
    EXPECT_EQ(store.continuationTexts(), before.continuationTexts());
    delta.redo(store, values);
    EXPECT_EQ(store.continuationTexts(), after.continuationTexts());
    EXPECT_EQ(store.continuationWords(), after.continuationWords());
}

TEST(FormDelta, TypingAndWhatFollowsItAreOneChange)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    FieldStore& store = doc.store();
    QList<int> values{0};

    // Typed into field 151, then leaving it copied the text to page 2.
    FormDelta typing = FormDelta::ofText(store, 151, 1, QString(), QStringLiteral("A"));
    store.setText(151, 1, QStringLiteral("A"));
    typing.append(FormDelta::ofText(store, 151, 1, QStringLiteral("A"), QStringLiteral("AB")));
    store.setText(151, 1, QStringLiteral("AB"));
    const FieldStore beforeCopy = store;
    store.setText(0, 2, QStringLiteral("AB"));
    typing.append(FormDelta::between(beforeCopy, values, store, values));

    typing.undo(store, values);
    EXPECT_TRUE(store.text(151, 1).isEmpty());
    EXPECT_TRUE(store.text(0, 2).isEmpty());
    EXPECT_EQ(values, QList<int>{0});
    typing.redo(store, values);
    EXPECT_EQ(store.text(151, 1), QStringLiteral("AB"));
    EXPECT_EQ(store.text(0, 2), QStringLiteral("AB"));

    // Typed and erased again: nothing is left to undo.
    FormDelta back = FormDelta::ofText(store, 20, 1, QString(), QStringLiteral("x"));
    back.append(FormDelta::ofText(store, 20, 1, QStringLiteral("x"), QString()));
    EXPECT_TRUE(back.isEmpty());
}
