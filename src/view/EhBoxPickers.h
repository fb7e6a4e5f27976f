#pragma once

class CEinheitspapierDoc;
class FieldDefinitions;
class QWidget;

// "Vor&gaben einfügen..." (F2): which picker fills which box of the
// Einheitspapier. Each picker runs its dialog with the box's current text
// and writes its choice into the store; the view then shows the box again
// and marks the document modified.
namespace EhBoxPickers {

struct Request {
    CEinheitspapierDoc& doc;
    int page;    // 1 = first page, 2.. = continuation sheets
    int field;   // the focused field of that page
    QWidget* parent;
    // The flag tables the view shows the form by (which parts of a box the
    // form set hides).
    const FieldDefinitions& definitions;
};

// Runs the picker; true when it changed the document, false when the user
// cancelled.
using Picker = bool (*)(const Request& request);

// The picker of a field, or nullptr when the box has none.
Picker find(int page, int field);

} // namespace EhBoxPickers
