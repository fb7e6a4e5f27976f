#pragma once

#include <QObject>

class QDialog;
class QString;

// Makes every dialog of the program wide enough for its title: a small
// dialog with a long German title would otherwise show it cut off in the
// title bar. Installed once on the application while it lives.
class DialogTitleFit : public QObject
{
    Q_OBJECT

public:
    explicit DialogTitleFit(QObject* parent = nullptr);
    ~DialogTitleFit() override;

    // The width a window needs to show title whole in its title bar, with
    // room for the window's icon and its buttons.
    static int widthFor(const QString& title);
    // Widens dialog to that width, unless it is wide enough already.
    static void fit(QDialog& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
