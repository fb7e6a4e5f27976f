#include "duty/CDlgFeld44Einfuhr.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/OkCancelButtons.h"

CDlgFeld44Einfuhr::CDlgFeld44Einfuhr(const QString& boxText, bool inputTax, bool offerCross, QWidget* parent)
    : QDialog(parent)
    , m_offerCross(offerCross)
{
    setWindowTitle(QStringLiteral("Feld 44"));
    m_model.open(boxText, inputTax);

    auto* caption =
        new QLabel(QStringLiteral("44 Besondere Vermerke / Vorgelegte Unterlagen / Bescheinigungen und Genehmigungen"), this);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setToolTip(QStringLiteral("Hier Text für Feld 44 eintragen"));
    m_text->setTabChangesFocus(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setPlainText(m_model.shownText());
    m_text->installEventFilter(this);
    caption->setBuddy(m_text);
    const QFontMetrics fm(m_text->font());
    const int rows = offerCross ? Feld44Model::Lines : Feld44Model::Lines + 2;
    m_text->setFixedHeight(fm.lineSpacing() * rows + 2 * m_text->frameWidth() + 10);
    m_text->setMinimumWidth(fm.averageCharWidth() * 80);

    m_cross = new QCheckBox(QStringLiteral("Hinsichtlich aller angemeldeten Waren zum vollen Vorsteuerabzug berechtigt."),
                            this);
    m_cross->setObjectName(QStringLiteral("inputTax"));
    m_cross->setToolTip(QStringLiteral("Aktivieren dieser Checkbox erzeugt ein Kreuz im Formular"));
    m_cross->setChecked(inputTax);
    m_cross->setVisible(offerCross);
    m_cross->installEventFilter(this);

    QPushButton* ok = nullptr;
    QDialogButtonBox* buttons = okCancelButtons(this, &ok);
    // Enter makes a new line in the text; it takes the dialog elsewhere.
    ok->setAutoDefault(false);
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_text);
    layout->addWidget(m_cross);
    layout->addWidget(buttons);

    m_text->setFocus();
    m_text->moveCursor(QTextCursor::End);
}

bool CDlgFeld44Einfuhr::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_text || watched == m_cross) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && (key->modifiers() & Qt::ControlModifier)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgFeld44Einfuhr::accept()
{
    if (!m_model.take(m_text->toPlainText(), m_offerCross && m_cross->isChecked())) {
        refuseEntry(this, m_text, m_model.error());
        return;
    }
    QDialog::accept();
}
