#include "app/DialogTitleFit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QScreen>

#include <algorithm>

namespace {

// The icon, the three buttons and the gaps of a title bar, at a little
// more than most window managers draw.
constexpr int TitleBarFurniture = 160;

} // namespace

DialogTitleFit::DialogTitleFit(QObject* parent)
    : QObject(parent)
{
    // The program object is a QCoreApplication when it only prepares the
    // data folder (-init) and shows no window.
    QCoreApplication::instance()->installEventFilter(this);
}

DialogTitleFit::~DialogTitleFit()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

int DialogTitleFit::widthFor(const QString& title)
{
    // Title bars mostly use the desktop font, often bold.
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + TitleBarFurniture;
}

void DialogTitleFit::fit(QDialog& dialog)
{
    int width = widthFor(dialog.windowTitle());
    if (const QScreen* screen = dialog.screen())
        width = std::min(width, screen->availableGeometry().width());
    if (dialog.width() >= width)
        return;
    if (dialog.maximumWidth() < width)
        dialog.setMaximumWidth(width);
    dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
    dialog.resize(width, dialog.height());
}

bool DialogTitleFit::eventFilter(QObject* watched, QEvent* event)
{
    // Show comes before the window is mapped: the window manager sees the
    // final width at once.
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow())
            fit(*dialog);
    }
    return QObject::eventFilter(watched, event);
}
