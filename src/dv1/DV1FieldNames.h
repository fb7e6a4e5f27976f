#pragma once

#include <QString>

// The box a D.V.1 field belongs to, as the sheet numbers it ("Feld 2 (a)",
// "Feld 14 (b)"), for messages that name fields.
namespace DV1FieldNames {

QString name(int page, int field);

} // namespace DV1FieldNames
