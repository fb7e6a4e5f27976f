#pragma once

#include <QDialog>
#include <QList>
#include <QSslCertificate>

#include "app/UpdateCheckModel.h"
#include "app/UpdateIndexDownload.h"
#include "app/UpdateSite.h"

class QLabel;
class QPushButton;

// "Qzn WebUpdate": asks the program's web site whether a newer version
// exists and, when one does, writes the download page "Update.html" into the
// documents folder and opens it in the browser.
class Common_DlgWebUpdateD : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char* IndexPath = "/UpdateIndex.qznidx";

    // Where the check goes and whom it trusts. The program uses the site
    // setting and the system's certificate authorities; tests add their own.
    struct Context {
        UpdateSite site = UpdateSite::current();
        QList<QSslCertificate> trustedCertificates;
        int timeoutMs = 20000;
        // Where the download page goes; empty: the user's documents folder.
        QString documentsFolder;
    };

    Common_DlgWebUpdateD(const QString& programName, UpdateCheckModel::Version installed, Context context,
                         QWidget* parent = nullptr);
    ~Common_DlgWebUpdateD() override;

    const UpdateCheckModel& model() const { return m_model; }
    QPushButton* loadButton() const { return m_load; }
    QPushButton* downloadButton() const { return m_download; }
    QString statusText() const;
    // The page written by the last download, empty before.
    QString pagePath() const { return m_pagePath; }

    // "Updateinformationen vom Internet laden".
    void startCheck();
    bool isChecking() const { return m_fetch.isRunning(); }
    // "Download...": writes and opens the page; the dialog closes only when
    // both succeeded.
    void accept() override;

private:
    void checkFinished(const UpdateIndexDownload::Result& result);
    void showMessage(const QString& text);
    void setWaiting(bool waiting);
    QString failureText(const UpdateIndexDownload::Result& result) const;

    UpdateCheckModel m_model;
    Context m_context;
    UpdateIndexDownload m_fetch;
    QLabel* m_status = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_download = nullptr;
    QString m_pagePath;
    bool m_waiting = false;
};
