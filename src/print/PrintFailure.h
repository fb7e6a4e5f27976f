#pragma once

#include <QString>

class QPrinter;

namespace PrintFailure {

// The message when a print did not go out on printer: which printer (or
// which file, for a print into a file) and why, as far as the system tells.
QString message(const QPrinter& printer);

} // namespace PrintFailure
