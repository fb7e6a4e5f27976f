#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslError>
#include <QTimer>
#include <QUrl>



// Fetches the update index over HTTPS.
//
// The server must prove who it is: the certificate is verified against the
// system's authorities and those the caller adds (never switched off), a
// redirection is not followed, the whole fetch has a time limit, and no
// more than sizeLimit bytes are taken, however much the server sends.
class UpdateIndexDownload : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Received,      // the server answered 200; data holds the index (maybe cut at the limit)
        Broken,        // the answer began and then broke off or ran out of time; data holds what came
        HttpError,     // the server answered with another status (not found, a redirection ...)
        NoConnection,  // no answer: host unknown, connection refused or lost before the answer
        Untrusted,     // the server's certificate was not accepted
        TimedOut,      // connected or not, no answer within the time limit
    };
    struct Result {
        Outcome outcome = Outcome::NoConnection;
        QByteArray data;
        int httpStatus = 0;
        QString detail;   // the network's own description of a failure
    };

    explicit UpdateIndexDownload(QObject* parent = nullptr);
    ~UpdateIndexDownload() override;

    // Starts the GET; finished() follows exactly once, unless abort() comes first.
    void start(const QUrl& url, const QList<QSslCertificate>& trustedCertificates, int timeoutMs,
               qsizetype sizeLimit);
    bool isRunning() const { return m_reply != nullptr; }
    void abort();

signals:
    void finished(const UpdateIndexDownload::Result& result);

private:
    void take();
    void complete(Outcome outcome);
    void replyFinished();

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    QByteArray m_data;
    qsizetype m_limit = 0;
    bool m_answered = false;
    QList<QSslError> m_sslErrors;
};
