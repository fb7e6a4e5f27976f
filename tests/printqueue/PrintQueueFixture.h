#pragma once

// The print queue tests' common ground: one scheduler with an A4 and a
// Letter PDF queue for the whole test program, the program's printer on
// it, and the texts of what a queue printed compared with a PDF of the same
// sheets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>

#include <cmath>
#include <functional>
#include <memory>

#include "CupsServer.h"
#include "PdfWords.h"
#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"
#include "form/FieldDefinitions.h"
#include "print/CDlgDrucken.h"
#include "print/EhPrintController.h"
#include "print/PrintEnvironment.h"
#include "settings/Profile.h"
#include "view/CEinheitspapierView.h"

namespace printqueue {

inline const QString A4Queue = QStringLiteral("KvA4-%1").arg(QCoreApplication::applicationPid());
inline const QString LetterQueue = QStringLiteral("KvLetter-%1").arg(QCoreApplication::applicationPid());
constexpr double Tolerance = 0.5;   // mm

// One scheduler for the whole test program, started by the first suite
// that needs it and stopped when the program ends: Qt's printer support
// asks the server named when it first looks, so it must not change in
// between.
inline CupsServer* server = nullptr;
inline QString whyNot;

inline QPointF anchor(const PdfWord& w)
{
    // The left edge and the middle of the line: the print filters embed the
    // fonts anew, with other ascent and descent, so tops and bottoms of the
    // same text differ while its baseline stays.
    return QPointF(w.left, (w.top + w.bottom) / 2);
}

// Each word of expected has a word of the same text in actual, with its
// anchor at where() of the expected word's, within the tolerance.
inline void expectSameWords(const PdfText& actual, const PdfText& expected, int page,
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
        static bool tried = false;
        if (tried)
            return;
        tried = true;
        server = new CupsServer;
        if (server->start(&whyNot) && server->addPdfQueue(A4Queue, QStringLiteral("A4"), &whyNot)
            && server->addPdfQueue(LetterQueue, QStringLiteral("Letter"), &whyNot)) {
            ::testing::AddGlobalTestEnvironment(new StopServer);
            return;
        }
        delete server;
        server = nullptr;
    }

    struct StopServer : ::testing::Environment {
        void TearDown() override
        {
            delete server;
            server = nullptr;
        }
    };

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

} // namespace printqueue
