#include "app/CDlgNew.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/FormThumbnail.h"

namespace {

const QSize PictureSize(84, 119);

} // namespace

CDlgNew::CDlgNew(bool offerDv1, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Neues Dokument erzeugen"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    for (int formSet = 0; formSet < 4; ++formSet)
        row->addWidget(addChoice(formSet));
    if (offerDv1)
        row->addWidget(addChoice(Dv1Choice));
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_cancel = new QPushButton(QStringLiteral("Abbruch"), this);
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    m_buttons.constFirst()->setFocus();
}

QAbstractButton* CDlgNew::addChoice(int choice)
{
    auto* b = new QToolButton(this);
    b->setObjectName(choice == Dv1Choice ? QStringLiteral("dv1") : QStringLiteral("eh%1").arg(choice));
    b->setText(FormThumbnail::formCaption(choice));
    b->setIcon(QIcon(FormThumbnail::picture(choice, PictureSize, devicePixelRatioF())));
    b->setIconSize(PictureSize);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setProperty("choice", choice);
    connect(b, &QToolButton::clicked, this, [this, choice] { choose(choice); });
    m_buttons.append(b);
    return b;
}

QAbstractButton* CDlgNew::button(int choice) const
{
    for (QAbstractButton* b : m_buttons) {
        if (b->property("choice").toInt() == choice)
            return b;
    }
    return nullptr;
}

void CDlgNew::choose(int choice)
{
    m_choice = choice;
    accept();
}

void CDlgNew::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QWidget* focus = focusWidget();
        if (focus == m_cancel)
            reject();
        for (QAbstractButton* b : m_buttons) {
            if (b == focus)
                choose(b->property("choice").toInt());
        }
        // Enter anywhere else is no choice.
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
