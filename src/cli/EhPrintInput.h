#pragma once

#include <QString>

class CEinheitspapierDoc;
class FieldDefinitions;
class QTextStream;

// What print and render start from: the document as the program would open
// it, and the user's own field definitions, so that the output is exactly
// what the desktop program puts on paper.
namespace cli {

// Reads an Einheitspapier. False, with "FILE: reason" on err, when the file
// cannot be read or is refused (unknown or too old a format): a refused file
// opens as an empty form, and printing that would pass off a blank sheet as
// the document.
bool loadEinheitspapier(CEinheitspapierDoc& doc, const QString& path, QTextStream& err);

// The field definitions the user keeps in the settings store, as the program
// reads them at start-up, without writing anything into the store (a missing
// or damaged table reads as the built-in one).
FieldDefinitions storedFieldDefinitions();

} // namespace cli
