#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

#include "TestSupport.h"

// A print scheduler of the test's own: cupsd with its configuration, spool
// and socket in a temporary folder, so that it neither needs nor touches
// the machine's print system, and PDF queues (cups-pdf) that write each job
// into a folder of the queue. Clients of this process reach it once start()
// has pointed CUPS_SERVER at its socket, which must happen before the first
// printer is looked up.
class CupsServer
{
public:
    CupsServer();
    ~CupsServer();

    // False with the reason when no scheduler can run here (no cupsd or
    // cups-pdf, not root: cups-pdf writes its files as root only).
    bool start(QString* why);
    bool running() const;

    // A cups-pdf queue whose default paper is pageSize ("A4", "Letter").
    bool addPdfQueue(const QString& name, const QString& pageSize, QString* why);
    QString outputFolder(const QString& queue) const;

    // Waits until the queue has finished its jobs and returns the PDF it
    // wrote since the last call; empty after timeoutMs.
    QString takeOutput(const QString& queue, int timeoutMs = 60000);
    // The PDFs in the queue's folder that nobody took yet.
    QStringList pendingOutput(const QString& queue) const;

    // The scheduler's log, for a failure message.
    QString log() const;

private:
    bool runTool(const QString& program, const QStringList& arguments, QString* output = nullptr) const;
    bool queueIdle(const QString& queue) const;
    void removeLeftovers();

    testsupport::TempDir m_dir;
    std::unique_ptr<QProcess> m_cupsd;
    QStringList m_queueConfigs;
    QStringList m_taken;
};
