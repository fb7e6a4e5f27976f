// The D.V.1 in the running program: a whole journey by keyboard, and which
// files open as a D.V.1.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QTest>

#include "AppUiTestSupport.h"
#include "PdfWords.h"
#include "app/AppDocument.h"
#include "app/CChildFrame.h"
#include "app/Dv1AppDocument.h"
#include "app/Dv1ViewAdapter.h"
#include "dv1/CDV1_View.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "dv1/DV1Field.h"
#include "print/CDlgDrucken.h"
#include "print/PrintEnvironment.h"

namespace F = Dv1Field;

namespace {

class Dv1Document : public AppFixture
{
protected:
    QAction* command(const char* name) { return frame().command(QLatin1String(name)); }
    CDV1_View* viewOf(CChildFrame* frame) { return static_cast<Dv1ViewAdapter&>(frame->view()).view(); }
    CDV1_Doc& dv1(AppDocument* document) { return static_cast<Dv1AppDocument*>(document)->document(); }
    void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(w, k, m);
    }
};

} // namespace

TEST_F(Dv1Document, NewFilledCalculatedSavedReopenedAndPrintedByKeyboard)
{
    prompt.choices << Dv1AppDocument::RequestedForm;
    start();
    EXPECT_TRUE(prompt.lastOfferDv1);
    CChildFrame* child = frame().activeChildFrame();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(shownTitle(child), QStringLiteral("DV1form1"));
    EXPECT_EQ(app->requestedForm(), Dv1AppDocument::RequestedForm);
    EXPECT_EQ(frame().statusText(1), QStringLiteral("D.V.1 - Seite 1 von 2"));
    EXPECT_EQ(app->helpContext(), 300);
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));

    CDV1_View* view = viewOf(child);
    QWidget* editor = view->editor();
    typeText(editor, QStringLiteral("Exportfirma Ltd."));
    key(editor, Qt::Key_Tab);
    typeText(editor, QStringLiteral("Müller Import GmbH"));
    EXPECT_EQ(app->helpContext(), 302);
    // The back: the price of the first item.
    key(editor, Qt::Key_Right, Qt::ControlModifier);
    key(editor, Qt::Key_Tab, Qt::NoModifier, F::NationalPrice1);
    typeText(editor, QStringLiteral("12,5"));
    // A D.V.1 BIS for two more items.
    key(editor, Qt::Key_F10);
    EXPECT_EQ(frame().statusText(1), QStringLiteral("D.V.1 - Seite 3 von 3"));
    typeText(editor, QStringLiteral("Position3"));
    key(editor, Qt::Key_Tab, Qt::NoModifier, F::NationalPrice1);
    typeText(editor, QStringLiteral("1000"));
    key(editor, Qt::Key_F3);
    CDV1_Doc& doc = dv1(&child->document());
    EXPECT_EQ(doc.fieldStore().text(F::DeclaredValue1, 2), QStringLiteral("12,50"));
    EXPECT_EQ(doc.fieldStore().text(F::NationalPrice1, 3), QStringLiteral("1.000,00"));
    EXPECT_EQ(doc.fieldStore().text(F::DeclaredValue1, 3), QStringLiteral("1.000,00"));

    // Ctrl+S asks where a new D.V.1 goes, offering ".fdv".
    prompt.saveNames << files.file(QStringLiteral("Zollwert"));
    frame().updateCommandUi();
    key(editor, Qt::Key_S, Qt::ControlModifier);
    const QString path = files.file(QStringLiteral("Zollwert.fdv"));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(testsupport::readFile(path).startsWith("QZN-DV1Form@3.00"));
    EXPECT_EQ(prompt.savePreselections, QStringList{QStringLiteral("DV1 Dokument. (*.fdv)")});
    EXPECT_TRUE(prompt.saveProposals.constFirst().endsWith(QStringLiteral("/DV1form1.fdv")));
    EXPECT_EQ(shownTitle(child), QStringLiteral("Zollwert.fdv"));
    EXPECT_FALSE(child->document().isModified());

    // Closed, and opened again from the recent files and the window menu.
    command("fileClose")->trigger();
    EXPECT_TRUE(prompt.saveQuestions.isEmpty());
    QAction* recent = command("recentFile1");
    ASSERT_TRUE(recent->isVisible());
    EXPECT_TRUE(recent->text().endsWith(QStringLiteral("Zollwert.fdv")));
    recent->trigger();
    ASSERT_EQ(app->docManager().documents().size(), 1);
    child = frame().activeChildFrame();
    ASSERT_NE(child, nullptr);
    const CDV1_Doc& reopened = dv1(&child->document());
    EXPECT_EQ(reopened.pageCount(), 3);
    EXPECT_EQ(reopened.fieldStore().text(F::Seller, 1), QStringLiteral("Exportfirma Ltd."));
    EXPECT_EQ(reopened.fieldStore().text(F::Buyer, 1), QStringLiteral("Müller Import GmbH"));
    EXPECT_EQ(reopened.fieldStore().text(F::Item1, 3), QStringLiteral("Position3"));
    EXPECT_EQ(frame().statusText(1), QStringLiteral("D.V.1 - Seite 1 von 3"));
    frame().menu(QStringLiteral("menuWindow"))->aboutToShow();
    EXPECT_TRUE(command("window1")->text().endsWith(QStringLiteral("Zollwert.fdv")));
    EXPECT_EQ(app->requestedForm(), Dv1AppDocument::RequestedForm);

    // Ctrl+P prints the sheet chosen in the print dialog.
    const QString pdf = files.file(QStringLiteral("druck.pdf"));
    app->printer().setOutputFormat(QPrinter::PdfFormat);
    app->printer().setOutputFileName(pdf);
    app->printer().setPageMargins(QMarginsF(0, 0, 0, 0));
    QStringList dialogs;
    app->printEnvironment().confirm = [](QWidget*, const QString&) { return true; };
    app->printEnvironment().runDialog = [&](QDialog& d) {
        dialogs << d.metaObject()->className();
        auto* print = qobject_cast<CDlgDrucken*>(&d);
        if (!print)
            return int(QDialog::Rejected);
        print->prepare();
        print->pageBox()->setCurrentIndex(2);
        print->accept();
        return print->result();
    };
    QApplication::setActiveWindow(&frame());
    key(viewOf(child)->editor(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs, (QStringList{QStringLiteral("Common_DlgMargin02"), QStringLiteral("CDlgDrucken")}));
    const PdfText printed = readPdfText(pdf);
    EXPECT_EQ(printed.pages, 1);
    EXPECT_TRUE(printed.find(QStringLiteral("Position3")));
    EXPECT_TRUE(printed.find(QStringLiteral("1.000,00")));
    EXPECT_FALSE(printed.find(QStringLiteral("Exportfirma")));
    EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(Dv1Document, FilesOpenAsTheirMagicSaysElseAsTheirExtensionSays)
{
    start();
    // An empty .fdv: a new, empty D.V.1 of two pages, without a message, that
    // keeps its file.
    const QString empty = files.file(QStringLiteral("leer.fdv"));
    testsupport::writeFile(empty, QByteArray());
    AppDocument* document = app->docManager().openDocument(empty);
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(dynamic_cast<Dv1AppDocument*>(document));
    EXPECT_EQ(dv1(document).pageCount(), 2);
    EXPECT_EQ(document->path(), empty);
    EXPECT_TRUE(prompt.messages.isEmpty());

    // Foreign bytes in an .fdv: a D.V.1 that says so and opens without its
    // file, so that saving cannot replace it.
    const QString foreign = files.file(QStringLiteral("fremd.fdv"));
    testsupport::writeFile(foreign, "Dies ist eine Textdatei und kein Formular.");
    document = app->docManager().openDocument(foreign);
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(dynamic_cast<Dv1AppDocument*>(document));
    EXPECT_EQ(prompt.messages,
              QStringList{QStringLiteral("Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!")});
    EXPECT_TRUE(document->path().isEmpty());

    // A D.V.1 under a foreign name is still a D.V.1.
    const QString misnamed = files.file(QStringLiteral("kopie.aef"));
    CDV1_Doc saved;
    saved.fieldStore().setText(F::Seller, 1, QStringLiteral("Verkaeufer"));
    ASSERT_TRUE(saved.OnSaveDocument(misnamed));
    document = app->docManager().openDocument(misnamed);
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(dynamic_cast<Dv1AppDocument*>(document));
    EXPECT_EQ(dv1(document).fieldStore().text(F::Seller, 1), QStringLiteral("Verkaeufer"));
}
