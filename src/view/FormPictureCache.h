#pragma once

#include <QByteArray>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QPainter;

// The empty form of a page (lines, captions, colour marks) is the same for
// every page of a kind at one zoom and look, and drawing it took most of a
// repaint. A view keeps it once as a picture in screen pixels and draws only
// the field texts over it.
class FormPictureCache
{
public:
    struct Look {
        QByteArray key;          // everything the empty form depends on, but the scale
        QSize sheet;             // the sheet at the zoom, in drawing units
        double pixelsPerUnit = 1.0;
    };

    // Draws the form into the dirty part (viewport pixels) of a painter
    // prepared for form painting (drawing units, scrolled), making the
    // picture first when the look changed. paintForm draws the empty form
    // in drawing units.
    void draw(QPainter& painter, const QRect& dirty, const QPoint& scroll, const Look& look,
              const std::function<void(QPainter&)>& paintForm);

    // Forgets the pictures.
    void clear();

private:
    // A page change goes back and forth between two or three kinds of page
    // (first page and continuation sheet; a D.V.1's first page, backs and
    // fronts): each keeps its picture, the least recently used goes first.
    static constexpr int Kept = 3;
    struct Picture {
        QByteArray key;
        QPixmap pixels;
    };
    QList<Picture> m_pictures;  // most recently used first
};
