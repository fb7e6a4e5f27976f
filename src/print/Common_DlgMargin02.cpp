#include "print/Common_DlgMargin02.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/Profile.h"
#include "print/Common_DlgMargin02_Page.h"
#include "settings/OkCancelButtons.h"

Common_DlgMargin02::Common_DlgMargin02(const MarginSheetModel& values, QWidget* parent)
    : QDialog(parent)
    , m_values(values)
{
    setWindowTitle(m_values.caption());
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("pages"));
    QDialogButtonBox* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    buildPages();
    connect(m_tabs, &QTabWidget::currentChanged, this, &Common_DlgMargin02::pageChanged);
}

bool Common_DlgMargin02::SetPageCount(int n)
{
    if (!m_values.setPageCount(n)) {
        QMessageBox::warning(this, windowTitle(), MarginSheetModel::tooManyPagesText());
        return false;
    }
    buildPages();
    return true;
}

void Common_DlgMargin02::buildPages()
{
    m_tabs->blockSignals(true);
    m_tabs->clear();
    qDeleteAll(m_pages);
    m_pages.clear();
    const int language = Profile::get(Settings::Language);
    for (int i = 0; i < m_values.pageCount(); ++i) {
        auto* p = new Common_DlgMargin02_Page(m_values, i, language, m_tabs);
        p->setObjectName(QStringLiteral("page%1").arg(i + 1));
        m_tabs->addTab(p, m_values.pageCaption(i));
        m_pages.append(p);
    }
    m_tabs->setCurrentIndex(0);
    m_tabs->blockSignals(false);
    m_current = -1;
    pageChanged(0);
}

void Common_DlgMargin02::showPage(int index)
{
    m_tabs->setCurrentIndex(index);
}

void Common_DlgMargin02::pageChanged(int index)
{
    if (Common_DlgMargin02_Page* left = page(m_current))
        left->handBackSharedFlag();
    m_current = index;
    if (Common_DlgMargin02_Page* entered = page(index))
        entered->takeSharedFlag();
}

void Common_DlgMargin02::accept()
{
    if (Common_DlgMargin02_Page* shown = page(m_current))
        shown->handBackSharedFlag();
    QDialog::accept();
}
