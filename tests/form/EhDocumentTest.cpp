#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "EhFixtures.h"
#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/EhFieldNames.h"
#include "settings/StringTable.h"

using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

class CountingDoc : public CEinheitspapierDoc
{
public:
    int defaultsApplied = 0;
    void applyNewDocumentDefaults() override { ++defaultsApplied; }
};

} // namespace

TEST(EhDocument, NewDocumentState)
{
    CEinheitspapierDoc doc;
    const FieldStore& s = doc.store();
    EXPECT_EQ(s.firstPageFieldCount(), 154);
    EXPECT_EQ(s.continuationFieldCount(), 214);
    EXPECT_EQ(s.pageCount(), 2);
    EXPECT_EQ(s.pageWord(), 0x2002);
    EXPECT_EQ(doc.continuationPageCount(), 1);
    EXPECT_EQ(doc.formSet(), -1);
    EXPECT_FALSE(doc.isModified());
    for (int f = 0; f < 154; ++f)
        EXPECT_EQ(s.attr(f, 1), (f >= 106 && f <= 110) || f == EhField::Box44 ? 1 : 3) << f;
    for (int f = 0; f < 214; ++f)
        EXPECT_EQ(s.attr(f, 2), f == 7 || f == 8 || f == 28 || f == 49 || f == 70 ? 1 : 3) << f;

    // Pages added later get the word 2; delete-contents brings everything
    // back, including the values beside the store.
    CountingDoc d;
    d.setContinuationPageCount(3);
    EXPECT_EQ(d.store().attr(0, 4), 2);
    d.store().setText(0, 1, QStringLiteral("x"));
    d.store().setAttr(0, 1, 0x0214);
    d.setFormSet(2);
    d.setInputTax(true);
    d.setReservedWord(7);
    d.deleteContents();
    EXPECT_EQ(d.defaultsApplied, 1);
    EXPECT_EQ(d.continuationPageCount(), 1);
    EXPECT_TRUE(d.store().text(0, 1).isEmpty());
    EXPECT_EQ(d.store().attr(0, 1), 3);
    EXPECT_EQ(d.formSet(), -1);
    EXPECT_FALSE(d.inputTax());
    EXPECT_EQ(d.reservedWord(), 0u);

    // Reading a file starts from the same state, defaults included.
    const QByteArray file = ehfixtures::writeDoc(CEinheitspapierDoc());
    EXPECT_TRUE(ehfixtures::readDoc(d, file));
    EXPECT_EQ(d.defaultsApplied, 2);
}

TEST(EhDocument, SaveReplacesTheFileOnlyWhenComplete)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Beleg.aef"));
    CEinheitspapierDoc doc;
    doc.setFormSet(0);
    doc.store().setText(52, 1, QStringLiteral("Schrauben aus Stahl"));
    doc.setModified(true);
    QString error;
    ASSERT_TRUE(doc.save(path, &error)) << error.toStdString();
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.path(), path);
    EXPECT_TRUE(readFile(path).startsWith("QZN-EHForm@2.10"));

    CEinheitspapierDoc back;
    ASSERT_TRUE(back.load(path, &error));
    EXPECT_EQ(back.store().text(52, 1), QStringLiteral("Schrauben aus Stahl"));
    EXPECT_EQ(back.formSet(), 0);
    EXPECT_EQ(back.path(), path);

    // A save that cannot complete (the folder is gone) reports the failure;
    // a save into a read-only folder leaves the old file as it was.
    EXPECT_FALSE(doc.save(dir.file(QStringLiteral("fehlt/Beleg.aef")), &error));
    EXPECT_FALSE(error.isEmpty());
#ifdef Q_OS_UNIX
    // A disk that fills up half-way: the file size limit stops the write
    // after a few kilobytes, and the old file stays as it was.
    const QByteArray before = readFile(path);
    for (int f = 0; f < 154; ++f)
        doc.store().setText(f, 1, QString(40, QLatin1Char('x')));
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = doc.save(path, &error);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Beleg.aef")});
#endif

    // A missing file is an open error, not a new document.
    CEinheitspapierDoc missing;
    EXPECT_FALSE(missing.load(dir.file(QStringLiteral("nichts.aef")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("nichts.aef")));
    EXPECT_TRUE(missing.path().isEmpty());
}

TEST(EhDocument, FieldNamesAndLoadMessages)
{
    EXPECT_EQ(EhFieldNames::firstPage(0), QStringLiteral("Feld 1 A"));
    EXPECT_EQ(EhFieldNames::firstPage(9), QStringLiteral("Feld 2  (Nr.)"));
    EXPECT_EQ(EhFieldNames::firstPage(69), QStringLiteral("Feld 44"));
    EXPECT_EQ(EhFieldNames::firstPage(70), QStringLiteral("Feld 42"));
    EXPECT_EQ(EhFieldNames::firstPage(84), QStringLiteral("Stempel Feld C (5)"));
    EXPECT_EQ(EhFieldNames::firstPage(102), QStringLiteral("D5"));
    EXPECT_TRUE(EhFieldNames::firstPage(103).isEmpty());
    EXPECT_EQ(EhFieldNames::continuation(29), QStringLiteral("Feld 42-1"));
    EXPECT_EQ(EhFieldNames::continuation(51), QStringLiteral("Feld 44-2 (Ein-/Ausfuhrfrist)"));
    EXPECT_EQ(EhFieldNames::continuation(53), QStringLiteral("31-3"));
    EXPECT_EQ(EhFieldNames::continuation(77), QStringLiteral("47 (Summe)"));
    EXPECT_TRUE(EhFieldNames::continuation(78).isEmpty());
    EXPECT_EQ(EhFieldNames::listEntry(0), QStringLiteral("Seite 1 - Feld 1 A"));
    EXPECT_EQ(EhFieldNames::listEntry(103), QStringLiteral("Seite 2 - Nummer"));
    EXPECT_EQ(EhFieldNames::listEntry(180), QStringLiteral("Seite 2 - 47 (Summe)"));
    EXPECT_TRUE(EhFieldNames::listEntry(181).isEmpty());

    EXPECT_EQ(StringTable::text(18),
              QStringLiteral("Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!"));
    EXPECT_EQ(StringTable::text(19),
              QStringLiteral("Dies ist ein Dokument einer älteren Version\nund kann nicht geöffnet werden!"));
    EXPECT_TRUE(StringTable::text(0).isEmpty());
}
