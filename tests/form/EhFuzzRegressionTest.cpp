#include <gtest/gtest.h>

#include <QDir>

#include "EhFixtures.h"
#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"

// Inputs the fuzzer found once: each must read without a crash into either
// no document or a document whose store is whole.
TEST(EhFuzzRegression, EveryKeptInputReadsSafely)
{
    const QDir dir(testsupport::dataFile(QStringLiteral("aef-fuzz")));
    const QStringList files = dir.entryList({QStringLiteral("*.bin")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        CEinheitspapierDoc doc;
        const bool ok = ehfixtures::readDoc(doc, testsupport::readFile(dir.filePath(name)));
        const FieldStore& s = doc.store();
        EXPECT_GE(s.firstPageFieldCount(), 154) << name.toStdString();
        EXPECT_GE(s.continuationFieldCount(), 214) << name.toStdString();
        EXPECT_GE(doc.continuationPageCount(), 1) << name.toStdString();
        EXPECT_EQ(s.firstTexts().size(), s.firstPageFieldCount()) << name.toStdString();
        EXPECT_EQ(s.firstWords().size(), s.firstPageFieldCount()) << name.toStdString();
        EXPECT_EQ(s.continuationTexts().size(), qsizetype(s.continuationFieldCount()) * doc.continuationPageCount())
            << name.toStdString() << (ok ? " (read)" : " (refused)");
        EXPECT_EQ(s.continuationWords().size(), s.continuationTexts().size()) << name.toStdString();
    }
}
