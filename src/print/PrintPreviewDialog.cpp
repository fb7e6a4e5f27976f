#include "print/PrintPreviewDialog.h"

#include <QAction>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>


namespace {

constexpr double ZoomStep = 1.25;

} // namespace

PrintPreviewDialog::PrintPreviewDialog(int pageCount, SheetOutput::PaintPage paint, const QPrinter& printer,
                                       int startPage, QWidget* parent)
    : QDialog(parent)
    , m_pageCount(pageCount)
    , m_paint(std::move(paint))
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setWindowTitle(QStringLiteral("Seitenansicht"));
    // The preview draws on a printer of its own with the paper of the
    // program's printer, over the whole sheet: the form picture lies at the
    // sheet's corner as on the pre-printed paper, and every text where it
    // lands on that paper.
    m_printer->setPageLayout(printer.pageLayout());
    m_printer->setFullPage(true);
    m_preview = new QPrintPreviewWidget(m_printer.get(), this);
    m_preview->setObjectName(QStringLiteral("preview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewDialog::paintPages);

    auto* bar = new QToolBar(this);
    const auto add = [this, bar](const QString& text, const char* name, auto slot) {
        QAction* a = bar->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add(QStringLiteral("&Drucken..."), "print", [this] {
        m_printRequested = true;
        accept();
    });
    bar->addSeparator();
    add(QStringLiteral("&Vorherige Seite"), "previousPage",
        [this] { m_preview->setCurrentPage(m_preview->currentPage() - 1); });
    add(QStringLiteral("&Nächste Seite"), "nextPage", [this] { m_preview->setCurrentPage(m_preview->currentPage() + 1); });
    bar->addSeparator();
    add(QStringLiteral("Ver&größern"), "zoomIn", [this] { m_preview->zoomIn(ZoomStep); });
    add(QStringLiteral("Ver&kleinern"), "zoomOut", [this] { m_preview->zoomOut(ZoomStep); });
    add(QStringLiteral("&Ganze Seite"), "fitPage", [this] { m_preview->fitInView(); });
    bar->addSeparator();
    add(QStringLiteral("&Schließen"), "close", [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(m_preview);
    resize(800, 1000);

    m_preview->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_preview->fitInView();
    m_preview->updatePreview();
    m_preview->setCurrentPage(startPage);
}

PrintPreviewDialog::~PrintPreviewDialog() = default;

void PrintPreviewDialog::paintPages(QPrinter* printer) const
{
    // Whole sheets, whatever printer the pages are asked for.
    printer->setFullPage(true);
    QPainter painter(printer);
    for (int page = 1; page <= m_pageCount; ++page) {
        if (page > 1)
            printer->newPage();
        painter.save();
        SheetOutput::useSheetUnits(painter, *printer);
        m_paint(painter, page);
        painter.restore();
    }
}
