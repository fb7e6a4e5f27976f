// The print command on a real queue: the program's printer chosen by the
// remembered name, the job through the scheduler and its filters onto a
// PDF printer, and the texts of the printed file where the same print into
// a PDF file has them, with the margins and the print area correction of
// the settings.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

#include <cmath>
#include <functional>
#include <memory>

#include "CupsServer.h"
#include "PdfWords.h"
#include "TestSupport.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/CDV1_View.h"
#include "dv1/DV1Field.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "print/CDlgDrucken.h"
#include "print/DV1PrintController.h"
#include "print/DV1PrintJob.h"
#include "print/EhPrintController.h"
#include "print/EhPrintJob.h"
#include "print/PrintEnvironment.h"
#include "settings/Profile.h"
#include "view/CEinheitspapierView.h"
#include "view/FormPainter.h"

namespace {

const QString A4Queue = QStringLiteral("KvA4-%1").arg(QCoreApplication::applicationPid());
const QString LetterQueue = QStringLiteral("KvLetter-%1").arg(QCoreApplication::applicationPid());
constexpr double Tolerance = 0.5;   // mm

// One scheduler for the whole test program: Qt's printer support asks the
// server named when it first looks, so it must not change in between.
CupsServer* server = nullptr;
QString whyNot;

QPointF anchor(const PdfWord& w)
{
    // The left edge and the middle of the line: the print filters embed the
    // fonts anew, with other ascent and descent, so tops and bottoms of the
    // same text differ while its baseline stays.
    return QPointF(w.left, (w.top + w.bottom) / 2);
}

// Each word of expected has a word of the same text in actual, with its
// anchor at where() of the expected word's, within the tolerance.
void expectSameWords(const PdfText& actual, const PdfText& expected, int page,
                     const std::function<QPointF(const QPointF&)>& where, const char* what)
{
    const QList<PdfWord> want = expected.onPage(page);
    const QList<PdfWord> got = actual.onPage(page);
    ASSERT_FALSE(want.isEmpty()) << what;
    EXPECT_EQ(got.size(), want.size()) << what;
    for (const PdfWord& w : want) {
        const QPointF target = where(anchor(w));
        double best = 1e9;
        QPointF found;
        for (const PdfWord& g : got) {
            if (g.text != w.text)
                continue;
            const QPointF a = anchor(g);
            const double d = std::max(std::abs(a.x() - target.x()), std::abs(a.y() - target.y()));
            if (d < best) {
                best = d;
                found = a;
            }
        }
        EXPECT_LE(best, Tolerance) << what << ": \"" << w.text.toStdString() << "\" expected at " << target.x()
                                   << "/" << target.y() << " mm, printed at " << found.x() << "/" << found.y();
    }
}

class PrintQueue : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        server = new CupsServer;
        if (server->start(&whyNot) && server->addPdfQueue(A4Queue, QStringLiteral("A4"), &whyNot)
            && server->addPdfQueue(LetterQueue, QStringLiteral("Letter"), &whyNot))
            return;
        delete server;
        server = nullptr;
    }

    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        if (!server)
            GTEST_SKIP() << "Kein Druckdienst (CUPS) auf diesem Rechner: " << whyNot.toStdString();
        testsupport::clearSettings();
        // The program's own printer, as at start-up: made after the
        // scheduler is known, on the system's printers.
        env = PrintEnvironment::defaults();
        env.message = [this](QWidget*, const QString& text) { messages << text; };
        env.confirm = [this](QWidget*, const QString& text) {
            questions << text;
            return printAnyway;
        };
        env.runDialog = [this](QDialog& d) {
            dialogs << QString::fromLatin1(d.metaObject()->className());
            auto* print = qobject_cast<CDlgDrucken*>(&d);
            if (!print)
                return int(QDialog::Rejected);
            print->prepare();
            printerInDialog = env.printer().printerName();
            print->pageBox()->setCurrentIndex(page - 1);
            print->copiesEdit()->setText(QString::number(copies));
            print->reuseBox()->setChecked(true);
            print->accept();
            return print->result();
        };
    }

    // The printer's settings as the user left them: this queue remembered
    // for the form's section, the margins dialog switched off.
    void rememberPrinter(const char* section, const QString& queue)
    {
        Profile::set(Settings::Printer, QString::fromLatin1(section), queue);
        Profile::set(Settings::ReUsePrn, QString::fromLatin1(section), 1);
    }

    // The same sheet printed into a PDF file with the printer's page layout:
    // what the queue should have got.
    PdfText direct(const std::function<bool(QPagedPaintDevice&)>& print)
    {
        const QString path = dir.file(QStringLiteral("direkt%1.pdf").arg(++m_direct));
        {
            QPrinter file(QPrinter::HighResolution);
            file.setOutputFormat(QPrinter::PdfFormat);
            file.setOutputFileName(path);
            file.setPageLayout(env.printer().pageLayout());
            file.setFullPage(false);
            EXPECT_TRUE(print(file));
        }
        return readPdfText(path);
    }

    PdfText printed(const QString& queue)
    {
        const QString path = server->takeOutput(queue);
        EXPECT_FALSE(path.isEmpty()) << "Die Warteschlange " << queue.toStdString()
                                     << " hat keine Datei geschrieben.\n" << server->log().toStdString();
        return path.isEmpty() ? PdfText() : readPdfText(path);
    }

    // Where a text of the sheet lands with these margins and this correction
    // (0.1 mm and 0.1 %), from where it lands without them: the print area
    // starts at the printer's margin, and the correction scales from there.
    std::function<QPointF(const QPointF&)> shifted(int left, int top, int factorH, int factorV) const
    {
        const QMarginsF m = env.printer().pageLayout().margins(QPageLayout::Millimeter);
        return [=](const QPointF& p) {
            return QPointF(m.left() + (p.x() - m.left() + left / 10.0) * factorH / 1000.0,
                           m.top() + (p.y() - m.top() + top / 10.0) * factorV / 1000.0);
        };
    }

    // An Einheitspapier of form set 0 in its view, printing through env.
    bool openEinheitspapier()
    {
        ehDoc = std::make_unique<CEinheitspapierDoc>();
        ehDoc->deleteContents();
        ehDoc->setFormSet(0);
        ehView = std::make_unique<CEinheitspapierView>(ehDoc.get(), definitions);
        new EhPrintController(*ehView, env);
        return ehView->initialUpdate(0);
    }

    void TearDown() override
    {
        ehView.reset();
        ehDoc.reset();
    }

    testsupport::TempDir dir;
    PrintEnvironment env;
    FieldDefinitions definitions;
    std::unique_ptr<CEinheitspapierDoc> ehDoc;
    std::unique_ptr<CEinheitspapierView> ehView;
    QStringList dialogs;
    QStringList messages;
    QStringList questions;
    QString printerInDialog;
    bool printAnyway = false;
    int page = 1;
    int copies = 1;

