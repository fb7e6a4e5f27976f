#pragma once

#include <Qt>
#include <QString>

class QFont;
class QTextDocument;

// How the field editor lays out its text, and whether an edit still fits.
// The editor has no scroll bars: a field holds what its rectangle shows, so a
// typed character or line break that would need a line below the field's
// last visible line is refused. Texts the program puts in (loading, pasting)
// are never cut; into such a text the user may still type as long as the
// edit adds no line.
namespace FieldTextFit {

// Sets a document up as the editor lays out text: no margin, the font, the
// alignment, lines wrapped at word boundaries (a word longer than the line
// anywhere) at width pixels.
void configure(QTextDocument& doc, const QFont& font, Qt::Alignment alignment, double width);

// Lines of the laid-out text (an empty text is one line).
int lineCount(const QTextDocument& doc);

// Whether replacing the characters from..to of doc by insertion (a typed
// text, or a line break when paragraph is set) may go in a field of height
// pixels. With overwrite, a typed character also replaces the one after the
// caret unless the caret is at the end of a line.
bool accepts(const QTextDocument& doc, int from, int to, const QString& insertion, bool paragraph, bool overwrite,
             double height);

// Whether text (as the editor shows it) laid out like doc fits a field of
// height pixels.
bool fits(const QTextDocument& doc, const QString& text, double height);

} // namespace FieldTextFit
