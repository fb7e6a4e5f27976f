#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the box 44 dialog ("Feld 44") does with the text of box 44 and the
// input-tax cross ("Hinsichtlich aller angemeldeten Waren zum vollen
// Vorsteuerabzug berechtigt.").
//
// Box 44 holds five lines of up to 127 characters. The cross is printed
// over the first line, so with the cross set that line has to be empty: the
// text moves down one line when its first line holds something. It moves
// only then, so taking the dialog twice does not push the text down twice,
// and never so far that a line falls off the box: a text that would need a
// sixth line is refused with a message instead. A line wider than the box
// takes two or more lines on the form; given the box's line breaking, the
// model counts those lines too, so that what it accepts is what the form
// shows and the printer prints.
class Feld44Model
{
public:
    static constexpr int Lines = 5;
    static constexpr int LineWidth = 127;

    // How many lines of the box one line of the dialog takes (at least 1).
    using LineBreaking = std::function<int(const QString& line)>;
    void setLineBreaking(LineBreaking breaking) { m_breaking = std::move(breaking); }

    void open(const QString& boxText, bool inputTax);

    // The box text with plain line breaks, as the dialog shows it.
    QString shownText() const { return m_shown; }
    bool inputTax() const { return m_inputTax; }

    // Takes the dialog's text and check box. False, with error() saying why,
    // when the text does not fit the box; otherwise text() is the new box
    // text (lines joined with CR LF, no trailing white space) and inputTax()
    // the new state of the cross.
    bool take(const QString& dialogText, bool cross);
    QString text() const { return m_text; }
    QString error() const { return m_error; }

    // The lines of a text, whatever its line breaks, without the empty lines
    // at its end.
    static QStringList lines(const QString& text);

private:
    QString m_shown;
    QString m_text;
    QString m_error;
    bool m_inputTax = false;
    LineBreaking m_breaking;
};
