#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

// Small pictures of the forms for the new-document chooser and the splash
// window: a sheet with the green box lines and the red marks on its right
// edge, the form number written at the top. Drawn, not loaded, so they stay
// sharp at any size.
namespace FormThumbnail {

// form: 0..3 an Einheitspapier form set, 99 the D.V.1.
QPixmap picture(int form, const QSize& size, qreal devicePixelRatio = 1.0);
void paint(QPainter& painter, const QRect& sheet, int form);

// "0737 / 0738" ... and "Zollwertanm. (D.V.1)".
QString formCaption(int form);

} // namespace FormThumbnail
