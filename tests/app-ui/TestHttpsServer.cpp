#include "TestHttpsServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTemporaryDir>

namespace {

bool openssl(const QDir& dir, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral("openssl"), args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QByteArray read(const QDir& dir, const char* name)
{
    QFile f(dir.filePath(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList newKey(const char* keyFile)
{
    return {QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
            QLatin1String(keyFile)};
}

TestCertificates make()
{
    TestCertificates c;
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    QFile ext(dir.filePath(QStringLiteral("server.ext")));
    if (!ext.open(QIODevice::WriteOnly))
        return c;
    ext.write("subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n"
              "keyUsage=digitalSignature,keyEncipherment\nextendedKeyUsage=serverAuth\n");
    ext.close();
    const QStringList req{QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-days"), QStringLiteral("2")};
    const bool ok =
        openssl(dir, req + newKey("ca.key") +
                         QStringList{QStringLiteral("-out"), QStringLiteral("ca.pem"), QStringLiteral("-subj"),
                                     QStringLiteral("/CN=Kestrovane Test Authority")}) &&
        openssl(dir, QStringList{QStringLiteral("req")} + newKey("server.key") +
                         QStringList{QStringLiteral("-out"), QStringLiteral("server.csr"), QStringLiteral("-subj"),
                                     QStringLiteral("/CN=127.0.0.1")}) &&
        openssl(dir, {QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                      QStringLiteral("server.csr"), QStringLiteral("-CA"), QStringLiteral("ca.pem"),
                      QStringLiteral("-CAkey"), QStringLiteral("ca.key"), QStringLiteral("-CAcreateserial"),
                      QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"),
                      QStringLiteral("server.ext"), QStringLiteral("-out"), QStringLiteral("server.pem")}) &&
        openssl(dir, req + newKey("stranger.key") +
                         QStringList{QStringLiteral("-out"), QStringLiteral("stranger.pem"), QStringLiteral("-subj"),
                                     QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                                     QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!ok)
        return c;
    c.authority = QSslCertificate(read(dir, "ca.pem"));
    c.server = QSslCertificate(read(dir, "server.pem"));
    c.serverKey = QSslKey(read(dir, "server.key"), QSsl::Ec);
    c.stranger = QSslCertificate(read(dir, "stranger.pem"));
    c.strangerKey = QSslKey(read(dir, "stranger.key"), QSsl::Ec);
    return c;
}

} // namespace

const TestCertificates& TestCertificates::get()
{
    static const TestCertificates certificates = make();
    return certificates;
}

TestHttpsServer::TestHttpsServer(bool trusted)
{
    const TestCertificates& c = TestCertificates::get();
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setLocalCertificate(trusted ? c.server : c.stranger);
    config.setPrivateKey(trusted ? c.serverKey : c.strangerKey);
    config.setPeerVerifyMode(QSslSocket::VerifyNone);   // the server asks no certificate of the client
    m_server.setSslConfiguration(config);
    connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (m_server.hasPendingConnections())
            serve(static_cast<QSslSocket*>(m_server.nextPendingConnection()));
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

QString TestHttpsServer::site() const
{
    return QStringLiteral("https://127.0.0.1:%1").arg(port());
}

void TestHttpsServer::answer(const QByteArray& statusLine, const QByteArray& body, const QByteArray& extraHeaders)
{
    m_mode = Mode::Answer;
    m_status = statusLine;
    m_body = body;
    m_headers = extraHeaders;
}

void TestHttpsServer::stallAfter(const QByteArray& body, int part)
{
    m_mode = Mode::StallAfterPart;
    m_status = "HTTP/1.1 200 OK";
    m_body = body;
    m_part = part;
}

void TestHttpsServer::serve(QSslSocket* socket)
{
    auto* request = new QByteArray;
    connect(socket, &QObject::destroyed, socket, [request] { delete request; });
    connect(socket, &QSslSocket::readyRead, this, [this, socket, request] {
        *request += socket->readAll();
        if (!request->contains("\r\n\r\n"))
            return;
        m_requests.append(*request);
        request->clear();
        QByteArray head = m_status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                          QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n" + m_headers + "\r\n";
        if (m_mode == Mode::StallAfterPart) {
            socket->write(head + m_body.left(m_part));
            return;
        }
        socket->write(head + m_body);
        socket->disconnectFromHost();
    });
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
}

SilentServer::SilentServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
}

QString SilentServer::site() const
{
    return QStringLiteral("https://127.0.0.1:%1").arg(m_server.serverPort());
}
