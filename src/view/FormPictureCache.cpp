#include "view/FormPictureCache.h"

#include <QPainter>
#include <QPaintDevice>
#include <QRegion>

#include <cmath>

void FormPictureCache::draw(QPainter& painter, const QRect& dirty, const QPoint& scroll, const Look& look,
                            const std::function<void(QPainter&)>& paintForm)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    QByteArray key = look.key;
    key += ';' + QByteArray::number(look.pixelsPerUnit, 'g', 12) + ';' + QByteArray::number(ratio, 'g', 6) + ';'
        + QByteArray::number(look.sheet.width()) + 'x' + QByteArray::number(look.sheet.height());
    qsizetype found = 0;
    while (found < m_pictures.size() && m_pictures.at(found).key != key)
        ++found;
    if (found < m_pictures.size()) {
        m_pictures.move(found, 0);
    } else {
        const QSize pixels(int(std::ceil(look.sheet.width() * look.pixelsPerUnit * ratio)),
                           int(std::ceil(look.sheet.height() * look.pixelsPerUnit * ratio)));
        Picture picture{key, QPixmap(pixels)};
        picture.pixels.setDevicePixelRatio(ratio);
        picture.pixels.fill(Qt::white);
        QPainter p(&picture.pixels);
        p.setRenderHints(painter.renderHints());
        p.scale(look.pixelsPerUnit, look.pixelsPerUnit);
        paintForm(p);
        p.end();
        m_pictures.prepend(std::move(picture));
        while (m_pictures.size() > Kept)
            m_pictures.removeLast();
    }
    const QPixmap& picture = m_pictures.constFirst().pixels;
    // The picture's pixels are the viewport's, shifted by the scroll position.
    painter.save();
    painter.resetTransform();
    // Beyond the picture the viewport is white; under it the picture sets
    // every pixel, so filling there first would only cost time.
    const QRect covered(-scroll, QSize(int(picture.width() / ratio), int(picture.height() / ratio)));
    for (const QRect& outside : QRegion(dirty).subtracted(covered))
        painter.fillRect(outside, Qt::white);
    const QRect source = dirty.translated(scroll);
    painter.drawPixmap(dirty.topLeft(), picture,
                       QRectF(source.topLeft() * ratio, source.size() * ratio).toRect());
    painter.restore();
}

void FormPictureCache::clear()
{
    m_pictures.clear();
}
