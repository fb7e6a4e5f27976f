#pragma once

#include <QPoint>

// Where the focus goes on a D.V.1: Tab and Shift+Tab, the field a focus move
// ends on, and what lies under a click. The rules need no window, so the
// view and the tests share them.
//
// Tab wraps after the last field the user fills in: field 11 of the first
// page, field 52 of a continuation page. The totals 53 to 60 are the
// calculation's: neither Tab nor the mouse reaches them. A field without a
// place on its page (52 on the front of a D.V.1 BIS) takes no focus either,
// so nothing is ever typed where it can be neither seen nor printed.
namespace DV1Focus {

// The last field Tab reaches on a page.
int lastTypedField(int page);

// Whether a focus move may end on the field.
bool takesFocus(int page, int field);

int nextField(int page, int field);
int previousField(int page, int field);

// The field a move towards target ends on: an index beyond the page's
// fields becomes field 0; a field that takes no focus passes it on in the
// direction of travel (+1 or -1), wrapping within the fields Tab reaches.
int resolve(int page, int target, int direction);

// What a click at a point of the zoomed picture (0.1-mm units at the zoom)
// hits: a field that takes the focus, or -1.
int fieldAt(int page, const QPoint& zoomedPoint, int zoom);
// An answer box of the first page, or -1.
int answerBoxAt(const QPoint& zoomedPoint, int zoom);

} // namespace DV1Focus
