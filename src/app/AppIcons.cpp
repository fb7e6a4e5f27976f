#include "app/AppIcons.h"

#include "app/FormThumbnail.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace AppIcons {

namespace {

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 255);
const QColor Folder(230, 180, 60);
const QColor Disk(40, 90, 170);
const QColor Accent(0, 128, 0);

// A sheet with a folded corner in a 16 x 16 grid.
void sheet(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Paper);
    p.setPen(QPen(Ink, 0.8));
    p.drawPath(path);
    p.drawLine(QLineF(r.right() - 3, r.top(), r.right() - 3, r.top() + 3));
    p.drawLine(QLineF(r.right() - 3, r.top() + 3, r.right(), r.top() + 3));
}

// A magnifying glass whose lens is centred on centre; with a sign, a plus or
// a minus in the lens.
void magnifier(QPainter& p, const QPointF& centre, bool sign, bool plus)
{
    p.setPen(QPen(Ink, 1.6));
    p.drawLine(QLineF(centre + QPointF(3, 3), centre + QPointF(6.5, 6.5)));
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(centre, 4.5, 4.5);
    if (!sign)
        return;
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(QLineF(centre + QPointF(-2.5, 0), centre + QPointF(2.5, 0)));
    if (plus)
        p.drawLine(QLineF(centre + QPointF(0, -2.5), centre + QPointF(0, 2.5)));
}

void draw(QPainter& p, Kind kind)
{
    switch (kind) {
    case New:
        sheet(p, QRectF(3, 1.5, 10, 13));
        p.setPen(QPen(Accent, 1.2));
        p.drawLine(QLineF(5, 7, 11, 7));
        p.drawLine(QLineF(5, 10, 11, 10));
        break;
    case Open: {
        p.setPen(QPen(Ink, 0.8));
        p.setBrush(Folder.darker(115));
        p.drawRect(QRectF(1.5, 3.5, 11, 10));
        QPolygonF flap({QPointF(3.5, 6.5), QPointF(14.5, 6.5), QPointF(12.5, 13.5), QPointF(1.5, 13.5)});
        p.setBrush(Folder);
        p.drawPolygon(flap);
        break;
    }
    case Save:
        p.setPen(QPen(Ink, 0.8));
        p.setBrush(Disk);
        p.drawRect(QRectF(2, 2, 12, 12));
        p.setBrush(Paper);
        p.drawRect(QRectF(4.5, 2, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5, 9.5, 6, 4.5));
        break;
    case Cut:
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QLineF(5, 2, 10, 10));
        p.drawLine(QLineF(11, 2, 6, 10));
        p.drawEllipse(QRectF(2.5, 10, 4, 4));
        p.drawEllipse(QRectF(9.5, 10, 4, 4));
        break;
    case Copy:
        sheet(p, QRectF(2, 1.5, 8, 10));
        sheet(p, QRectF(6, 4.5, 8, 10));
        break;
    case Paste:
        p.setPen(QPen(Ink, 0.8));
        p.setBrush(QColor(170, 120, 60));
        p.drawRect(QRectF(2, 2.5, 10, 12));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 1.5, 5, 2.5));
        sheet(p, QRectF(7, 6, 7.5, 9));
        break;
    case Print:
        p.setPen(QPen(Ink, 0.8));
        p.setBrush(Paper);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Paper);
        p.drawRect(QRectF(4, 10.5, 8, 4));
        break;
    case Preview:
        sheet(p, QRectF(1.5, 1.5, 9, 12));
        magnifier(p, QPointF(9, 8.5), false, false);
        break;
    case Pdf:
        sheet(p, QRectF(3, 1.5, 10, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 30, 30));
        p.drawRect(QRectF(1.5, 8, 11, 5));
        p.setPen(QPen(Paper, 1));
        p.drawLine(QLineF(3.5, 9.5, 3.5, 11.5));
        p.drawLine(QLineF(6.5, 9.5, 6.5, 11.5));
        p.drawLine(QLineF(9.5, 9.5, 9.5, 11.5));
        break;
    case PreviousPage:
    case NextPage: {
        sheet(p, QRectF(3, 1.5, 10, 13));
        const bool next = kind == NextPage;
        QPolygonF arrow({QPointF(next ? 6 : 10, 5), QPointF(next ? 10 : 6, 8), QPointF(next ? 6 : 10, 11)});
        p.setPen(Qt::NoPen);
        p.setBrush(Accent);
        p.drawPolygon(arrow);
        break;
    }
    case ZoomIn:
    case ZoomOut:
        magnifier(p, QPointF(6.5, 6.5), true, kind == ZoomIn);
        break;
    case About:
        p.setPen(Qt::NoPen);
        p.setBrush(Disk);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Paper);
        p.drawEllipse(QRectF(7, 3.5, 2, 2));
        p.drawRect(QRectF(7, 6.5, 2, 6));
        break;
    }
}

QPixmap render(Kind kind, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p, kind);
    return pixmap;
}

} // namespace

QIcon icon(Kind kind)
{
    QIcon result;
    for (int size : {16, 24, 32, 48})
        result.addPixmap(render(kind, size));
    return result;
}

QPixmap documentPixmap(int form, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const int width = size * 210 / 297;
    FormThumbnail::paint(p, QRect((size - width) / 2, 0, width, size), form);
    return pixmap;
}

QPixmap applicationPixmap(int size)
{
    return documentPixmap(0, size);
}

QIcon applicationIcon()
{
    QIcon result;
    for (int size : {16, 32, 48, 64})
        result.addPixmap(applicationPixmap(size));
    return result;
}

} // namespace AppIcons
