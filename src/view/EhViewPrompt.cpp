#include "view/EhViewPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "settings/Profile.h"
#include "settings/StringTable.h"
#include "view/CEinheitspapierView.h"

namespace {

QString title()
{
    return StringTable::text(StringTable::ApplicationTitle);
}

} // namespace

void EhViewPrompt::showMessage(int messageId)
{
    QMessageBox box(QMessageBox::Warning, title(), StringTable::text(messageId), QMessageBox::Ok, m_parent);
    box.exec();
}

void EhViewPrompt::showText(const QString& text)
{
    QMessageBox box(QMessageBox::Information, title(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool EhViewPrompt::askYesNo(int messageId, Preselect preselect)
{
    return askQuestion(StringTable::text(messageId), preselect);
}

bool EhViewPrompt::askQuestion(const QString& text, Preselect preselect)
{
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, m_parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(preselect == Preselect::Yes ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void EhViewPrompt::beep()
{
    QApplication::beep();
}

int EhViewPrompt::askFormSet()
{
    if (m_chooser)
        return m_chooser(m_parent);
    const int last = Profile::get(Settings::LastEhType);
    return last >= 0 && last <= 3 ? last : 0;
}
