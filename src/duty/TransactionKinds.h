#pragma once

#include <QString>

#include <span>

// The kinds of transaction of box 24: two digits shown as "1 1", each
// explained by the text of its first digit and a text of its own.
namespace TransactionKinds {

constexpr int Count = 25;
constexpr int FirstDigitCount = 9;

struct Kind {
    const char* code;      // the two digits with a blank between them
    int firstDigitText;    // index into firstDigitTexts()
    const char* text;
};

std::span<const Kind> rows();
// The nine texts that explain a first digit, for the digits 1 to 9.
std::span<const char* const> firstDigitTexts();

QString firstDigitText(const Kind& kind);

} // namespace TransactionKinds
