#include "build/PreviewServer.h"

#include "services/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMimeDatabase>
#include <QTcpServer>
#include <QTcpSocket>

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

bool HasHiddenPart(const QString& relative)
{
    for (const QString& part : relative.split(QLatin1Char('/')))
        if (part.startsWith(QLatin1Char('.')))
            return true;
    return false;
}

}  // namespace

QString PreviewFileFor(const QString& root, QByteArrayView path)
{
    // Decoded once: "%2e%2e" is "..", and "%252e" a name with a percent sign in it.
    const QByteArray decoded = QByteArray::fromPercentEncoding(path.toByteArray());
    if (!decoded.startsWith('/') || decoded.contains('\0') || decoded.contains('\\'))
        return {};
    // Every name must be there and plain: no empty one (a folder, "//"), no ".", "..", or any
    // other hidden name.
    for (const QByteArray& part : decoded.mid(1).split('/'))
        if (part.isEmpty() || part.startsWith('.'))
            return {};
    // Links are followed as the browser's request will be served, then the real file must be
    // in the folder, and not hidden there either.
    const QFileInfo file(root + QFile::decodeName(decoded));
    const QString real = file.canonicalFilePath();
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    if (real.isEmpty() || realRoot.isEmpty() || !file.isFile() || !IsInFolder(real, realRoot)
        || HasHiddenPart(QDir(realRoot).relativeFilePath(real)))
        return {};
    return real;
}

PreviewServer::PreviewServer(QObject* parent) : QAbstractHttpServer(parent) { }

bool PreviewServer::Listen(quint16 port, bool exact, QString* error)
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

void PreviewServer::SetRoot(const QString& folder)
{
    m_root = QFileInfo(folder).canonicalFilePath();
}

QUrl PreviewServer::UrlFor(const QString& file) const
{
    const QString real = QFileInfo(file).canonicalFilePath();
    const QString relative = QDir(m_root).relativeFilePath(real);
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(m_port);
    url.setPath(QLatin1Char('/') + relative);
    if (PreviewFileFor(m_root, url.path(QUrl::FullyEncoded).toUtf8()) != real)
        return {};
    return url;
}

bool PreviewServer::IsShown(const QString& file) const
{
    const QString real = QFileInfo(file).canonicalFilePath();
    for (const Tab& tab : m_tabs)
        if (tab.socket && tab.socket->state() == QAbstractSocket::ConnectedState
            && tab.file == real)
            return true;
    return false;
}

void PreviewServer::Reload(const QString& file)
{
    const QString real = QFileInfo(file).canonicalFilePath();
    std::erase_if(m_tabs, [](const Tab& tab) { return !tab.socket; });
    for (const Tab& tab : m_tabs)
        if (tab.file == real)
            tab.socket->write("data: reload\n\n");
}

bool PreviewServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
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
        const QString file = PreviewFileFor(m_root, path.mid(kReloadChannel.size() - 1));
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
    const QString file = PreviewFileFor(m_root, path);
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

void PreviewServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    makeResponder(request, socket).write(Status::NotFound);
}
