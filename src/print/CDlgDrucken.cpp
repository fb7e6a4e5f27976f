#include "print/CDlgDrucken.h"
#include "settings/OkCancelButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A sheet of paper in the printer's orientation, with lines of text on it.
QPixmap sheetPicture(bool portrait, bool withText)
{
    const QSize size = portrait ? QSize(34, 46) : QSize(46, 34);
    QPixmap pm(size + QSize(2, 2));
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(QRect(QPoint(0, 0), size));
    if (withText) {
        p.setPen(QColor(80, 80, 80));
        for (int y = 6; y < size.height() - 4; y += 5)
            p.drawLine(5, y, size.width() - 6, y);
    }
    return pm;
}

} // namespace

CDlgDrucken::CDlgDrucken(const QPrinter& printer, QWidget* parent)
    : QDialog(parent)
    , m_printer(printer)
{
    setWindowTitle(QStringLiteral("Formular bedrucken"));
    m_printerName = new QLabel(this);
    m_printerName->setObjectName(QStringLiteral("printerName"));
    const bool portrait[4] = {false, true, true, false};
    const bool text[4] = {false, false, true, true};
    const char* names[4] = {"image1011", "image1012", "image1013", "image1014"};
    auto* images = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_images[i] = new QLabel(this);
        m_images[i]->setObjectName(QLatin1String(names[i]));
        m_images[i]->setPixmap(sheetPicture(portrait[i], text[i]));
        images->addWidget(m_images[i]);
    }
    images->addStretch();

    m_pages = new QComboBox(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    m_copiesEdit = new QLineEdit(QStringLiteral("1"), this);
    m_copiesEdit->setObjectName(QStringLiteral("copies"));
    m_copiesEdit->setMaxLength(3);
    m_reuseBox = new QCheckBox(QStringLiteral("Immer diesen Drucker verwenden"), this);
    m_reuseBox->setObjectName(QStringLiteral("reusePrinter"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Drucker:"), m_printerName);
    form->addRow(QString(), images);
    form->addRow(QStringLiteral("&Seite:"), m_pages);
    form->addRow(QStringLiteral("&Anzahl Exemplare:"), m_copiesEdit);
    form->addRow(QString(), m_reuseBox);

    QDialogButtonBox* buttons = okCancelButtons(this);
    m_setup = buttons->addButton(QStringLiteral("Druckerauswahl"), QDialogButtonBox::ActionRole);
    m_setup->setObjectName(QStringLiteral("printerSetup"));
    connect(m_setup, &QPushButton::clicked, this, [this] {
        m_setupRequested = true;
        reject();
    });

    m_warning = new QLabel(this);
    m_warning->setObjectName(QStringLiteral("pageWarning"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("color: #b00000"));
    m_warning->hide();
    connect(m_pages, &QComboBox::currentIndexChanged, this, [this] { showWarning(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_warning);
    layout->addWidget(buttons);
}

void CDlgDrucken::showWarning()
{
    const QString text = m_pageWarning && m_pages->currentIndex() >= 0 ? m_pageWarning(m_pages->currentIndex() + 1)
                                                                       : QString();
    m_warning->setText(text);
    m_warning->setVisible(!text.isEmpty());
}

void CDlgDrucken::prepare()
{
    setWindowTitle(PrintDialogModel::caption(m_kind));
    const QString name = m_printer.printerName();
    m_printerName->setText(name.isEmpty() ? QStringLiteral("(Standarddrucker)") : name);
    const QRect paint = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
    const bool portrait = PrintDialogModel::isPortrait(paint.width(), paint.height());
    m_images[0]->setVisible(!portrait);
    m_images[3]->setVisible(!portrait);
    m_images[1]->setVisible(portrait);
    m_images[2]->setVisible(portrait);
    m_pages->clear();
    m_pages->addItems(PrintDialogModel::pageEntries(m_kind, m_pageCount));
    m_pages->setCurrentIndex(0);
    showWarning();
    m_reuseBox->setChecked(m_reuse);
    m_pages->setFocus();
    m_prepared = true;
}

void CDlgDrucken::showEvent(QShowEvent* event)
{
    if (!m_prepared)
        prepare();
    QDialog::showEvent(event);
}

void CDlgDrucken::accept()
{
    const std::optional<int> copies = PrintDialogModel::parseCopies(m_copiesEdit->text());
    if (!copies) {
        refuseEntry(this, m_copiesEdit, PrintDialogModel::copiesRangeMessage());
        return;
    }
    m_copies = *copies;
    m_page = m_pages->currentIndex() + 1;
    m_reuse = m_reuseBox->isChecked();
    QDialog::accept();
}
