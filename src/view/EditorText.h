#pragma once

#include <QString>

// Field texts as the store keeps them (lines joined by CR LF) and as the
// field editor shows them (one paragraph per line).
namespace EditorText {

// The store's text for the editor: CR LF, and a stray CR or LF, each start a
// new line.
QString toEditor(const QString& stored);

// The editor's raw text (paragraph and line separators, or LF) with CR LF
// line breaks, every other character as typed.
QString toStored(const QString& raw);

// A field's text after pasting: every LF without a CR before it gets one,
// trailing white space goes, and a text that begins and ends with a double
// quote (a spreadsheet cell with line breaks) loses that one pair.
QString normalizePasted(const QString& text);

} // namespace EditorText
