#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"

using testsupport::runCli;

TEST(CliOperations, NewWritesADocumentWithTheUsersDefaults)
{
    testsupport::clearSettings();
    testsupport::TempDir dir;
    Profile::set(Settings::Feld2, 4);
    Profile::set(Settings::Firma1, QStringLiteral("Muster GmbH"));
    Profile::set(Settings::Anmelder, 3);
    Profile::set(Settings::LastEhType, 1);

    const QString path = dir.file(QStringLiteral("neu.aef"));
    auto r = runCli({QStringLiteral("new"), QStringLiteral("--form-set"), QStringLiteral("3"), path});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    CEinheitspapierDoc doc;
    ASSERT_TRUE(doc.load(path));
    EXPECT_EQ(doc.formSet(), 3);
    EXPECT_EQ(doc.store().pageCount(), 2);
    EXPECT_EQ(doc.store().text(18, 1), QStringLiteral("Muster GmbH"));
    EXPECT_EQ(doc.store().text(25, 1), QStringLiteral("Einführer - 00500"));

    const QString second = dir.file(QStringLiteral("zweit.aef"));
    r = runCli({QStringLiteral("new"), second});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_TRUE(doc.load(second));
    EXPECT_EQ(doc.formSet(), 1);

    r = runCli({QStringLiteral("new"), QStringLiteral("--form-set"), QStringLiteral("7"), second});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("Formularsatz"));
}

TEST(CliOperations, RenumberSavesInPlaceOrToAnotherFile)
{
    testsupport::clearSettings();
    testsupport::TempDir dir;
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setFormSet(0);
    doc.store().setText(11, 2, QStringLiteral("Schrauben"));
    doc.store().setText(32, 2, QStringLiteral("Muttern"));
    const QString path = dir.file(QStringLiteral("a.aef"));
    ASSERT_TRUE(doc.save(path));

    const QString out = dir.file(QStringLiteral("b.aef"));
    auto r = runCli({QStringLiteral("renumber"), path, QStringLiteral("-o"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    CEinheitspapierDoc numbered;
    ASSERT_TRUE(numbered.load(out));
    EXPECT_EQ(numbered.store().text(14, 1), QStringLiteral("3"));
    EXPECT_EQ(numbered.store().text(33, 2), QStringLiteral("3"));
    ASSERT_TRUE(numbered.load(path));
    EXPECT_TRUE(numbered.store().text(14, 1).isEmpty());

    r = runCli({QStringLiteral("renumber"), path});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_TRUE(numbered.load(path));
    EXPECT_EQ(numbered.store().text(12, 2), QStringLiteral("2"));

    testsupport::writeFile(dir.file(QStringLiteral("kaputt.aef")), "QZN-XXForm@9.99");
    r = runCli({QStringLiteral("renumber"), dir.file(QStringLiteral("kaputt.aef"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("kein bekanntes Dokumentformat")));
}