private:
    int m_direct = 0;
};

} // namespace

TEST_F(PrintQueue, EinheitspapierOnTheRememberedQueueWithMarginsAndCorrection)
{
    ASSERT_TRUE(openEinheitspapier());
    CEinheitspapierDoc& doc = *ehDoc;
    CEinheitspapierView* view = ehView.get();
    doc.store().setText(EhField::Box2Address, 1, QStringLiteral("Nordwerk GmbH\r\nHafenstrasse 12\r\n20457 Hamburg"));
    doc.store().setText(EhField::Box8Address, 1, QStringLiteral("Ostimport KG\r\nLindenweg 4"));
    doc.store().setText(EhField::Box22A, 1, QStringLiteral("USD"));
    doc.store().setText(EhField::Box31, 1, QStringLiteral("120 Kartons Kugellager"));
    doc.store().setText(EhField::Box33A, 1, QStringLiteral("84821010"));
    doc.store().setText(EhField::Box54Place, 1, QStringLiteral("Hamburg 09.12.2026"));

    rememberPrinter(Settings::SectionEH, A4Queue);
    Profile::set(Settings::ShowMarginDlgEH, 1);
    Profile::set(Settings::Left_Margin_EH, 50);   // 5 mm to the right
    Profile::set(Settings::Top_Margin_EH, -20);   // 2 mm up
    Profile::set(Settings::PrnFactorH, 990);
    Profile::set(Settings::PrnFactorV, 1010);

    view->action(CEinheitspapierView::Command(EhPrintController::Print))->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    EXPECT_EQ(printerInDialog, A4Queue);
    EXPECT_TRUE(questions.isEmpty()) << questions.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    const PdfText queue = printed(A4Queue);
    ASSERT_EQ(queue.pages, 1);
    EXPECT_TRUE(queue.find(QStringLiteral("Kugellager")));

    const auto sheet = [&](QPagedPaintDevice& device) {
        return EhPrintJob::printCopies(device, EhPrintJob::pageOf(doc, 1, definitions), 1);
    };
    const PdfText same = direct(sheet);
    expectSameWords(queue, same, 1, [](const QPointF& p) { return p; }, "wie in die PDF-Datei gedruckt");

    // Against the sheet without margins and correction: every text moved
    // by the margins and scaled by the correction.
    Profile::set(Settings::Left_Margin_EH, 0);
    Profile::set(Settings::Top_Margin_EH, 0);
    Profile::set(Settings::PrnFactorH, 1000);
    Profile::set(Settings::PrnFactorV, 1000);
    const PdfText plain = direct(sheet);
    expectSameWords(queue, plain, 1, shifted(50, -20, 990, 1010), "mit Rändern und Korrektur");
    // The remembered printer stays remembered.
    EXPECT_EQ(Profile::get(Settings::Printer, QString::fromLatin1(Settings::SectionEH)), A4Queue);
}

