#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QRect>

#include "form/EhFieldFlags.h"
#include "view/FieldTextPainter.h"

class FieldDefinitions;
class FieldStore;
class QPainter;
struct EhRect;

// One page of an Einheitspapier as the view shows it.
struct EhFormPage {
    const FieldStore* store = nullptr;
    int formSet = 0;        // 0..3; anything else is drawn as an export document
    int page = 1;           // 1 = first page, p >= 2 = continuation page p
    QByteArray firstFlags;  // the program's flag tables (616 and 856 bytes),
    QByteArray contFlags;   // with the unused marks the view has applied
    bool inputTax = false;

    // Takes the program's flag tables, with the unused-field marks of the
    // page's form set when they are switched on ("EH_ShowXX").
    void takeFlags(const FieldDefinitions& definitions);

    EhFieldFlags::PageKind kind() const
    {
        return page <= 1 ? EhFieldFlags::PageKind::First : EhFieldFlags::PageKind::Continuation;
    }
};

// What the user has chosen about the form's look.
struct EhPaintOptions {
    int zoom = 10;                  // tenths of real size
    bool stampA = false;            // "Stempel im Feld A"
    bool stampC = false;            // "Stempel im Feld C"
    bool showUnusedMarks = true;    // "XXX in unbenutzten Feldern anzeigen"
    QColor textColor = QColor(0, 0, 255);
    bool outlineFields = false;     // frame and number every field (geometry checks)
    bool markOverflow = true;       // a mark on a field whose text does not fit
    // The part of the picture to cover, in drawing units; what lies right of
    // 205 mm or below 298 mm of the form is greyed. Empty: no grey.
    QRect area;

    // The options as the settings give them for the Einheitspapier view.
    static EhPaintOptions fromSettings(int zoom);
};

// Draws the Einheitspapier: the form (lines, captions, colour marks, unused
// marks) and the field texts, at a zoom, onto any painter whose unit is
// 0.1 mm of the magnified picture with y pointing down. A form coordinate v
// is drawn at v * zoom / 10.
class FormPainter
{
public:
    explicit FormPainter(const EhPaintOptions& options);

    const EhPaintOptions& options() const { return m_options; }

    // The whole page: grey areas, form, field texts.
    void paintPage(QPainter& painter, const EhFormPage& page) const;
    // All of the page but the empty form: what a view draws over its
    // picture of the form.
    void paintOverForm(QPainter& painter, const EhFormPage& page) const;
    // What the empty form of a page depends on, but the scale.
    QByteArray formLook(const EhFormPage& page) const;

    void paintGreyAreas(QPainter& painter) const;
    void paintForm(QPainter& painter, const EhFormPage& page) const;
    void paintFieldTexts(QPainter& painter, const EhFormPage& page) const;
    // Frames and numbers of every field of the page kind.
    void paintFieldOutlines(QPainter& painter, EhFieldFlags::PageKind kind) const;

    // How far right of its scaled rectangle a field's text is drawn.
    static constexpr int TextShift = 2;
    // A field's screen rectangle in drawing units, where its text is drawn
    // (moved TextShift units right of the scaled rectangle).
    QRect textRect(EhFieldFlags::PageKind kind, int field) const;

    // A settings colour value 0x00BBGGRR.
    static QColor windowsColor(int value);

private:
    void paintColourMarks(QPainter& painter, int formSet) const;
    void paintLines(QPainter& painter, EhFieldFlags::PageKind kind, int formSet) const;
    void paintCaptions(QPainter& painter, EhFieldFlags::PageKind kind, int formSet) const;
    void paintUnusedMarks(QPainter& painter, EhFieldFlags::PageKind kind, int formSet) const;
    void paintCrossRow(QPainter& painter, const EhRect& scaled) const;
    void paintInputTaxCross(QPainter& painter) const;
    void paintOverflowMark(QPainter& painter, const QRect& r) const;
    int scaled(int v) const { return v * m_options.zoom / 10; }
    QPen pen(const QPainter& painter, const QColor& color, int width, Qt::PenStyle style = Qt::SolidLine) const;

    EhPaintOptions m_options;
    FieldFontSet m_fonts;
    FieldTextPainter m_text;
    QFont m_titleFont;
    QFont m_numberFont;
    QFont m_captionFont;
};
