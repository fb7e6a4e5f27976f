#include "app/UpdateIndexDownload.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>

namespace {

int statusOf(const QNetworkReply& reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

} // namespace

UpdateIndexDownload::UpdateIndexDownload(QObject* parent)
    : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        // An answer that began and stalled keeps what came; no answer at all
        // is a server that did not reply in time.
        complete(m_answered ? Outcome::Broken : Outcome::TimedOut);
    });
}

UpdateIndexDownload::~UpdateIndexDownload()
{
    abort();
}

void UpdateIndexDownload::start(const QUrl& url, const QList<QSslCertificate>& trustedCertificates, int timeoutMs,
                                qsizetype sizeLimit)
{
    abort();
    m_data.clear();
    m_sslErrors.clear();
    m_answered = false;
    m_limit = sizeLimit;

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader("Accept", "Text/*");
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!trustedCertificates.isEmpty())
        ssl.addCaCertificates(trustedCertificates);
    request.setSslConfiguration(ssl);

    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] { m_answered = true; });
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateIndexDownload::take);
    connect(m_reply, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) { m_sslErrors = errors; });
    connect(m_reply, &QNetworkReply::finished, this, &UpdateIndexDownload::replyFinished);
    m_deadline.start(timeoutMs);
}

void UpdateIndexDownload::abort()
{
    m_deadline.stop();
    if (!m_reply)
        return;
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void UpdateIndexDownload::take()
{
    if (!m_reply)
        return;
    m_data += m_reply->read(std::max<qsizetype>(0, m_limit - m_data.size()));
    // Everything the reader could ever use has come: the rest is not wanted.
    if (m_data.size() >= m_limit)
        complete(statusOf(*m_reply) == 200 ? Outcome::Received : Outcome::HttpError);
}

void UpdateIndexDownload::replyFinished()
{
    if (!m_reply)
        return;
    take();
    if (!m_reply)
        return;
    const QNetworkReply::NetworkError error = m_reply->error();
    const int status = statusOf(*m_reply);
    if (!m_sslErrors.isEmpty() || error == QNetworkReply::SslHandshakeFailedError)
        complete(Outcome::Untrusted);
    else if (m_answered && status != 200)
        complete(Outcome::HttpError);
    else if (error == QNetworkReply::NoError)
        complete(Outcome::Received);
    else
        complete(m_answered ? Outcome::Broken : Outcome::NoConnection);
}

void UpdateIndexDownload::complete(Outcome outcome)
{
    Result result;
    result.outcome = outcome;
    result.data = m_data;
    if (m_reply) {
        result.httpStatus = statusOf(*m_reply);
        QStringList details;
        for (const QSslError& e : std::as_const(m_sslErrors))
            details << e.errorString();
        if (details.isEmpty() && m_reply->error() != QNetworkReply::NoError)
            details << m_reply->errorString();
        result.detail = details.join(QLatin1Char('\n'));
    }
    abort();
    emit finished(result);
}