TEST_F(PrintQueue, Dv1PageOnTheRememberedQueue)
{
    CDV1_Doc doc;
    doc.AddContinuationPage();
    doc.fieldStore().setText(Dv1Field::Seller, 1, QStringLiteral("Pacific Bearings Ltd\r\nOsaka"));
    doc.fieldStore().setText(Dv1Field::Buyer, 1, QStringLiteral("Ostimport KG"));
    doc.fieldStore().setText(Dv1Field::Invoice, 1, QStringLiteral("RE-4711 vom 01.12.2026"));
    doc.fieldStore().setText(Dv1Field::Item1, 3, QStringLiteral("1"));
    doc.fieldStore().setText(Dv1Field::InvoicePrice1, 3, QStringLiteral("12.500,00"));
    auto view = std::make_unique<CDV1_View>(&doc);
    new DV1PrintController(*view, env);
    view->initialUpdate();

    rememberPrinter(Settings::SectionDV1, A4Queue);
    Profile::set(Settings::ShowMarginDlg, 1);
    Profile::set(Settings::Left_Margin_DV1[2], -30);
    Profile::set(Settings::Top_Margin_DV1[2], 40);
    page = 3;   // the front of the D.V.1 BIS

    view->action(DV1PrintController::Print)->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    EXPECT_EQ(printerInDialog, A4Queue);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    const PdfText queue = printed(A4Queue);
    ASSERT_EQ(queue.pages, 1);
    EXPECT_TRUE(queue.find(QStringLiteral("12.500,00")));
    EXPECT_FALSE(queue.find(QStringLiteral("Ostimport")));   // page 1 stays unprinted

    const auto sheet = [&](QPagedPaintDevice& device) { return DV1PrintJob::printCopies(device, doc, 3, 1); };
    expectSameWords(queue, direct(sheet), 1, [](const QPointF& p) { return p; }, "wie in die PDF-Datei gedruckt");
    Profile::set(Settings::Left_Margin_DV1[2], 0);
    Profile::set(Settings::Top_Margin_DV1[2], 0);
    expectSameWords(queue, direct(sheet), 1, shifted(-30, 40, 1000, 1000), "mit den Rändern der BIS-Vorderseite");
}

TEST_F(PrintQueue, QueueOnLetterPaperAsksBeforeThePrintDialog)
{
    ASSERT_TRUE(openEinheitspapier());
    CEinheitspapierDoc& doc = *ehDoc;
    CEinheitspapierView* view = ehView.get();
    doc.store().setText(EhField::Box31, 1, QStringLiteral("Briefpapier"));
    rememberPrinter(Settings::SectionEH, LetterQueue);
    Profile::set(Settings::ShowMarginDlgEH, 1);
    QAction* print = view->action(CEinheitspapierView::Command(EhPrintController::Print));

    // "Nein": nothing reaches the queue.
    print->trigger();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions.first().contains(LetterQueue)) << questions.first().toStdString();
    EXPECT_TRUE(questions.first().contains(QStringLiteral("Letter"))) << questions.first().toStdString();
    EXPECT_TRUE(dialogs.isEmpty());

    // "Ja": printed on the queue's paper all the same.
    printAnyway = true;
    print->trigger();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    const PdfText queue = printed(LetterQueue);
    EXPECT_TRUE(queue.find(QStringLiteral("Briefpapier")));
    EXPECT_TRUE(server->pendingOutput(LetterQueue).isEmpty());

    // Switched off in the program settings, the check asks nothing.
    Profile::set(Settings::PrnPapielageCheck, 0);
    print->trigger();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(printed(LetterQueue).find(QStringLiteral("Briefpapier")));

    // The A4 queue chosen by name is A4 again: no question.
    Profile::set(Settings::PrnPapielageCheck, 1);
    rememberPrinter(Settings::SectionEH, A4Queue);
    print->trigger();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(printed(A4Queue).find(QStringLiteral("Briefpapier")));
}
