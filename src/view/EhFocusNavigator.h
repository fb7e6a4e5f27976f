#pragma once

#include <QByteArray>
#include <QPoint>

#include <cstdint>

// Where the focus goes on an Einheitspapier: the next and previous field, the
// page commands, the final field of a focus move, and the field under a point.
// Works on the field flags of one form set, so the view and the tests share
// the same rules without a window.
class EhFocusNavigator
{
public:
    struct Position {
        int page = 1;
        int field = 0;
        bool operator==(const Position&) const = default;
    };

    // Tab wraps after these fields: the fields below them are the ones a
    // declarant types into; the duty grids further down are reached by mouse.
    static constexpr int FirstPageTabEnd = 105;
    static constexpr int ContinuationTabEnd = 77;

    // firstFlags / continuationFlags: the live flag tables (byte field * 4 +
    // form set). A form set outside 0..3 reads every flag as 0.
    EhFocusNavigator(const QByteArray& firstFlags, const QByteArray& continuationFlags, int formSet);

    static int fieldCount(int page);
    std::uint8_t flag(int page, int field) const;
    bool isEditable(int page, int field) const;

    // Tab and Shift+Tab, skipping fields that never take the focus.
    int nextField(int page, int field) const;
    int previousField(int page, int field) const;

    // The field a focus move from leftField to target ends on: an index
    // beyond the page kind becomes field 0; a field that cannot take the
    // focus passes it on in the direction of travel.
    int resolveTarget(int page, int leftField, int target) const;

    // The page commands. A move that is not possible (next page on the last
    // page, previous page on the first) returns field -1.
    Position firstPage() const;
    Position nextPage(int currentPage, int pageCount) const;
    Position previousPage(int currentPage) const;
    Position lastPage(int pageCount) const;

    // The editable field of a page whose zoomed screen rectangle holds the
    // point (0.1-mm units of the zoomed form), or -1.
    int fieldAt(int page, const QPoint& zoomedPoint, int zoom) const;

private:
    int step(int page, int field, int direction) const;
    int moveOnWhile(int page, int field, std::uint8_t mask) const;

    QByteArray m_first;
    QByteArray m_continuation;
    int m_formSet;
};
