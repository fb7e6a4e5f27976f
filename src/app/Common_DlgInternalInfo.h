#pragma once

#include <QDialog>

class QPlainTextEdit;

// The system information for the support line: the report of
// SystemInfoReport, and a button that writes it into a file in the user's
// data folder and closes the dialog.
class Common_DlgInternalInfo : public QDialog
{
    Q_OBJECT

public:
    // dataDirectory: where the support file goes (created when missing).
    Common_DlgInternalInfo(const QString& report, const QString& dataDirectory, QWidget* parent = nullptr);

    QString report() const;
    // Writes the report; false (and the dialog stays) when that failed.
    bool writeSupportFile();
    QString supportFilePath() const;

private:
    QPlainTextEdit* m_text;
    QString m_dataDirectory;
};
