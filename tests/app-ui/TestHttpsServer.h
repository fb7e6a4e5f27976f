#pragma once

#include <QByteArray>
#include <QList>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslServer>
#include <QStringList>
#include <QTcpServer>

#include <memory>

// Throw-away certificates made with the openssl command at test time: a
// certificate authority that only the tests trust, a server certificate for
// 127.0.0.1 signed by it, and a self-signed one nobody trusts.
struct TestCertificates {
    QSslCertificate authority;
    QSslCertificate server;
    QSslKey serverKey;
    QSslCertificate stranger;
    QSslKey strangerKey;

    // Made once per test program; empty certificates when openssl failed.
    static const TestCertificates& get();
};

// An HTTPS server on 127.0.0.1 with one answer for every request, in this
// process's event loop. It records the requests it was sent.
class TestHttpsServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode {
        Answer,          // the whole answer, then the connection closes
        StallAfterPart,  // the head and the first `part` bytes of the body, then nothing more
    };

    // trusted: the certificate signed by the tests' authority, else the stranger.
    explicit TestHttpsServer(bool trusted = true);

    void answer(const QByteArray& statusLine, const QByteArray& body, const QByteArray& extraHeaders = {});
    void stallAfter(const QByteArray& body, int part);

    quint16 port() const { return m_server.serverPort(); }
    QString site() const;
    const QList<QByteArray>& requests() const { return m_requests; }

private:
    void serve(QSslSocket* socket);

    QSslServer m_server;
    Mode m_mode = Mode::Answer;
    QByteArray m_status = "HTTP/1.1 200 OK";
    QByteArray m_body;
    QByteArray m_headers;
    int m_part = 0;
    QList<QByteArray> m_requests;
};

// A server that takes the connection and never says a word.
class SilentServer
{
public:
    SilentServer();
    QString site() const;

private:
    QTcpServer m_server;
};
