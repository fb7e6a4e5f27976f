#pragma once

class CdBaseDocument;
class QTextStream;

// Writes an open table as one line of JSON: version byte, update date,
// record count, the field descriptors and every record with its deletion
// state and its values (C as text, N without decimals as integer, N with
// decimals as number, L as true/false, D as its eight characters or "").
// Records that the file does not hold although its count says so end the
// list. The current record of the table changes.
void writeDbfJson(CdBaseDocument& table, QTextStream& out);
