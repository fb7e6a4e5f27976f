#include "view/CDlgTexteingabe.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/EditorText.h"
#include "settings/OkCancelButtons.h"

CDlgTexteingabe::CDlgTexteingabe(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Texteingabe"));
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("text"));
    m_edit->setPlainText(EditorText::toEditor(text));
    m_edit->setTabChangesFocus(true);
    // Three rows, as the stamp line holds.
    const QFontMetrics fm(m_edit->font());
    m_edit->setFixedHeight(fm.lineSpacing() * 3 + 2 * m_edit->frameWidth() + 8);
    m_edit->setMinimumWidth(fm.horizontalAdvance(QLatin1Char('x')) * 40);

    QPushButton* ok = nullptr;
    QDialogButtonBox* buttons = okCancelButtons(this, &ok);
    // Enter makes a new row; OK is clicked.
    ok->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

QString CDlgTexteingabe::text() const
{
    return EditorText::toStored(m_edit->toPlainText());
}
