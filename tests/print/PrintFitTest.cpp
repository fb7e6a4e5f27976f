#include <QHash>
#include <QTextStream>

#include <iostream>

#include "PrintFixture.h"
#include "form/EhFieldGeometry.h"
#include "print/EhPrintLayer.h"
#include "view/EhBox44Text.h"

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
