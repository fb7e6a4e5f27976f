// The manual: a topic for every help context the program sets, links that
// lead somewhere, and F1 and the "Hilfe" buttons opening the topic of the
// window or dialog the user is in.
#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "AppUiTestSupport.h"
#include "app/CChildFrame.h"
#include "app/Dv1AppDocument.h"
#include "app/Dv1ViewAdapter.h"
#include "dv1/CDV1_View.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "app/EhViewAdapter.h"
#include "duty/CDlgDefaultTexte_EH.h"
#include "duty/Feld47Dialog.h"
#include "dv1/DV1Field.h"
#include "form/EhField.h"
#include "dv1/DV1Geometry.h"
#include "masterdata/StammDatenDialogModel.h"
#include "print/Common_DlgMargin02.h"
#include "print/EhPrintController.h"
#include "settings/HelpKey.h"
#include "settings/HelpTopics.h"
#include "settings/HelpWindow.h"
#include "view/CEinheitspapierView.h"

namespace {

QString manual()
{
    return HelpTopics::manualFolder(QCoreApplication::applicationDirPath());
}

QString pageText(const QString& file)
{
    QFile f(QDir(manual()).filePath(file));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Empty when a link ("page.html#anchor", "#anchor") from page leads to an
// existing page and, if it names one, an existing anchor; else the fault.
QString brokenLink(const QString& page, const QString& link)
{
    const int hash = link.indexOf(QLatin1Char('#'));
    const QString file = hash < 0 ? link : link.left(hash);
    const QString target = file.isEmpty() ? page : file;
    const QString text = pageText(target);
    if (text.isEmpty())
        return QStringLiteral("%1: Seite %2 fehlt").arg(page, target);
    if (hash >= 0) {
        const QString anchor = link.mid(hash + 1);
        const QRegularExpression id(QStringLiteral("(id|name)=\"%1\"").arg(QRegularExpression::escape(anchor)));
        if (!id.match(text).hasMatch())
            return QStringLiteral("%1: Anker %2 fehlt in %3").arg(page, anchor, target);
    }
    return QString();
}

// Every help context that the program's windows and dialogs set.
QList<int> contextsOfTheProgram()
{
    QSet<int> contexts;
    for (int field = 0; field <= Dv1Field::FirstPageLast; ++field)
        contexts << DV1Geometry::helpContext(1, field);
    for (int page : {2, 3})
        for (int field = 0; field < 61; ++field)
            contexts << DV1Geometry::helpContext(page, field);
    contexts << StammDatenDialogModel::HelpLists << StammDatenDialogModel::HelpDescription
             << StammDatenDialogModel::HelpGoodsNumber << StammDatenDialogModel::HelpOrigin;
    contexts << Feld47Dialog::HelpContext << EhViewAdapter::FormDefaultsHelp;
    contexts << HelpTopics::Einheitspapier << HelpTopics::PrintDialog << HelpTopics::ProgramOptions
             << HelpTopics::FieldDefinitions << HelpTopics::PrinterFontSize << HelpTopics::Margins
             << HelpTopics::WebUpdate << HelpTopics::PrintSizeCorrection << HelpTopics::PrintSetup
             << HelpTopics::About << HelpTopics::BoxPickers << HelpTopics::Box44
             << HelpTopics::NewDocument << HelpTopics::NewEinheitspapier;
    QList<int> sorted = contexts.values();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

} // namespace

TEST(Manual, EveryHelpContextHasATopicAndEveryLinkLeadsSomewhere)
{
    ASSERT_FALSE(manual().isEmpty()) << HelpTopics::manualCandidates(QCoreApplication::applicationDirPath())
                                            .join(QLatin1Char(' '))
                                            .toStdString();
    // Twelve topics of the D.V.1 alone: its front's boxes and its other pages.
    EXPECT_GE(contextsOfTheProgram().size(), 12 + 4 + 2 + 10);
    for (int context : contextsOfTheProgram()) {
        EXPECT_TRUE(HelpTopics::hasTopic(context)) << "kein Thema für " << context;
        EXPECT_EQ(brokenLink(QStringLiteral("(Hilfekontext)"), HelpTopics::page(context)), QString()) << context;
    }
    // No window open: the contents.
    EXPECT_EQ(HelpTopics::page(0), QStringLiteral("index.html"));
    for (const HelpTopics::Topic& t : HelpTopics::all())
        EXPECT_EQ(brokenLink(QStringLiteral("(Themen)"), QString::fromLatin1(t.page)), QString());

    // Every link of every page, and every page linked from another one.
    const QRegularExpression href(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    QSet<QString> linked{QStringLiteral("index.html")};
    const QStringList pages = QDir(manual()).entryList({QStringLiteral("*.html")}, QDir::Files);
    EXPECT_GE(pages.size(), 9);
    for (const QString& page : pages) {
        const QString text = pageText(page);
        EXPECT_TRUE(text.contains(QStringLiteral("<title>"))) << page.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("lang=\"de\""))) << page.toStdString();
        for (auto it = href.globalMatch(text); it.hasNext();) {
            const QString link = it.next().captured(1);
            if (link.startsWith(QLatin1String("https://")))
                continue;
            EXPECT_FALSE(link.contains(QLatin1Char(':'))) << page.toStdString() << ": " << link.toStdString();
            EXPECT_EQ(brokenLink(page, link), QString());
            if (!link.startsWith(QLatin1Char('#')))
                linked << link.section(QLatin1Char('#'), 0, 0);
        }
    }
    for (const QString& page : pages)
        EXPECT_TRUE(linked.contains(page)) << page.toStdString() << " ist von keiner Seite aus erreichbar";
}

TEST(Manual, WindowLeafsThroughThePagesAndSaysWhereItLookedWhenThereIsNone)
{
    HelpWindow window(manual(), {});
    window.showPage(QStringLiteral("dv1.html#feld4"));
    EXPECT_EQ(window.currentPage(), QStringLiteral("dv1.html#feld4"));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("Zollwertanmeldung D.V.1")));
    window.findChild<QToolButton*>(QStringLiteral("contents"))->click();
    EXPECT_EQ(window.currentPage(), QStringLiteral("index.html"));
    auto* back = window.findChild<QToolButton*>(QStringLiteral("back"));
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(window.currentPage(), QStringLiteral("dv1.html#feld4"));

    HelpWindow missing(QString(), {QStringLiteral("/nirgends/help")});
    EXPECT_TRUE(missing.browser()->toPlainText().contains(QStringLiteral("/nirgends/help")));
}

