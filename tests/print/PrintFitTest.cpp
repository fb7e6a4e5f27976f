#include <QHash>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QComboBox>
#include <QPrinter>
#include <QTest>
#include <QTextStream>

#include <iostream>

#include "PrintFixture.h"
#include "duty/Feld44Model.h"
#include "form/EhField.h"
#include "form/EhFieldGeometry.h"
#include "form/EhFieldGeometryGrid.h"
#include "print/CDlgDrucken.h"
#include "print/EhPrintLayer.h"
#include "view/EhBox44Text.h"
#include "view/EhFormLines.h"

using EhFieldFlags::PageKind;

// Every field text printed onto a sheet against the box the program draws
// for that field, both placed on paper as the preview places them: the
// printed words must lie inside the drawn box. Each field is filled with far
// more text than it can hold, so that a text that spills over its box or a
// line that grows wider on paper shows up.
namespace {

constexpr double Tolerance = 0.5;   // mm
// One symbol per field of a batch, so that each printed word names its field.
const QString Symbols = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
constexpr int Repeats = 160;

struct Box {
    double left, top, right, bottom;
    bool holds(const PdfWord& w) const
    {
        return w.left >= left - Tolerance && w.right <= right + Tolerance && w.top >= top - Tolerance
            && w.bottom <= bottom + Tolerance;
    }
};

struct Outcome {
    int inside = 0;
    int fields = 0;
    QStringList faults;
};

class PrintFitTest : public PrintFixture
{
protected:
    // The box the program draws for a field, on paper, in mm.
    Box drawnBox(const EhPrintedField& f, const QPoint& pictureOffset) const
    {
        const EhRect s = EhFieldGeometry::screenRect(f.kind, f.field);
        QRect r(s.left, s.top, s.width(), s.height());
        if (f.kind == PageKind::First && f.field == EhBox44Text::TextField) {
            const EhRect d = EhFieldGeometry::screenRect(f.kind, EhBox44Text::DeadlineField);
            r = EhBox44Text::adjusted(r, doc.store(), QRect(d.left, d.top, d.width(), d.height()));
        }
        r.translate(pictureOffset);
        return {r.left() / 10.0, r.top() / 10.0, (r.left() + r.width()) / 10.0, (r.top() + r.height()) / 10.0};
    }

    void clearTexts()
    {
        FieldStore& store = doc.store();
        for (int p = 1; p <= store.pageCount(); ++p) {
            const int n = p == 1 ? store.firstPageFieldCount() : store.continuationFieldCount();
            for (int i = 0; i < n; ++i)
                store.setText(i, p, QString());
        }
    }

    // Prints every printed field of a page, a batch at a time.
    Outcome measure(int formSet, int page)
    {
        doc.setFormSet(formSet);
        Outcome out;
        const EhPrintLayer layer(EhPrintSetup::fromStore(page == 1 ? PageKind::First : PageKind::Continuation));
        const QPoint offset = layer.sheetPictureOffset();
        const QList<EhPrintedField> all = layer.printedFields(EhPrintJob::pageOf(doc, page, definitions));
        // Fields next to each other in the list are mostly next to each other
        // on the sheet: they go into different batches, so that their texts
        // never run into one word.
        const int batches = int((all.size() + Symbols.size() - 1) / Symbols.size());
        for (int b = 0; b < batches; ++b) {
            QList<EhPrintedField> batch;
            for (int i = b; i < all.size(); i += batches)
                batch.append(all[i]);
            clearTexts();
            QHash<QString, int> owner;
            for (int k = 0; k < batch.size(); ++k) {
                const QString symbol = Symbols.mid(k, 1);
                QStringList words;
                for (int i = 0; i < Repeats; ++i)
                    words << symbol;
                doc.store().setText(batch[k].field, batch[k].page, words.join(QLatin1Char(' ')));
                owner.insert(symbol, k);
            }
            const PdfText pdf = print(page);
            QList<int> words(batch.size(), 0);
            QList<bool> outside(batch.size(), false);
            for (const PdfWord& w : pdf.onPage(1)) {
                const auto it = owner.constFind(w.text);
                if (it == owner.cend()) {
                    out.faults << QStringLiteral("unowned word \"%1\" at %2,%3").arg(w.text).arg(w.left).arg(w.top);
                    continue;
                }
                ++words[*it];
                const Box box = drawnBox(batch[*it], offset);
                if (!box.holds(w) && !outside[*it]) {
                    outside[*it] = true;
                    out.faults << QStringLiteral("%1 field %2: word %3..%4 x %5..%6 mm, box %7..%8 x %9..%10")
                                      .arg(batch[*it].kind == PageKind::First ? "first" : "cont")
                                      .arg(batch[*it].field)
                                      .arg(w.left, 0, 'f', 1).arg(w.right, 0, 'f', 1)
                                      .arg(w.top, 0, 'f', 1).arg(w.bottom, 0, 'f', 1)
                                      .arg(box.left, 0, 'f', 1).arg(box.right, 0, 'f', 1)
                                      .arg(box.top, 0, 'f', 1).arg(box.bottom, 0, 'f', 1);
                }
            }
            for (int k = 0; k < batch.size(); ++k) {
                ++out.fields;
                if (words[k] == 0)
                    out.faults << QStringLiteral("field %1 printed nothing").arg(batch[k].field);
                else if (!outside[k])
                    ++out.inside;
            }
        }
        return out;
    }
};

} // namespace

