#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <ostream>

#include "app/AppPrompt.h"
#include "app/FileDialogFilters.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A window's title as its title bar shows it: "[*]" is "*" while the window
// is modified and nothing otherwise.
inline QString shownTitle(const QWidget* window)
{
    QString title = window->windowTitle();
    return title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}

// Answers the program's questions from a script and records what was
// asked, so the document handling can run without anybody at the keyboard.
struct ScriptedPrompt : AppPrompt {
    QList<SaveAnswer> saveAnswers;   // taken in order; Cancel when used up
    QStringList saveQuestions;       // the titles asked about
    QStringList messages;
    QStringList openNames;           // taken in order; empty = cancel
    QStringList saveNames;
    QStringList openPreselections;   // the filter each open dialog preselected
    QStringList savePreselections;
    QStringList saveProposals;
    QList<int> choices;              // new-document chooser; -1 = cancel
    int chooserCalls = 0;
    bool lastOfferDv1 = false;

    SaveAnswer askSaveChanges(QWidget*, const QString& title) override
    {
        saveQuestions << title;
        return saveAnswers.isEmpty() ? SaveAnswer::Cancel : saveAnswers.takeFirst();
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    QString openFileName(QWidget*, const FileDialogFilters& filters) override
    {
        openPreselections << filters.selectedNameFilter();
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString saveFileName(QWidget*, const FileDialogFilters& filters, const QString& proposal) override
    {
        savePreselections << filters.selectedNameFilter();
        saveProposals << proposal;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    int chooseNewDocument(QWidget*, bool offerDv1) override
    {
        ++chooserCalls;
        lastOfferDv1 = offerDv1;
        return choices.isEmpty() ? -1 : choices.takeFirst();
    }
};

// Closes every modal message box that comes up while it lives and
// remembers its text: for the messages that views show themselves. Yes/No
// questions stay for the test to answer.
class ModalCloser
{
public:
    ModalCloser()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            // Questions with Ja and Nein are the test's to answer.
            if (box && !(box->standardButtons() & (QMessageBox::Yes | QMessageBox::No))) {
                m_texts << box->text();
                box->done(QMessageBox::Ok);
            }
        });
        m_timer.start();
    }
    const QStringList& texts() const { return m_texts; }

private:
    QTimer m_timer;
    QStringList m_texts;
};

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <memory>

#include "SettingsTestSupport.h"
#include "TestSupport.h"
#include "app/CKestrovaneImportApp.h"
#include "app/CMainFrame.h"
#include "masterdata/DefaultTables.h"
#include "settings/CRegeditManagment.h"
#include "settings/Profile.h"

// Lets the event loop run until done() holds or the time is up.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// Types text into a widget key by key, umlauts included.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

// A fresh program object on a fresh settings store, answering from a
// script, with no splash window unless a test asks for one.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        useTemporarySystemStore();
        Profile::set(Settings::SplashScreen, 0);
        // A user who has started the program before: the master-data
        // tables are there, and start-up has nothing to say about them.
        DefaultTables(dataDirectory()).createMissing();
        app = std::make_unique<CKestrovaneImportApp>();
        app->setPrompt(&prompt);
        app->setProgramDirectory(programDir.path());
    }
    void TearDown() override { app.reset(); }

    CMainFrame& frame() { return *app->mainFrame(); }
    static QString dataDirectory() { return CRegeditManagment().GetDataDirectory(true); }
    // Starts the program with an empty command line, cancelling the chooser
    // unless a choice was scripted.
    void start(const QStringList& arguments = {}) { ASSERT_TRUE(app->InitInstance(arguments)); }

    testsupport::TempDir programDir;
    testsupport::TempDir files;
    ScriptedPrompt prompt;
    std::unique_ptr<CKestrovaneImportApp> app;
};

// Runs act on the first modal dialog of type T that comes up while the
// object lives (for dialogs that a command runs with exec()).
template <class T>
class WhenModal
{
public:
    explicit WhenModal(std::function<void(T&)> act) : m_act(std::move(act))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                m_timer.stop();
                ++m_seen;
                m_act(*dialog);
            }
        });
        m_timer.start();
    }
    int seen() const { return m_seen; }

private:
    std::function<void(T&)> m_act;
    QTimer m_timer;
    int m_seen = 0;
};
