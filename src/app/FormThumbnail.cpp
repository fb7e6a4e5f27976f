#include "app/FormThumbnail.h"

#include <QPainter>

namespace FormThumbnail {

namespace {

const QColor FormGreen(0, 128, 0);
const QColor MarkRed(255, 0, 0);
const QColor Dv1Blue(0, 70, 160);

// The sheet is laid out in a 210 x 297 grid (millimetres), the painter
// scaled onto the target rectangle.
void drawEinheitspapier(QPainter& p, int formSet)
{
    p.setPen(QPen(FormGreen, 0.6));
    p.drawRect(QRectF(12, 10, 186, 282));
    // Box 1 and the address boxes of the upper half.
    p.drawLine(QLineF(100, 10, 100, 95));
    for (qreal y : {26.0, 44.0, 62.0, 80.0, 95.0})
        p.drawLine(QLineF(12, y, 198, y));
    for (qreal y : {35.0, 53.0, 71.0})
        p.drawLine(QLineF(100, y, 198, y));
    // The goods item: box 31 and the small boxes beside it.
    p.setPen(QPen(FormGreen, 1.2));
    p.drawLine(QLineF(12, 120, 198, 120));
    p.drawLine(QLineF(12, 190, 198, 190));
    p.setPen(QPen(FormGreen, 0.6));
    p.drawLine(QLineF(130, 120, 130, 190));
    for (qreal y : {134.0, 148.0, 162.0, 176.0})
        p.drawLine(QLineF(130, y, 198, y));
    // Box 47 as a grid, and the boxes at the foot of the sheet.
    for (qreal x : {40.0, 70.0, 90.0, 115.0})
        p.drawLine(QLineF(x, 200, x, 240));
    for (qreal y : {200.0, 210.0, 220.0, 230.0, 240.0})
        p.drawLine(QLineF(12, y, 130, y));
    p.drawLine(QLineF(130, 190, 130, 292));
    p.drawLine(QLineF(12, 255, 198, 255));
    // The simplified declaration has a black note instead of the input-tax
    // line; the other sets the line.
    p.setPen(QPen(formSet == 2 ? Qt::black : FormGreen, formSet == 2 ? 2.0 : 0.8));
    p.drawLine(QLineF(20, 272, formSet == 2 ? 120 : 180, 272));
    // Red marks every 6 mm along the right edge.
    p.setPen(Qt::NoPen);
    p.setBrush(MarkRed);
    for (qreal y = 295; y - 3 >= 0; y -= 6)
        p.drawRect(QRectF(201, y - 3, 4, 3));
}

void drawDv1(QPainter& p)
{
    p.setPen(QPen(Dv1Blue, 0.6));
    p.drawRect(QRectF(15, 12, 180, 278));
    for (qreal y = 40; y < 290; y += 16)
        p.drawLine(QLineF(15, y, 195, y));
    p.drawLine(QLineF(150, 40, 150, 290));
    p.setPen(QPen(Dv1Blue, 1.4));
    p.drawLine(QLineF(15, 40, 195, 40));
}

} // namespace

QString formCaption(int form)
{
    switch (form) {
    case 0:
        return QStringLiteral("0737 / 0738");
    case 1:
        return QStringLiteral("0747 / 0748");
    case 2:
        return QStringLiteral("0777 / 0778");
    case 3:
        return QStringLiteral("0779 / 0780");
    default:
        return QStringLiteral("Zollwertanm. (D.V.1)");
    }
}

void paint(QPainter& painter, const QRect& sheet, int form)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    painter.translate(sheet.topLeft());
    painter.scale(sheet.width() / 210.0, sheet.height() / 297.0);
    if (form == 99)
        drawDv1(painter);
    else
        drawEinheitspapier(painter, form);
    // The form number across the top, readable even when small.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(form == 99 ? 20 : 17);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(form == 99 ? Dv1Blue : FormGreen);
    const QString title = form == 99 ? QStringLiteral("D.V.1") : formCaption(form).left(4);
    painter.drawText(QRectF(12, 98, 186, 20), Qt::AlignCenter, title);
    painter.restore();
}

QPixmap picture(int form, const QSize& size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, QRect(QPoint(0, 0), size), form);
    return pixmap;
}

} // namespace FormThumbnail
