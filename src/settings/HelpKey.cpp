#include "settings/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "settings/HelpContext.h"
#include "settings/HelpTopics.h"
#include "settings/HelpWindow.h"

HelpKey::HelpKey(const HelpContext& context, const QString& manualFolder, const QStringList& searched,
                 QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_folder(manualFolder)
    , m_searched(searched)
{
}

void HelpKey::showHelp(QWidget* from)
{
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = QApplication::activeWindow();
    if (!owner && from)
        owner = from->window();
    // F1 in an open menu: the window the menu belongs to, not the menu,
    // which closes in a moment.
    while (owner && owner->windowType() == Qt::Popup)
        owner = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
    // Our own window asks for itself: it stays where it is.
    if (owner && m_window && (owner == m_window || owner->window() == m_window.data()))
        owner = m_window->parentWidget();
    if (!m_window || m_window->parentWidget() != owner) {
        m_window = new HelpWindow(m_folder, m_searched, owner);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->showPage(HelpTopics::page(m_context.current()));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

bool HelpKey::requestHelp(QWidget* dialog)
{
    // A dialog lets F1 pass unaccepted; a help key takes it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog, &press);
    return press.isAccepted();
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && watched->isWidgetType()) {
            key->accept();
            showHelp(static_cast<QWidget*>(watched));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

HelpWindow* HelpKey::window() const
{
    return m_window.data();
}
