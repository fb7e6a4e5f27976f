#pragma once

#include <QRect>

// The print area correction ("Druckbereich-Korrektur"): how much wider and
// taller than measured a printer prints, in 0.1 % (1000 = as measured).
// Printing reads it from the store at every field, so a change in its dialog
// counts from the next field on; an export takes it fixed, so that its
// output does not depend on one printer's calibration.
struct PrintCorrection {
    bool fromStore = true;
    int factorV = 1000;
    int factorH = 1000;

    // A rectangle placed on the sheet with the correction applied.
    QRect apply(const QRect& placed) const;

    // Every edge scaled from the origin of the printable area, truncated
    // towards zero on both sides of it; 1000 leaves an edge as it is.
    static QRect scaled(const QRect& placed, int factorV, int factorH);
};
