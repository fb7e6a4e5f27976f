#pragma once

#include <QString>

// The roles a declarant can hold in box 14 ("Anmelder/Vertreter"), by the
// number the settings keep: 1 exporter, 2 consignor, 3 importer, 4 the
// subcontractor.
namespace DeclarantRoles {

constexpr int Count = 4;

// The box text of role 1 .. 4; empty for any other number.
QString text(int role);

} // namespace DeclarantRoles
