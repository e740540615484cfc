// The preview server's HTTP side, built as a module of its own (see PreviewServer::Load).
#include "build/PreviewServer.h"

#include <QAbstractHttpServer>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMimeDatabase>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <vector>

namespace {

using Status = QHttpServerResponder::StatusCode;

// The tab's end of the reload channel: the page's own path follows it. A hidden name, so that
// no file of the site can stand in its way.
constexpr QByteArrayView kReloadChannel = "/.wendle-reload/";

// Added to every HTML page served. A new page load opens a new stream, and the browser closes
// the old one.
constexpr QByteArrayView kReloadScript =
    "\n<script>new EventSource(\"/.wendle-reload\" + location.pathname).onmessage = "
    "() => location.reload();</script>\n";

class HttpPreviewServer : public QAbstractHttpServer, public PreviewServer {
public:
    explicit HttpPreviewServer(PreviewFileMap fileFor) : m_fileFor(fileFor) { }

    bool Listen(quint16 port, bool exact, QString* error) override;
    bool IsShown(const QString& file) const override;
    void Reload(const QString& file) override;

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    struct Tab {
        QPointer<QTcpSocket> socket;
        QString file;
    };
    PreviewFileMap m_fileFor;
    std::vector<Tab> m_tabs;
};

bool HttpPreviewServer::Listen(quint16 port, bool exact, QString* error)
{
    // The loopback address only: nothing beyond this machine can reach the server.
    for (int attempt = 0; attempt < (exact ? 1 : 32) && port + attempt <= 65535; ++attempt) {
        auto* server = new QTcpServer(this);
        if (server->listen(QHostAddress::LocalHost, quint16(port + attempt))) {
            bind(server);
            m_port = server->serverPort();
            return true;
        }
        *error = server->errorString();
        delete server;
    }
    return false;
}

bool HttpPreviewServer::IsShown(const QString& file) const
{
    const QString real = QFileInfo(file).canonicalFilePath();
    for (const Tab& tab : m_tabs)
        if (tab.socket && tab.socket->state() == QAbstractSocket::ConnectedState
            && tab.file == real)
            return true;
    return false;
}

void HttpPreviewServer::Reload(const QString& file)
{
    const QString real = QFileInfo(file).canonicalFilePath();
    std::erase_if(m_tabs, [](const Tab& tab) { return !tab.socket; });
    for (const Tab& tab : m_tabs)
        if (tab.file == real)
            tab.socket->write("data: reload\n\n");
}

bool HttpPreviewServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    const QByteArray port = QByteArray::number(m_port);
    const QByteArray host = request.value("Host");
    if (host != "127.0.0.1:" + port && host != "localhost:" + port) {
        responder.write(Status::MisdirectedRequest);
        return true;
    }
    const auto method = request.method();
    if (method != QHttpServerRequest::Method::Get && method != QHttpServerRequest::Method::Head) {
        responder.write({{"Allow", "GET, HEAD"}}, Status::MethodNotAllowed);
        return true;
    }
    const QByteArray path = request.url().path(QUrl::FullyEncoded).toUtf8();
    if (path.startsWith(kReloadChannel)) {
        // Only this server's own pages may listen: a browser names the page's origin when
        // another site's page asks.
        const QByteArray origin = request.value("Origin");
        const QString file = m_fileFor(m_root, path.mid(kReloadChannel.size() - 1));
        if ((!origin.isEmpty() && origin != "http://" + host) || file.isEmpty()) {
            responder.write(Status::Forbidden);
            return true;
        }
        // An event stream stays open; its end is the connection's end.
        responder.writeStatusLine(Status::Ok);
        responder.writeHeaders(
            {{"Content-Type", "text/event-stream"}, {"Cache-Control", "no-store"}});
        responder.writeBody(": open\n\n");
        m_tabs.push_back({socket, file});
        return true;
    }
    const QString file = m_fileFor(m_root, path);
    QFile content(file);
    if (file.isEmpty() || !content.open(QIODevice::ReadOnly)) {
        responder.write(Status::NotFound);
        return true;
    }
    const QByteArray type = QMimeDatabase().mimeTypeForFile(file).name().toUtf8();
    QByteArray body = content.readAll();
    if (type == "text/html")
        body += kReloadScript;
    // HEAD is answered with the headers GET would have, the body's length among them.
    responder.writeStatusLine(Status::Ok);
    responder.writeHeaders({{"Content-Type", type},
                            {"Content-Length", QByteArray::number(body.size())},
                            {"Cache-Control", "no-store"},
                            {"X-Content-Type-Options", "nosniff"}});
    responder.writeBody(method == QHttpServerRequest::Method::Head ? QByteArray() : body);
    return true;
}

void HttpPreviewServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    makeResponder(request, socket).write(Status::NotFound);
}

}  // namespace

extern "C" Q_DECL_EXPORT PreviewServer* wendle_CreatePreviewServer(PreviewFileMap fileFor)
{
    return new HttpPreviewServer(fileFor);
}
