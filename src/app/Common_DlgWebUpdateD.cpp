#include "app/Common_DlgWebUpdateD.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/HomePage.h"
#include "app/UpdatePage.h"
#include "settings/OkCancelButtons.h"

Common_DlgWebUpdateD::Common_DlgWebUpdateD(const QString& programName, UpdateCheckModel::Version installed,
                                           Context context, QWidget* parent)
    : QDialog(parent)
    , m_model(programName, installed)
    , m_context(std::move(context))
{
    setWindowTitle(QStringLiteral("Qzn WebUpdate"));
    auto* layout = new QVBoxLayout(this);

    auto* explanation = new QLabel(this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);
    explanation->setText(QStringLiteral("Hier können Sie prüfen, ob im Internet eine neuere Version des Programms "
                                        "bereitsteht. Dazu wird eine gesicherte Verbindung zu %1 aufgebaut. "
                                        "Ist eine neuere Version vorhanden, öffnet \"Download...\" eine Seite mit "
                                        "dem Verweis auf die Installationsdatei.")
                             .arg(m_context.site.isValid() ? m_context.site.url().host() : QStringLiteral("?")));
    layout->addWidget(explanation);

    auto* facts = new QFormLayout;
    auto* name = new QLabel(programName, this);
    name->setObjectName(QStringLiteral("programName"));
    facts->addRow(QStringLiteral("Programm:"), name);
    auto* version = new QLabel(m_model.installedVersionText(), this);
    version->setObjectName(QStringLiteral("installedVersion"));
    facts->addRow(QStringLiteral("Version:"), version);
    layout->addLayout(facts);

    m_status = new QLabel(m_model.statusText(), this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setMinimumHeight(m_status->fontMetrics().height() * 2 + 8);
    layout->addWidget(m_status);

    m_load = new QPushButton(QStringLiteral("Updateinformationen vom Internet laden"), this);
    m_load->setObjectName(QStringLiteral("load"));
    m_load->setAutoDefault(false);
    connect(m_load, &QPushButton::clicked, this, &Common_DlgWebUpdateD::startCheck);
    layout->addWidget(m_load);

    layout->addWidget(okCancelButtons(this, &m_download, QStringLiteral("Download...")));
    m_download->setObjectName(QStringLiteral("download"));
    m_download->setEnabled(false);

    connect(&m_fetch, &UpdateIndexDownload::finished, this, &Common_DlgWebUpdateD::checkFinished);
    m_load->setDefault(true);
    m_load->setFocus();
}

Common_DlgWebUpdateD::~Common_DlgWebUpdateD()
{
    m_fetch.abort();
    setWaiting(false);
}

QString Common_DlgWebUpdateD::statusText() const
{
    return m_status->text();
}

void Common_DlgWebUpdateD::setWaiting(bool waiting)
{
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void Common_DlgWebUpdateD::startCheck()
{
    if (m_fetch.isRunning() || m_model.updateFound())
        return;
    if (!m_context.site.isValid()) {
        showMessage(m_context.site.error());
        return;
    }
    setWaiting(true);
    m_load->setEnabled(false);
    m_fetch.start(m_context.site.address(QLatin1String(IndexPath)), m_context.trustedCertificates,
                  m_context.timeoutMs, UpdateIndex::maximumSize());
}

QString Common_DlgWebUpdateD::failureText(const UpdateIndexDownload::Result& result) const
{
    const QString server = m_context.site.url().authority();
    QString text;
    switch (result.outcome) {
    case UpdateIndexDownload::Outcome::Untrusted:
        text = QStringLiteral("Die Verbindung zu %1 wurde abgelehnt: Das Zertifikat des Servers ist nicht "
                              "vertrauenswürdig. Es wurden keine Daten geladen.")
                   .arg(server);
        break;
    case UpdateIndexDownload::Outcome::TimedOut:
        text = QStringLiteral("Der Server %1 hat nicht innerhalb von %2 Sekunden geantwortet. Es wurden keine Daten "
                              "geladen.")
                   .arg(server, QLocale(QLocale::German).toString(m_context.timeoutMs / 1000.0, 'g', 3));
        break;
    default:
        text = QStringLiteral("Es konnte keine Verbindung zu %1 hergestellt werden. Bitte prüfen Sie die "
                              "Verbindung zum Internet.")
                   .arg(server);
        break;
    }
    if (!result.detail.isEmpty())
        text += QStringLiteral("\n\n(%1)").arg(result.detail);
    return text;
}

void Common_DlgWebUpdateD::checkFinished(const UpdateIndexDownload::Result& result)
{
    setWaiting(false);
    switch (result.outcome) {
    case UpdateIndexDownload::Outcome::Received:
    case UpdateIndexDownload::Outcome::Broken:
        // What came before a break is read as far as it goes.
        m_model.takeIndex(UpdateIndex::find(result.data, m_model.programName()));
        break;
    case UpdateIndexDownload::Outcome::HttpError:
        m_model.takeBrokenTransfer();
        break;
    default:
        // No connection: the status line stays as it was.
        m_load->setEnabled(true);
        showMessage(failureText(result));
        return;
    }
    m_status->setText(m_model.statusText());
    m_load->setEnabled(!m_model.updateFound());
    if (m_model.updateFound()) {
        m_download->setEnabled(true);
        m_download->setDefault(true);
        m_download->setFocus();
    }
}

void Common_DlgWebUpdateD::showMessage(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

void Common_DlgWebUpdateD::accept()
{
    if (!m_model.updateFound())
        return;
    QString folder = m_context.documentsFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QDir(folder).filePath(QLatin1String(UpdatePage::FileName));
    QSaveFile file(path);
    const QByteArray page = UpdatePage::html(m_model, m_context.site).toUtf8();
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(page) != page.size() ||
        !file.commit()) {
        showMessage(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden:\n%2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    m_pagePath = path;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        showMessage(HomePage::noBrowserText());
        return;
    }
    QDialog::accept();
}