TEST_F(PrintFitTest, EveryPrintedTextLiesInsideItsDrawnBox)
{
    int inside = 0;
    int fields = 0;
    for (int formSet = 0; formSet < EhFieldFlags::FormSets; ++formSet) {
        for (int page : {1, 2}) {
            const Outcome o = measure(formSet, page);
            inside += o.inside;
            fields += o.fields;
            for (const QString& f : o.faults)
                ADD_FAILURE() << "form set " << formSet << ", page " << page << ": " << f.toStdString();
        }
    }
    std::cout << inside << " of " << fields << " printed fields inside their drawn boxes\n";
    EXPECT_EQ(inside, fields);
}

// The printed input-tax cross lands in the check box the form draws, for any
// margins of the first sheet.
TEST_F(PrintFitTest, InputTaxCrossLandsInItsCheckBox)
{
    QRect drawn;
    for (const QLine& l : EhFormLines::firstPage()[EhFormLines::FirstInputTaxBox])
        drawn |= QRect(l.p1(), l.p2()).normalized();
    ASSERT_FALSE(drawn.isEmpty());
    for (int margin : {0, 35, -20}) {
        Profile::set(Settings::Left_Margin_EH, margin);
        Profile::set(Settings::Top_Margin_EH, -margin);
        const EhPrintLayer layer(EhPrintSetup::fromStore(PageKind::First));
        const QRect cross = layer.inputTaxCrossRect().translated(-layer.sheetPictureOffset());
        EXPECT_TRUE(drawn.adjusted(-5, -5, 5, 5).contains(cross)) << margin;
        EXPECT_TRUE(cross.adjusted(-5, -5, 5, 5).contains(drawn)) << margin;
    }
}

// Box 24 B lies at the sheet's right edge: a printer that cannot print that
// far would cut it, and the print dialog says so for the page chosen.
TEST_F(PrintFitTest, TextsBeyondThePrintableAreaAreNamedInThePrintDialog)
{
    const int box24B = 44;
    setText(box24B, 1, QStringLiteral("EUR"));
    setText(10, 1, QStringLiteral("Absender"));
    const EhFormPage first = EhPrintJob::pageOf(doc, 1, definitions);
    // An A4 printer that prints to the edge, and one that keeps 5 mm free.
    EXPECT_TRUE(EhPrintJob::cutWarning(first, QSizeF(210, 297)).isEmpty());
    const QString warning = EhPrintJob::cutWarning(first, QSizeF(200, 287));
    EXPECT_TRUE(warning.contains(QStringLiteral("Feld 24 B"))) << qPrintable(warning);
    EXPECT_FALSE(warning.contains(QStringLiteral("Feld 2,"))) << qPrintable(warning);
    // A margin that moves the print above the printable area cuts box 1.
    setText(0, 1, QStringLiteral("IM"));
    Profile::set(Settings::Top_Margin_EH, -200);
    EXPECT_TRUE(EhPrintJob::cutWarning(EhPrintJob::pageOf(doc, 1, definitions), QSizeF(210, 297))
                    .contains(QStringLiteral("Feld 1 A")));
    Profile::set(Settings::Top_Margin_EH, 0);
    setText(0, 1, QString());

    QPrinter printer(QPrinter::HighResolution);
    CDlgDrucken dialog(printer);
    dialog.setPageCount(2);
    dialog.setPageWarning([&](int page) {
        return EhPrintJob::cutWarning(EhPrintJob::pageOf(doc, page, definitions), QSizeF(200, 287));
    });
    dialog.show();
    EXPECT_TRUE(dialog.warningLabel()->isVisible());
    EXPECT_EQ(dialog.warningLabel()->text(), warning);
    // The continuation sheet has nothing at its edge.
    QTest::keyClick(dialog.pageBox(), Qt::Key_Down);
    EXPECT_EQ(dialog.pageBox()->currentIndex(), 1);
    EXPECT_FALSE(dialog.warningLabel()->isVisible());
}

