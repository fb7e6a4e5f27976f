// A full field as the user meets it: typing stops at the first refused
// character instead of letting narrower ones slip into the middle of a word,
// a refused Enter does not glue the next line on, and a paste keeps what
// fits and says what it left out.
#include <QClipboard>
#include <QSignalSpy>
#include <QStatusTipEvent>

#include "ViewTestSupport.h"
#include "form/EhField.h"
#include "form/FieldStore.h"
#include "view/EditorText.h"
#include "view/FieldTextFit.h"

namespace {

using TypingLimit = ViewFixture;

// Box 7 (the reference number): one line.
constexpr int Box7 = EhField::Box7;

// Collects the status-bar notes that reach the view's window.
class StatusTips : public QObject
{
public:
    QStringList tips;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip)
            tips << static_cast<QStatusTipEvent*>(event)->tip();
        return false;
    }
};

} // namespace

TEST_F(TypingLimit, AfterARefusedCharacterTheFieldTakesNoMoreUntilTheUserErasesOrMoves)
{
    // Box 19 is narrow: a word typed into it is kept from its start on and
    // never loses letters from its middle.
    for (const QString& typed : {QStringLiteral("CIF Hamburg"), QStringLiteral("WICHTIG WICHTIG WICHTIG")}) {
        goTo(EhField::Box19, 1);
        doc->store().setText(EhField::Box19, 1, QString());
        goTo(EhField::Box19, 1);
        type(typed);
        const QString kept = text(EhField::Box19, 1);
        EXPECT_LT(kept.size(), typed.size()) << typed.toStdString();
        EXPECT_TRUE(typed.startsWith(kept)) << kept.toStdString();
    }

    // A line full of text: everything typed after the refusal stays out ...
    goTo(Box7, 1);
    const QString line = QStringLiteral("Abcdefghij klmnopqrst uvwxyz 0123456789 Abcdefghij klmnopqrst");
    type(line);
    const QString full = text(Box7, 1);
    ASSERT_LT(full.size(), line.size());
    type(QStringLiteral("iiii"));
    EXPECT_EQ(text(Box7, 1), full);
    // ... a refused Enter glues nothing onto the line ...
    key(Qt::Key_Return);
    type(QStringLiteral("li"));
    EXPECT_EQ(text(Box7, 1), full);
    // ... until the user erases: then a narrow letter fits again.
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    const QString erased = text(Box7, 1);
    EXPECT_EQ(erased, full.left(full.size() - 2));
    type(QStringLiteral("i"));
    EXPECT_EQ(text(Box7, 1), erased + QLatin1Char('i'));

    // In a box of several lines: Enter at the last line is refused, and the
    // next word does not go onto the end of that line; moving the caret to
    // a line with room lets typing in again.
    goTo(EhField::Box8Address, 1);
    type(QStringLiteral("Kurz"));
    int breaks = 0;
    for (; breaks < 30; ++breaks) {
        const QString before = text(EhField::Box8Address, 1);
        key(Qt::Key_Return);
        if (text(EhField::Box8Address, 1) == before)
            break;
    }
    ASSERT_LT(breaks, 30);
    const QString lines = text(EhField::Box8Address, 1);
    type(QStringLiteral("Str"));
    EXPECT_EQ(text(EhField::Box8Address, 1), lines);
    for (int i = 0; i < breaks; ++i)
        key(Qt::Key_Up);
    key(Qt::Key_Home);
    type(QStringLiteral("Nicht "));
    EXPECT_EQ(text(EhField::Box8Address, 1), QStringLiteral("Nicht ") + lines);
}

TEST_F(TypingLimit, APasteKeepsWhatFitsAndSaysHowMuchWasLeftOut)
{
    StatusTips tips;
    view->installEventFilter(&tips);
    QSignalSpy notes(editor(), &CQxEditWindow::statusMessage);
    QClipboard* clipboard = QApplication::clipboard();

    goTo(Box7, 1);
    type(QStringLiteral("Ref "));
    const QString pasted = QStringLiteral("Sehr lange Bezugsnummer 0123456789 mit viel mehr Text, als in eine Zeile passt");
    clipboard->setText(pasted);
    key(Qt::Key_V, Qt::ControlModifier);

    const QString stored = text(Box7, 1);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("Ref Sehr")));
    EXPECT_TRUE((QStringLiteral("Ref ") + pasted).startsWith(stored));
    EXPECT_LT(stored.size(), 4 + pasted.size());
    // What is stored is what the field shows.
    EXPECT_EQ(EditorText::toStored(editor()->toPlainText()), stored);
    EXPECT_EQ(FieldTextFit::lineCount(*editor()->document()), 1);
    // The note names the characters left out of how many.
    const int leftOut = int(4 + pasted.size() - stored.size());
    ASSERT_EQ(notes.size(), 1);
    const QString note = notes.constFirst().constFirst().toString();
    EXPECT_TRUE(note.contains(QStringLiteral("%1 von %2 Zeichen").arg(leftOut).arg(pasted.size())))
        << note.toStdString();
    EXPECT_EQ(tips.tips, QStringList{note});
    // The caret is behind what went in: typing goes on from there, and the
    // field is full.
    EXPECT_EQ(editor()->textCursor().position(), stored.size());

    // The whole paste is one step.
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text(Box7, 1), QStringLiteral("Ref "));

    // A paste that fits says nothing.
    clipboard->setText(QStringLiteral("4711"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Box7, 1), QStringLiteral("Ref 4711"));
    EXPECT_EQ(notes.size(), 1);

    // Several lines into a box of a few lines: the lines that fit.
    goTo(EhField::Box8Address, 1);
    QStringList lines;
    for (int i = 1; i <= 20; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    clipboard->setText(lines.join(QLatin1Char('\n')));
    key(Qt::Key_V, Qt::ControlModifier);
    const QString address = text(EhField::Box8Address, 1);
    EXPECT_TRUE(address.startsWith(QStringLiteral("Zeile 1\r\nZeile 2\r\n")));
    EXPECT_LT(address.count(QStringLiteral("\r\n")), 19);
    EXPECT_EQ(notes.size(), 2);
}

TEST_F(TypingLimit, AltWithALetterIsAnAccessKeyNotText)
{
    // A menu's access key that no shortcut took (e.g. the window is not
    // active) leaves the field as it was; AltGr (Ctrl+Alt) still types.
    goTo(Box7, 1);
    type(QStringLiteral("AB"));
    key(Qt::Key_F, Qt::AltModifier);
    key(Qt::Key_B, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(Box7, 1), QStringLiteral("AB"));
    QKeyEvent altGr(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@"));
    QApplication::sendEvent(editor(), &altGr);
    type(QStringLiteral("c"));
    EXPECT_EQ(text(Box7, 1), QStringLiteral("AB@c"));
}
