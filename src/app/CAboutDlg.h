#pragma once

#include <QDialog>

// "Info über Kestrovane-Import": the program's name, version and home page.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(const QString& buildDate, QWidget* parent = nullptr);
};
