#pragma once

#include <span>

#include "duty/CodeText.h"

// The duty types of box 47's "Art" column: five-digit codes with their
// meanings, in the order the chooser lists them.
namespace DutyTypes {

constexpr int Count = 23;

std::span<const CodeText> rows();

// The position of the first code that begins with text (without regard to
// case); -1 when none does. An empty text matches the first code.
int firstBeginningWith(const QString& text);

} // namespace DutyTypes