// Box 44 of a new document takes the five lines its dialog accepts, on
// screen and on paper, inside the box and above the deadline line; a
// dialog line that the box would break into two is refused, so the dialog
// never accepts what the form cannot show.
TEST_F(PrintFitTest, Box44HoldsTheFiveLinesItsDialogAccepts)
{
    const std::uint16_t attr = doc.store().attr(EhField::Box44, 1);
    EXPECT_EQ(attr & FieldStore::SizeMask, EhField::SmallSizeStep);
    Feld44Model model;
    model.setLineBreaking([attr](const QString& line) { return EhBox44Text::boxLinesOf(line, attr); });
    QStringList lines;
    for (int i = 1; i <= 5; ++i)
        lines << QStringLiteral("Vermerk%1 Rechnung Nr. 2026-0815 vom 3.12.2026, Ursprungszeugnis EUR.1 Nr. A %1").arg(i);
    ASSERT_TRUE(model.take(lines.join(QLatin1Char('\n')), false)) << model.error().toStdString();
    // As wide as the dialog allows, the line breaks in the box: refused.
    QStringList wide = lines;
    wide[2] = wide[2] + QStringLiteral(" und weitere Unterlagen gemäß Bewilligung");
    Feld44Model refusing = model;
    EXPECT_FALSE(refusing.take(wide.join(QLatin1Char('\n')), false));
    EXPECT_TRUE(refusing.error().contains(QStringLiteral("Die Zeile 3"))) << refusing.error().toStdString();
    // A box of four lines with the cross set: the moved text needs six.
    QStringList four = wide.mid(1, 4);
    EXPECT_FALSE(refusing.take(four.join(QLatin1Char('\n')), true));
    EXPECT_TRUE(refusing.error().contains(QStringLiteral("Die Zeile 2 "))) << refusing.error().toStdString();

    doc.store().setText(EhField::Box44, 1, model.text());
    doc.store().setSizeByte(EhField::Box44, 1, EhBox44Text::dialogSizeByte(attr));
    // A box made larger and bold keeps its bold text.
    EXPECT_EQ(EhBox44Text::dialogSizeByte(3 | FieldStore::BoldBit), EhField::SmallSizeStep | FieldStore::BoldBit);
    const PdfText pdf = print(1);
    const EhPrintLayer layer(EhPrintSetup::fromStore(PageKind::First));
    const EhPrintedField box44{PageKind::First, EhField::Box44, 1, {}};
    const Box box = drawnBox(box44, layer.sheetPictureOffset());
    for (int i = 1; i <= 5; ++i) {
        const PdfWord* w = pdf.find(QStringLiteral("Vermerk%1").arg(i));
        ASSERT_TRUE(w) << i;
        EXPECT_TRUE(box.holds(*w)) << i;
        const PdfWord* last = pdf.find(QStringLiteral("%1").arg(i));
        ASSERT_TRUE(last) << i;
        EXPECT_NEAR(last->top, w->top, 0.3) << "line " << i << " was broken";
    }
    // The box lies inside box 44: below box 31's bottom line and above the
    // deadline line.
    EXPECT_GE(box.top * 10 - layer.sheetPictureOffset().y(), EhGrid::y(34));
    EXPECT_LE(box.bottom * 10 - layer.sheetPictureOffset().y(), EhGrid::y(38));

    QImage image(2100, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    const FieldFontSet fonts = FieldFontSet::screen(10);
    FieldTextPainter screen(fonts);
    const EhRect s = EhFieldGeometry::screenRect(PageKind::First, EhField::Box44);
    bool overflow = true;
    screen.draw(painter, QRect(s.left, s.top, s.width(), s.height()), doc.store().text(EhField::Box44, 1),
                doc.store().attr(EhField::Box44, 1), false, &overflow);
    EXPECT_FALSE(overflow);
}
