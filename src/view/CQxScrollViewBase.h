#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include "view/FormMapping.h"
#include "view/FormPictureCache.h"

class QPainter;
class QWheelEvent;

// The common base of the form views: a scrolling picture of a form at a zoom
// in tenths of real size (10 = real size), kept in the view's settings
// section, with the two zoom commands "Anzeige &größer" / "Anzeige &kleiner".
//
// Coordinates: the form is drawn in units of 0.1 mm (see FormMapping); the
// scroll position is in pixels of the viewport.
class CQxScrollViewBase : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CQxScrollViewBase(QWidget* parent = nullptr);

    // The settings section that keeps the zoom ("Settings" until a derived
    // view names its own).
    void setSettingsSection(const QString& section) { m_section = section; }
    QString settingsSection() const { return m_section; }

    // Computes the zoom from the screen and the stored values and takes it.
    void loadZoom();
    int zoom() const { return m_zoom; }
    // Takes a zoom as it is, without storing it (tests, benchmarks).
    void setZoom(int zoom);

    bool canZoomLarger() const;
    bool canZoomSmaller() const;
    // The zoom commands: one step, stored as "ZoomFactor", the picture laid
    // out again and shown from its top-left corner.
    void zoomLarger();
    void zoomSmaller();

    FormMapping mapping() const;
    QPoint scrollPosition() const;
    void scrollToPosition(const QPoint& pixels);
    // Scrolls by logical units (0.1 mm on the screen); positive is down and
    // right.
    void scrollByUnits(int dx, int dy);
    // Page Down / Page Up: 70 mm from the present position.
    void scrollPage(bool down);
    // The field editor's wheel scrolls the form; with Ctrl it zooms.
    void wheelScroll(QWheelEvent* event);

    bool isLayoutValid() const { return m_layoutValid; }

    // The scroll ranges from "DocWidth" and "DocLength" of the view section.
    void updateScrollSizes();

signals:
    void zoomChanged(int zoom);

protected:
    // Derived views lay out again when this is false, then set it.
    void setLayoutValid(bool valid) { m_layoutValid = valid; }
    // Called after the zoom changed and the picture was invalidated.
    virtual void onZoomChanged() {}
    // Called after the picture scrolled.
    virtual void onScrolled() {}
    // Keys other than Page Up / Page Down go back to the field editor.
    virtual void giveFocusToEditor() {}
    // Scrolls the field that has the focus into sight.
    virtual void revealFocusedField() {}
    // The left button pressed on the picture, and the mouse moving over it,
    // at a point of the viewport in pixels.
    virtual void formClicked(const QPoint& pos) {}
    virtual void formHovered(const QPoint& pos) {}

    // Readies a painter on the viewport for drawing the form: units of
    // 0.1 mm of the magnified picture from the form's top-left corner (the
    // form picture whitens what it does not cover). Returns the dirty part
    // of the picture in those units (for what is greyed beyond the sheet).
    QRect beginFormPainting(QPainter& painter, const QRect& dirty) const;
    // The look of the empty form for the view's picture of it: the
    // painter's description of the form, and the sheet at the zoom.
    FormPictureCache::Look formPictureLook(const QByteArray& key) const;

    // The empty form as last drawn, under the field texts.
    FormPictureCache m_formPicture;

    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void applyZoom(int zoom, bool store);

    int m_zoom = 10;
    QString m_section;
    bool m_layoutValid = false;
    int m_wheelZoom = 0;   // wheel turns towards the next zoom step
    // Until the user scrolls, a new size shows the focused field anew from
    // the sheet's top-left corner: a view laid out before its window had its
    // final size would otherwise stay scrolled for the small one.
    bool m_revealOnResize = true;
};
