#pragma once

#include <QString>

class QPageLayout;

// The forms are printed onto A4 sheets standing upright; any other paper
// set in the printer shifts or cuts the print. Checked before the print
// dialog when "Papierformat überprüfen" is on.
namespace PaperFormatCheck {

// A4 portrait, within a millimetre, whatever the printer calls the size.
bool isA4Portrait(const QPageLayout& layout);

// Empty for A4 portrait; otherwise the question whether to print anyway,
// naming the printer and the paper it is set to.
QString question(const QPageLayout& layout, const QString& printerName);

} // namespace PaperFormatCheck
