// The field editor's clipboard: a paste keeps what fits into the field.
#include "view/CQxEditWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QStatusTipEvent>
#include <QTextCursor>

#include <algorithm>

#include "view/EditorText.h"
#include "view/FieldTextFit.h"

// --- clipboard ----------------------------------------------------------------

int CQxEditWindow::PasteNormalized()
{
    const QString pasted = EditorText::toEditor(QApplication::clipboard()->text());
    const QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    const QString shown = toPlainText();
    const double height = fieldRect(m_field, m_page).height();

    // The field's text with the first n characters of the clipboard pasted,
    // as it is stored.
    const auto withPasted = [&](qsizetype n) {
        return EditorText::toStored(shown.left(from) + pasted.left(n) + shown.mid(to));
    };
    const auto fits = [&](qsizetype n) {
        return FieldTextFit::fits(*document(), EditorText::toEditor(EditorText::normalizePasted(withPasted(n))),
                                  height);
    };
    // A field holds what its rectangle shows: of a text too long for it, the
    // part that fits goes in.
    qsizetype kept = pasted.size();
    if (!fits(kept)) {
        qsizetype low = 0;
        // No field shows anywhere near this many characters.
        qsizetype high = std::min<qsizetype>(kept - 1, 8192);
        kept = 0;
        while (low <= high) {
            const qsizetype mid = (low + high) / 2;
            if (fits(mid)) {
                kept = mid;
                low = mid + 1;
            } else {
                high = mid - 1;
            }
        }
    }
    const QString raw = withPasted(kept);
    const QString normalized = EditorText::normalizePasted(raw);
    SetCurrentFieldText(normalized);

    // The caret stays behind what was pasted, one back when the opening
    // quote went.
    int caret = from + int(kept);
    if (raw.startsWith(QLatin1Char('"')) && !normalized.startsWith(QLatin1Char('"')) && caret > 0)
        --caret;
    setCaretPosition(caret);

    const int leftOut = int(EditorText::toEditor(EditorText::normalizePasted(withPasted(pasted.size()))).size()
                            - EditorText::toEditor(normalized).size());
    if (kept < pasted.size() && leftOut > 0) {
        QApplication::beep();
        const QString note = QStringLiteral("Das Feld ist voll: %1 von %2 Zeichen der Zwischenablage wurden "
                                            "nicht eingefügt.")
                                 .arg(leftOut)
                                 .arg(pasted.size());
        emit statusMessage(note);
        // The main window shows it in its status bar.
        QStatusTipEvent tip(note);
        QApplication::sendEvent(this, &tip);
        return leftOut;
    }
    return 0;
}

void CQxEditWindow::copyText()
{
    copy();
}

void CQxEditWindow::cutText()
{
    if (textCursor().hasSelection())
        cut();
}

void CQxEditWindow::selectAllText()
{
    selectAll();
    ensureCursorVisible();
}
