// The goods dialog as a user drives it by keyboard, in both its uses:
// maintaining the goods from the menu, and picking one for box 31.
#include <QAbstractItemView>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "../masterdata/GoodsFixtures.h"
#include "../view-ui/ViewTestSupport.h"
#include "masterdata/CDlgStammDatenEingabe.h"

using goodsfixture::goods;
using goodsfixture::Values;
using Use = CDlgStammDatenEingabe::Use;

namespace {

// Keys into a dialog just opened, once it has become the active window.
void typeInto(QWidget* dialog, const QString& text)
{
    QApplication::setActiveWindow(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::keyClicks(QApplication::focusWidget(), text);
}

class GoodsDialog : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::clearSettings(); }
    void TearDown() override
    {
        dialog.reset();
        testsupport::clearSettings();
    }

    QString table() const { return dir.file(QStringLiteral("Artikel1.dbf")); }

    // Opens the dialog as the program does and makes it the active window.
    void open(Use use)
    {
        dialog = std::make_unique<CDlgStammDatenEingabe>(use, dir.path());
        ASSERT_TRUE(dialog->load());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template<typename T>
    T* child(const char* name) const
    {
        T* w = dialog->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The focused widget; after a chooser closed, once the dialog is the
    // active window again.
    QWidget* focus() const
    {
        if (dialog && QApplication::activeWindow() != dialog.get() && !QApplication::activeModalWidget()) {
            QApplication::setActiveWindow(dialog.get());
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        }
        return QApplication::focusWidget();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(focus(), k, m); }
    // Alt and a button's underlined letter: the button shows itself pressed
    // for a moment before it acts.
    void mnemonic(Qt::Key k)
    {
        key(k, Qt::AltModifier);
        QTest::qWait(200);
    }
    void type(const QString& text)
    {
        for (const QChar c : text) {
            if (c == QLatin1Char('\n'))
                key(Qt::Key_Return);
            else if (c.unicode() < 128)
                QTest::keyClick(focus(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, focus(), Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }
    QStringList listed(const char* name) const
    {
        QStringList texts;
        auto* list = child<QListView>(name);
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts << list->model()->index(row, list->modelColumn()).data().toString();
        return texts;
    }
    QString boxText(const char* name) const
    {
        if (auto* edit = dialog->findChild<QPlainTextEdit*>(QLatin1String(name)))
            return edit->toPlainText();
        return child<QLineEdit>(name)->text();
    }
    Values stored() const
    {
        CKestrovaneStammDaten store;
        store.SetFileFromSettings();
        EXPECT_EQ(store.Load(), 0);
        return store.GetCount() > 0 ? store.values(store.GetCount() - 1) : Values{};
    }

    testsupport::TempDir dir;
    std::unique_ptr<CDlgStammDatenEingabe> dialog;
};

} // namespace

TEST_F(GoodsDialog, ANewTableIsFilledByKeyboardWithTheChoosersOnF2)
{
    goodsfixture::useTable(table());
    open(Use::Maintenance);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Stammdateneingabe"));
    EXPECT_EQ(child<QPushButton>("ok")->text(), QStringLiteral("OK"));
    EXPECT_TRUE(child<QPushButton>("newRecord")->isVisible());
    EXPECT_FALSE(child<QPushButton>("ok")->isEnabled());

    // No records yet: editing a new one, in the description box.
    EXPECT_EQ(focus(), child<QPlainTextEdit>("description"));
    EXPECT_EQ(dialog->helpContext(), 431);
    EXPECT_FALSE(child<QListView>("descriptionList")->isEnabled());
    type(QStringLiteral("A\nB"));
    key(Qt::Key_Tab);
    EXPECT_EQ(dialog->helpContext(), 433);
    for (const char* part : {"12345678", "90", "1234", "5678", "9"}) {
        type(QString::fromLatin1(part));
        key(Qt::Key_Tab);
    }
    // The first country box: "Vorgaben" and F2 open the country list.
    EXPECT_EQ(focus(), child<QLineEdit>("origin1"));
    EXPECT_EQ(dialog->helpContext(), 434);
    EXPECT_TRUE(child<QPushButton>("defaults")->isEnabled());
    onNextModal([](QWidget* chooser) {
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Ursprungsland"));
        typeInto(chooser, QStringLiteral("China"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    key(Qt::Key_F2);
    EXPECT_EQ(boxText("origin1"), QStringLiteral("CN"));
    // The second: the federal states.
    key(Qt::Key_Tab);
    onNextModal([](QWidget* chooser) {
        typeInto(chooser, QString());
        ASSERT_EQ(QApplication::focusWidget(), chooser->findChild<QListWidget*>());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    key(Qt::Key_F2);
    EXPECT_EQ(boxText("origin2"), QStringLiteral("02"));
    // Elsewhere F2 does nothing.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_FALSE(child<QPushButton>("defaults")->isEnabled());
    key(Qt::Key_F2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // "Speichern": in the table at once, listed in both lists.
    mnemonic(Qt::Key_P);
    EXPECT_FALSE(dialog->model().isEditing());
    EXPECT_EQ(listed("descriptionList"), QStringList{QStringLiteral("A")});
    EXPECT_EQ(listed("numberList"), QStringList{QStringLiteral("12345678-90-1234-5678-9")});
    EXPECT_EQ(focus(), child<QListView>("descriptionList"));
    EXPECT_EQ(stored(), (Values{QStringLiteral("A\r\nB"), QStringLiteral("12345678"), QStringLiteral("90"),
                                QStringLiteral("1234"), QStringLiteral("5678"), QStringLiteral("9"),
                                QStringLiteral("CN"), QStringLiteral("02")}));

    // "Editieren", then Abbruch (Esc): editing ends, nothing changed.
    mnemonic(Qt::Key_E);
    EXPECT_EQ(focus(), child<QPlainTextEdit>("description"));
    EXPECT_EQ(child<QPushButton>("edit")->text(), QStringLiteral("S&peichern"));
    key(Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral("C"));
    key(Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->model().isEditing());
    EXPECT_EQ(boxText("description"), QStringLiteral("A\nB"));
    // Edited and saved: the record is rewritten, not appended.
    mnemonic(Qt::Key_E);
    key(Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral("\nC"));
    mnemonic(Qt::Key_P);
    EXPECT_EQ(dialog->model().store().GetCount(), 1);
    EXPECT_EQ(stored()[0], QStringLiteral("A\r\nB\r\nC"));

    // "Neuer Datensatz" shows empty boxes; Esc shows the record again.
    mnemonic(Qt::Key_N);
    EXPECT_TRUE(boxText("description").isEmpty());
    EXPECT_TRUE(boxText("number1").isEmpty());
    key(Qt::Key_Escape);
    EXPECT_EQ(boxText("number1"), QStringLiteral("12345678"));
    // Enter ends the dialog with OK.
    key(Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(GoodsDialog, SelectionPicksTheShownRecordThroughListsAndSearch)
{
    goodsfixture::useTable(table(), {goods(QStringLiteral("Schrauben\r\nverzinkt"), QStringLiteral("73181595")),
                                     goods(QStringLiteral("Muttern"), QStringLiteral("73181699"), QStringLiteral("CN"),
                                           QString()),
                                     goods(QStringLiteral("Bolzen"), QStringLiteral("73181900"))});
    open(Use::Selection);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Stammdatenauswahl"));
    EXPECT_EQ(child<QPushButton>("ok")->text(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(dialog->findChild<QGroupBox*>()->title(), QStringLiteral(" Inhalt "));
    for (const char* hidden : {"newRecord", "edit", "defaults"})
        EXPECT_FALSE(child<QPushButton>(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(child<QLineEdit>("number1")->isEnabled());

    // The first description is shown; the search box has the focus and its
    // arrow keys move in the lists, which move together.
    EXPECT_EQ(focus(), child<QLineEdit>("search"));
    EXPECT_EQ(dialog->helpContext(), 130);
    EXPECT_EQ(boxText("description"), QStringLiteral("Bolzen"));
    key(Qt::Key_Down);
    EXPECT_EQ(boxText("description"), QStringLiteral("Muttern"));
    auto* numbers = child<QListView>("numberList");
    EXPECT_EQ(numbers->currentIndex().data().toString(), QStringLiteral("73181699-90-1234-5678-9"));
    // In the goods number list.
    mnemonic(Qt::Key_W);
    EXPECT_EQ(focus(), numbers);
    key(Qt::Key_Home);
    EXPECT_EQ(boxText("description"), QStringLiteral("Schrauben\nverzinkt"));

    // The search narrows both lists as the user types.
    mnemonic(Qt::Key_S);
    EXPECT_EQ(focus(), child<QLineEdit>("search"));
    type(QStringLiteral("verz"));
    EXPECT_EQ(listed("descriptionList"), QStringList{QStringLiteral("Schrauben")});
    EXPECT_EQ(listed("numberList"), QStringList{QStringLiteral("73181595-90-1234-5678-9")});
    EXPECT_EQ(boxText("description"), QStringLiteral("Schrauben\nverzinkt"));
    key(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("1699"));
    EXPECT_EQ(listed("descriptionList"), QStringList{QStringLiteral("Muttern")});
    key(Qt::Key_Return);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->model().result(),
              (Values{QStringLiteral("Muttern"), QStringLiteral("73181699"), QStringLiteral("90"), QStringLiteral("1234"),
                      QStringLiteral("5678"), QStringLiteral("9"), QStringLiteral("CN"), QString()}));

    // A double click takes the record at once.
    open(Use::Selection);
    numbers = child<QListView>("numberList");
    const QRect third = numbers->visualRect(numbers->model()->index(2, numbers->modelColumn()));
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {}, third.center());
    QTest::mouseDClick(numbers->viewport(), Qt::LeftButton, {}, third.center());
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->model().result()[1], QStringLiteral("73181900"));
}

TEST_F(GoodsDialog, TipsNameEachControlAndTheDescriptionTakesAtMost253Characters)
{
    goodsfixture::useTable(table());
    open(Use::Maintenance);
    const std::pair<const char*, const char*> tips[] = {
        {"descriptionList", "Datensatzauswahl nach Bezeichnung"},
        {"numberList", "Datensatzauswahl nach Warennummer"},
        {"description", "Eingabe des Textes für Feld 31"},
        {"number3", "Eingabe der Warennummer (Feld 33)"},
        {"origin2", "Eingabe des Ursprungslandes (Feld 34)"},
        {"edit", "Ausgewählen Datensatz editieren"},
        {"newRecord", "Neuen Datensatz erstellen"},
        {"defaults", "Dialog für Ursprungsland öffnen (auch mit F2 möglich)"},
        {"cancel", "Dialog abbrechen"},
        {"ok", "Daten in Dokument übernehmen und den Dialog beenden"},
        {"help", "Aufruf der On-Line Hilfe"},
    };
    for (const auto& [name, tip] : tips)
        EXPECT_EQ(dialog->findChild<QWidget*>(QLatin1String(name))->toolTip(), QString::fromUtf8(tip)) << name;

    // A line break counts as the two characters it takes in the table.
    type(QString(250, QLatin1Char('x')) + QStringLiteral("\nyz"));
    EXPECT_EQ(boxText("description"), QString(250, QLatin1Char('x')) + QStringLiteral("\ny"));
    // The goods number and country boxes take their field widths.
    EXPECT_EQ(child<QLineEdit>("number1")->maxLength(), 8);
    EXPECT_EQ(child<QLineEdit>("number5")->maxLength(), 1);
    EXPECT_EQ(child<QLineEdit>("origin1")->maxLength(), 3);

    // "Hilfe" explains the part that has the focus.
    onNextModal([](QWidget* box) {
        EXPECT_TRUE(static_cast<QMessageBox*>(box)->text().contains(QStringLiteral("Feld 31")));
        static_cast<QMessageBox*>(box)->accept();
    });
    mnemonic(Qt::Key_H);
}

TEST_F(GoodsDialog, ATableThatCannotBeReadIsReportedAndTheDialogDoesNotOpen)
{
    testsupport::writeFile(table(), QByteArray("keine Tabelle"));
    goodsfixture::useTable(table());
    onNextModal([](QWidget* box) {
        EXPECT_TRUE(static_cast<QMessageBox*>(box)->text().contains(QStringLiteral("Artikel1.dbf")));
        static_cast<QMessageBox*>(box)->accept();
    });
    CDlgStammDatenEingabe d(Use::Maintenance, dir.path());
    EXPECT_FALSE(d.load());
    EXPECT_EQ(testsupport::readFile(table()), QByteArray("keine Tabelle"));
}
