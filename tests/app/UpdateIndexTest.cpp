// Reading the update index the way the update check reads it, and what the
// check concludes from the entry it finds.
#include <gtest/gtest.h>

#include <QDir>

#include "TestSupport.h"
#include "UpdateIndexFixtures.h"
#include "app/UpdateCheckModel.h"
#include "app/UpdateIndex.h"

using updatefixtures::Line;

namespace {

const QString Program = QStringLiteral("Kestrovane-Import");

Line other(const char* name) { return Line{name, "1.00.000"}; }
Line ours(const char* version = "2.01.006") { return Line{"Kestrovane-Import", version}; }

} // namespace

TEST(UpdateIndex, LfAndCrLfFilesGiveTheSameTrimmedEntry)
{
    const QList<Line> lines{other("Zollwert-Rechner"), ours(), other("Tarifbrowser")};
    const UpdateIndex::Result lf = UpdateIndex::find(updatefixtures::index(3, lines, "\n"), Program);
    const UpdateIndex::Result crlf = UpdateIndex::find(updatefixtures::index(3, lines, "\r\n"), Program);
    EXPECT_EQ(lf.lineEnding, 1);
    EXPECT_EQ(crlf.lineEnding, 2);
    for (const UpdateIndex::Result& r : {lf, crlf}) {
        ASSERT_TRUE(r.found);
        EXPECT_EQ(r.headerNumber, 3);
        EXPECT_EQ(r.entriesRead, 2);
        EXPECT_EQ(r.entry.name, Program);
        EXPECT_EQ(r.entry.version, QStringLiteral("2.01.006"));
        EXPECT_EQ(r.entry.downloadPath, QStringLiteral("download/setup.exe"));
        EXPECT_EQ(r.entry.downloadSize, QStringLiteral("12,3 MB"));
        EXPECT_EQ(r.entry.secondPath, QStringLiteral("second/path.zip"));
        EXPECT_EQ(r.entry.secondSize, QStringLiteral("1 MB"));
        EXPECT_EQ(r.entry.infoPage, QStringLiteral("versionsinfo"));
        // Columns 28-35 are carried as they stand, blanks and all.
        EXPECT_EQ(r.entry.reserved, QStringLiteral("  r     "));
    }
}

TEST(UpdateIndex, HeaderNumberLimitsTheEntriesRead)
{
    const QList<Line> third{other("A"), other("B"), ours()};
    // N = 0: at most two entries, so the third is never reached.
    UpdateIndex::Result r = UpdateIndex::find(updatefixtures::index(0, third), Program);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.entriesRead, 2);
    EXPECT_EQ(r.entry.name, QStringLiteral("B"));
    r = UpdateIndex::find(updatefixtures::index(1, third), Program);
    EXPECT_TRUE(r.found);
    // N = -2 reads no entry at all; a header without a number counts as 0.
    r = UpdateIndex::find(updatefixtures::index(-2, {ours()}), Program);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.entriesRead, 0);
    QByteArray noNumber = updatefixtures::index(0, {ours()});
    noNumber.replace(23, 2, "xx");
    r = UpdateIndex::find(noNumber, Program);
    EXPECT_EQ(r.headerNumber, 0);
    EXPECT_TRUE(r.found);

    // However large the file, no more than the largest N allows is read.
    QList<Line> many(150, other("X"));
    many.append(ours());
    r = UpdateIndex::find(updatefixtures::index(99, many), Program);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.entriesRead, 101);
}

TEST(UpdateIndex, ShortOrCutOffLinesEndTheSearchAsATransferFault)
{
    const QByteArray good = updatefixtures::index(5, {other("A"), ours()});

    // Cut inside the entry of the program: the read fails, the name is "@".
    UpdateIndex::Result r = UpdateIndex::find(good.left(good.size() - 30), Program);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.entry.name, QStringLiteral("@"));
    EXPECT_EQ(r.entriesRead, 1);

    // The last line may do without its line ending.
    r = UpdateIndex::find(good.left(good.size() - 1), Program);
    EXPECT_TRUE(r.found);

    // A line one character short shifts every column after it: refused,
    // not read as garbage fields.
    QByteArray shortLine = updatefixtures::header(5) + "\n" + updatefixtures::entry(other("A")).left(175) + "\n" +
                           updatefixtures::entry(ours()) + "\n";
    r = UpdateIndex::find(shortLine, Program);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.entry.name, QStringLiteral("@"));

    // A header longer than its 25 characters, an empty answer, a header alone.
    r = UpdateIndex::find("QZN UPDATE INDEX 2024 LONG  5\n" + updatefixtures::entry(ours()) + "\n", Program);
    EXPECT_EQ(r.entry.name, QStringLiteral("@"));
    EXPECT_FALSE(UpdateIndex::find(QByteArray(), Program).found);
    r = UpdateIndex::find(updatefixtures::header(3), Program);
    EXPECT_EQ(r.entry.name, QStringLiteral("@"));
}

