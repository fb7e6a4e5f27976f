#include "app/CSplashWnd.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "app/FormThumbnail.h"
#include "settings/StringTable.h"

CSplashWnd* CSplashWnd::s_current = nullptr;

namespace {

const QSize SplashSize(500, 260);

} // namespace

CSplashWnd* CSplashWnd::showSplashScreen(QWidget* owner, int seconds)
{
    if (s_current || seconds <= 0)
        return nullptr;
    return new CSplashWnd(owner, seconds);
}

CSplashWnd* CSplashWnd::current()
{
    return s_current;
}

CSplashWnd::CSplashWnd(QWidget* owner, int seconds)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_owner(owner)
{
    s_current = this;
    setObjectName(QStringLiteral("CSplashWnd"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(SplashSize);
    const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->geometry().center() - rect().center());
    m_seconds = seconds;
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWnd::hideSplashScreen);
    // A key pressed before the splash appears dismisses it as well.
    qApp->installEventFilter(this);
    // An owner whose window the system has shown has been drawn; one that
    // has not will be drawn first.
    const QWindow* ownerWindow = owner ? owner->windowHandle() : nullptr;
    m_waitingForOwner = owner && owner->isVisible() && !(ownerWindow && ownerWindow->isExposed());
    if (!m_waitingForOwner)
        appear();
}

void CSplashWnd::appear()
{
    m_waitingForOwner = false;
    m_timer.start(m_seconds * 1000);
    show();
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
    if (s_current == this)
        s_current = nullptr;
}

void CSplashWnd::hideSplashScreen()
{
    qApp->removeEventFilter(this);
    if (s_current == this)
        s_current = nullptr;
    close();
    if (m_owner)
        m_owner->update();
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    // The owner's first drawing: the splash follows once it is on screen.
    if (m_waitingForOwner && watched == m_owner && event->type() == QEvent::Paint) {
        m_waitingForOwner = false;
        QTimer::singleShot(0, this, &CSplashWnd::appear);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        hideSplashScreen();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(222, 255, 209));
    background.setColorAt(1, QColor(190, 225, 180));
    p.fillRect(rect(), background);
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawRect(rect().adjusted(1, 1, -2, -2));

    FormThumbnail::paint(p, QRect(28, 30, 120, 170), 0);
    FormThumbnail::paint(p, QRect(58, 60, 120, 170), 99);

    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(28);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 90, 0));
    p.drawText(QRect(196, 60, 290, 40), Qt::AlignLeft | Qt::AlignVCenter,
               StringTable::text(StringTable::ApplicationTitle));

    QFont line(QStringLiteral("Arial"));
    line.setPixelSize(15);
    p.setFont(line);
    p.setPen(Qt::black);
    p.drawText(QRect(196, 104, 290, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Einheitspapier und D.V.1"));
    p.drawText(QRect(196, 200, 290, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version: %1").arg(QStringLiteral(KV_PRODUCT_VERSION)));
}
