#pragma once

#include <QString>

#include <optional>

// Fields of the print dialogs that take a whole number from a range (copies,
// printer font sizes): the typed text as a number, or nothing.
namespace WholeNumberInput {

std::optional<int> parse(const QString& text, int min, int max);
// The message for a refused entry.
QString rangeMessage(int min, int max);

} // namespace WholeNumberInput
