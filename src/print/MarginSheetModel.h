#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "settings/SettingsKeys.h"

// Where the margins dialog of one form type keeps its values: the title, one
// page per sheet type with the keys of its two offsets, and the key of the
// check box "Vor dem Druck diesen Dialog nicht anzeigen".
struct MarginSheetKeys {
    struct Page {
        QString caption;
        Settings::IntKey horizontal;
        Settings::IntKey vertical;
    };
    QString caption;
    QList<Page> pages;
    Settings::IntKey suppressFlag;

    // "Ränder bei Ausdruck (Einheitspapier)": first sheet and continuation
    // sheets.
    static MarginSheetKeys einheitspapier();
    // "Ränder beim Ausdruck für D.V.1": front and back of the form and of
    // its continuation ("BIS").
    static MarginSheetKeys dv1();
};

// What the margins dialog shows and returns: 2 to 6 pages, each with a
// horizontal and a vertical print offset, and the shared suppress flag.
//
// Offsets are kept in whole tenths of a millimetre, the unit of the store;
// the buttons move them by 0.5 mm, so every value the dialog can reach is a
// whole tenth, and opening and confirming the dialog never changes a stored
// offset by a rounding step.
class MarginSheetModel
{
public:
    static constexpr int MinPages = 2;
    static constexpr int MaxPages = 6;
    static constexpr int Step = 5;      // 0.5 mm
    static constexpr int Limit = 200;   // 20 mm either way

    // The message for a page count outside 2 to 6.
    static QString tooManyPagesText();

    MarginSheetModel();

    // False for a count outside 2 to 6; the previous count stays.
    bool setPageCount(int n);
    int pageCount() const { return m_pageCount; }

    void setCaption(const QString& caption) { m_caption = caption; }
    QString caption() const { return m_caption; }
    // Pages count from 0; the default captions are "Seite 1" to "Seite 6".
    void setPageCaption(int page, const QString& caption);
    QString pageCaption(int page) const;

    // Offsets in 0.1 mm.
    void setHorizontal(int page, int tenths);
    void setVertical(int page, int tenths);
    int horizontal(int page) const;
    int vertical(int page) const;

    void setSuppressed(bool on) { m_suppressed = on; }
    bool suppressed() const { return m_suppressed; }

    // Reads captions, offsets and the flag of a form type from the store,
    // and writes offsets and flag back (after OK only).
    void load(const MarginSheetKeys& keys);
    void save(const MarginSheetKeys& keys) const;

    // One press of "L" or "O" (decrease) and of "R" or "U" (increase): half
    // a millimetre, but a value already at or beyond 20 mm is set to 20 mm.
    static int decreased(int tenths);
    static int increased(int tenths);
    // "%2.1f mm nach rechts" / "nach links" / "unverändert", and the same
    // with "nach unten" / "nach oben".
    static QString horizontalText(int tenths);
    static QString verticalText(int tenths);

private:
    struct Offsets {
        int horizontal = 0;
        int vertical = 0;
    };
    bool validPage(int page) const { return page >= 0 && page < MaxPages; }

    int m_pageCount = MinPages;
    QString m_caption;
    QStringList m_pageCaptions;
    QList<Offsets> m_offsets;
    bool m_suppressed = false;
};
