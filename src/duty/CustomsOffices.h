#pragma once

#include <QString>

#include <span>

// German customs offices of entry, grouped by category (general, airports,
// the seaports by coast, pipelines, post). The table ends with a closing row
// whose category, kind and place read "@".
namespace CustomsOffices {

constexpr int RowCount = 118;

struct Office {
    const char* category;
    const char* kind;    // "Zollamt", "Abfertigungsstelle", ...
    const char* place;
    const char* code;    // "DE" and six digits

    bool isClosingRow() const;
    // "Zollamt Bad Säckingen"
    QString name() const;
};

// All rows including the closing row.
std::span<const Office> table();
// The 118 offices.
std::span<const Office> rows();

} // namespace CustomsOffices
