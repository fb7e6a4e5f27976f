#include "print/Common_CDlgPrintSizeCorr.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/Profile.h"
#include "settings/OkCancelButtons.h"

Common_CDlgPrintSizeCorr::Common_CDlgPrintSizeCorr(QWidget* parent)
    : QDialog(parent)
    , m_language(Profile::get(Settings::Language))
{
    const PrintSizeCorrection::Texts t = PrintSizeCorrection::texts(m_language);
    setWindowTitle(t.caption);
    PrintSizeCorrection values;
    values.load();
    m_vertical = new QLineEdit(PrintSizeCorrection::percentText(values.vertical(), m_language), this);
    m_vertical->setObjectName(QStringLiteral("vertical"));
    m_horizontal = new QLineEdit(PrintSizeCorrection::percentText(values.horizontal(), m_language), this);
    m_horizontal->setObjectName(QStringLiteral("horizontal"));

    auto* form = new QFormLayout;
    auto* vLabel = new QLabel(t.vertical, this);
    vLabel->setBuddy(m_vertical);
    auto* hLabel = new QLabel(t.horizontal, this);
    hLabel->setBuddy(m_horizontal);
    form->addRow(vLabel, m_vertical);
    form->addRow(hLabel, m_horizontal);

    QDialogButtonBox* buttons = okCancelButtons(this, nullptr, t.ok, t.cancel);

    auto* layout = new QVBoxLayout(this);
    auto* warning = new QLabel(t.warning, this);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    layout->addWidget(warning);
    layout->addLayout(form);
    layout->addWidget(new QLabel(t.hint, this));
    layout->addWidget(buttons);
}

void Common_CDlgPrintSizeCorr::accept()
{
    PrintSizeCorrection values;
    for (QLineEdit* edit : {m_vertical, m_horizontal}) {
        const std::optional<int> v = PrintSizeCorrection::parse(edit->text());
        if (!v) {
            refuseEntry(this, edit, PrintSizeCorrection::rangeMessage(m_language));
            return;
        }
        (edit == m_vertical) ? values.setVertical(*v) : values.setHorizontal(*v);
    }
    values.save();
    QDialog::accept();
}
