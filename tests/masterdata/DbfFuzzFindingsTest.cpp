// Inputs the table reader's fuzz target found or started from: each must be
// read or refused without a crash, a hang or a huge allocation.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "DbfExercise.h"
#include "TestSupport.h"

TEST(DbfFuzzFindings, EveryInputIsReadOrRefused)
{
    const QDir findings(testsupport::dataFile(QStringLiteral("dbf-fuzz")));
    const QStringList names = findings.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    testsupport::TempDir dir;
    int opened = 0;
    for (const QString& name : names) {
        // A copy, because reading a table must never need to write to it.
        const QString copy = dir.file(QStringLiteral("input.dbf"));
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(findings.filePath(name), copy));
        QFile::setPermissions(copy, QFile::ReadOwner);
        if (dbfexercise::readAll(copy))
            ++opened;
    }
    // The seeds include well-formed tables.
    EXPECT_GT(opened, 0);
}
