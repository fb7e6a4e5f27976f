#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class HelpContext;
class HelpWindow;
class QWidget;

// F1 anywhere in the program opens the manual at the topic of the help
// context the program is in: the window that has the focus, or the dialog
// that is open. The program installs one on the application; a "Hilfe"
// button asks it through requestHelp().
//
// While a dialog is open the help window belongs to that dialog, so that
// it can be read and scrolled beside it; otherwise it belongs to the window
// F1 was pressed in and stays open until closed.
class HelpKey : public QObject
{
    Q_OBJECT

public:
    HelpKey(const HelpContext& context, const QString& manualFolder, const QStringList& searched,
            QObject* parent = nullptr);

    // Opens (or brings up) the help window on the current topic; from is
    // the widget help was asked in.
    void showHelp(QWidget* from);
    HelpWindow* window() const;

    // A "Hilfe" button's request: the same as F1 in the button's dialog.
    // False when no help key is installed (then the caller helps itself).
    static bool requestHelp(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const HelpContext& m_context;
    QString m_folder;
    QStringList m_searched;
    QPointer<HelpWindow> m_window;
};
