#pragma once

#include <QByteArray>

#include "check/CheckFinding.h"

class CEinheitspapierDoc;
class FieldDefinitions;

// The plausibility check of an Einheitspapier: every rule of EhRules on the
// document, findings sorted by page and field. The flag tables are those the
// program prints with (the user's field definitions with the marks of the
// view); a field they keep off the paper is not checked for codes or room.
namespace EhCheck {

CheckFindings run(const CEinheitspapierDoc& doc, const QByteArray& firstFlags, const QByteArray& contFlags);
// With the flag tables the program prints the document's form set with.
CheckFindings run(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions);

} // namespace EhCheck