TEST(UpdateIndex, TextIsSingleByteAndStopsAtANul)
{
    Line l = ours();
    l.downloadSize = "3\xB5 MB";              // Windows-1252 micro sign
    l.infoPage = QByteArray("info\0junk", 9);
    const UpdateIndex::Result r = UpdateIndex::find(updatefixtures::index(0, {l}), Program);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.entry.downloadSize, QStringLiteral("3µ MB"));
    EXPECT_EQ(r.entry.infoPage, QStringLiteral("info"));
}

namespace {

UpdateCheckModel checked(UpdateCheckModel::Version installed, const char* entryVersion)
{
    UpdateCheckModel model(Program, installed);
    model.takeIndex(UpdateIndex::find(updatefixtures::index(0, {ours(entryVersion)}), Program));
    return model;
}

} // namespace

TEST(UpdateCheck, VersionsComparedAsTheirText)
{
    UpdateCheckModel fresh(Program, {3, 1, 5});
    EXPECT_EQ(fresh.statusText(), QStringLiteral("Es sind noch keine Daten geladen."));
    EXPECT_EQ(fresh.installedVersionText(), QStringLiteral("3.01.005"));

    UpdateCheckModel same = checked({3, 1, 5}, "3.01.005");
    EXPECT_FALSE(same.updateFound());
    EXPECT_EQ(same.statusText(), QStringLiteral("Die benutzte Version von Kestrovane-Import ist auf dem aktuellen Stand."));

    UpdateCheckModel build = checked({3, 1, 5}, "3.01.006");
    EXPECT_TRUE(build.updateFound());
    EXPECT_EQ(build.statusText(), QStringLiteral("Die derzeit aktuelle Version von Kestrovane-Import ist die Version 3.01.006"));
    EXPECT_TRUE(build.isFreeUpdate());

    UpdateCheckModel major = checked({3, 1, 5}, "4.00.000");
    EXPECT_TRUE(major.updateFound());
    EXPECT_FALSE(major.isFreeUpdate());
}

TEST(UpdateCheck, MajorVersionsOfTwoDigitsCompareAsWholeNumbers)
{
    // 10 against 10 is the same major version, whatever its first digit.
    EXPECT_TRUE(checked({10, 0, 1}, "10.00.002").isFreeUpdate());
    EXPECT_FALSE(checked({10, 0, 1}, "11.00.000").isFreeUpdate());
    EXPECT_FALSE(checked({1, 0, 1}, "10.00.000").isFreeUpdate());
    EXPECT_FALSE(checked({2, 1, 5}, "20.00.000").isFreeUpdate());
    EXPECT_EQ(UpdateCheckModel::majorOf(QStringLiteral("x.01")), -1);
}

TEST(UpdateCheck, MissingEntryIsATransferFault)
{
    UpdateCheckModel model(Program, {2, 1, 5});
    model.takeIndex(UpdateIndex::find(updatefixtures::index(3, {other("A")}), Program));
    EXPECT_EQ(model.statusText(), QStringLiteral("Fehler bei der Übertragung"));
    EXPECT_FALSE(model.updateFound());
}

// Inputs kept from fuzzing: each reads without a crash and never takes more
// entries than its header allows.
TEST(UpdateIndex, EveryKeptFuzzInputReadsSafely)
{
    const QDir dir(testsupport::dataFile(QStringLiteral("update-index-fuzz")));
    const QStringList files = dir.entryList({QStringLiteral("*.bin")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const UpdateIndex::Result r = UpdateIndex::find(testsupport::readFile(dir.filePath(name)), Program);
        EXPECT_LE(r.entriesRead, std::max(0, r.headerNumber + 2)) << name.toStdString();
    }
}