using HelpKeys = AppFixture;

TEST_F(HelpKeys, F1AndTheHelpButtonsOpenTheTopicOfTheWindowOrDialog)
{
    prompt.choices << 0;
    start();
    QAction* topics = frame().command(QStringLiteral("appHelp"));
    ASSERT_NE(topics, nullptr);
    EXPECT_EQ(topics->text(), QStringLiteral("&Hilfethemen"));
    EXPECT_EQ(topics->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(frame().menu(QStringLiteral("menuHelp"))->actions().contains(topics));

    // In the Einheitspapier: its page, in a window of its own.
    EXPECT_EQ(app->helpContext(), HelpTopics::Einheitspapier);
    topics->trigger();
    HelpWindow* help = app->helpKey()->window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Kestrovane-Import - Hilfe"));
    EXPECT_EQ(help->currentPage(), QStringLiteral("einheitspapier.html"));
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    EXPECT_TRUE(waitUntil([&] { return app->helpKey()->window() == nullptr; }));

    // In a dialog: F1 and "Hilfe" open its topic beside it, and the help
    // window can be used while the dialog waits.
    CEinheitspapierView* view = static_cast<EhViewAdapter&>(frame().activeChildFrame()->view()).view();
    bool usable = false;
    const auto helpInNextDialog = [&](const std::function<void()>& open) {
        QStringList shown;
        QTimer timer;
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer.stop();
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(focus, Qt::Key_F1);
            if (HelpWindow* w = app->helpKey()->window()) {
                shown << w->currentPage();
                // A window of the modal dialog itself is not blocked by it.
                usable = w->parentWidget() == dialog && w->isVisible();
                w->close();
            }
            if (auto* button = dialog->findChild<QPushButton*>(QStringLiteral("help"))) {
                button->click();
                if (HelpWindow* w = app->helpKey()->window()) {
                    shown << w->currentPage();
                    w->close();
                }
            }
            dialog->reject();
        });
        timer.start();
        open();
        return shown;
    };
    EXPECT_EQ(helpInNextDialog([&] {
                  view->action(CEinheitspapierView::Command(CEinheitspapierView::FormDefaults))->trigger();
              }),
              (QStringList{QStringLiteral("formularvorgaben.html"), QStringLiteral("formularvorgaben.html")}));
    EXPECT_TRUE(usable);

    // A print dialog through the program's print environment.
    EXPECT_EQ(helpInNextDialog(
                  [&] { view->action(CEinheitspapierView::Command(EhPrintController::Margins))->trigger(); }),
              QStringList{QStringLiteral("drucken.html#raender")});
    // Box 44 on entering it, a picker on F2.
    EXPECT_EQ(helpInNextDialog([&] { view->goToFormField(EhField::Box44, 1); }),
              QStringList{QStringLiteral("einheitspapier.html#feld44")});
    EXPECT_EQ(helpInNextDialog([&] {
                  view->goToFormField(EhField::Box19, 1);
                  view->action(CEinheitspapierView::InsertChoice)->trigger();
              }),
              QStringList{QStringLiteral("einheitspapier.html#vorgaben")});
    EXPECT_EQ(app->helpContext(), HelpTopics::Einheitspapier);
}

TEST_F(HelpKeys, F1InTheDv1ShowsTheBoxBeingTyped)
{
    prompt.choices << Dv1AppDocument::RequestedForm;
    start();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    CDV1_View* view = static_cast<Dv1ViewAdapter&>(frame().activeChildFrame()->view()).view();
    QTest::keyClick(view->editor(), Qt::Key_Tab);
    QTest::keyClick(view->editor(), Qt::Key_F1);
    HelpWindow* help = app->helpKey()->window();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentPage(), QStringLiteral("dv1.html#feld2a"));

    // The back of the sheet: one topic for all its boxes; the open help
    // window follows.
    QApplication::setActiveWindow(&frame());
    QTest::keyClick(view->editor(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(view->editor(), Qt::Key_F1);
    EXPECT_EQ(app->helpKey()->window(), help);
    EXPECT_EQ(help->currentPage(), QStringLiteral("dv1.html#rueckseite"));
}

TEST_F(HelpKeys, NewDocumentChooserHasItsTopic)
{
    // The chooser at start-up: the topic of the documents while it asks.
    struct Recording : ScriptedPrompt {
        std::function<int()> context;
        QList<int> seen;
        int chooseNewDocument(QWidget* parent, bool offerDv1) override
        {
            seen << context();
            return ScriptedPrompt::chooseNewDocument(parent, offerDv1);
        }
    } recording;
    recording.context = [this] { return app->helpContext(); };
    app->setPrompt(&recording);
    start();
    EXPECT_EQ(recording.seen, QList<int>{HelpTopics::NewDocument});
    EXPECT_EQ(HelpTopics::page(HelpTopics::NewDocument), QStringLiteral("programm.html#dokumente"));
    EXPECT_EQ(app->helpContext(), 0);
    app->setPrompt(nullptr);
}
