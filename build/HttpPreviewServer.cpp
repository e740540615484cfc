// The preview server's HTTP side, built as a module of its own (see PreviewServer::Load), on GNU
// libmicrohttpd: it bounds the connections, the memory of each and their idle time, reads no
// body it did not ask for, and sends files in pieces as the socket drains, so that neither a
// big file nor a slow or hostile client can stop the server or grow it. Only the user's own
// programs (and root's) are answered.
#include "build/PreviewServer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <linux/inet_diag.h>
#include <linux/netlink.h>
#include <linux/sock_diag.h>
#include <microhttpd.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The tab's end of the reload channel: the page's own path follows it. Hidden names, so that
// no file of the site can stand in their way.
constexpr QByteArrayView kReloadChannel = "/.wendle-reload/";
constexpr QByteArrayView kReloadScriptPath = "/.wendle-reload.js";
// A file of the server's own, which a page's "script-src 'self'" allows. A new page load opens
// a new stream, and the browser closes the old one.
constexpr QByteArrayView kReloadScript =
    "new EventSource(\"/.wendle-reload\" + location.pathname).onmessage = () => "
    "location.reload();\n";
// Added to every HTML page served, before its last </body> (else </html>, else at its end),
// where no comment or <textarea> left open at the end can swallow it.
constexpr QByteArrayView kScriptTag = "<script src=\"/.wendle-reload.js\"></script>";
// How far from a page's end its last </body> is looked for.
constexpr qint64 kTailSearched = 64 * 1024;

// The bounds of every connection: the request line and headers must fit in its memory (else
// 414 or 431, and the connection is closed), and a connection that sends or reads nothing for
// the time-out is closed, a half-sent request or a download that is not read among them.
constexpr size_t kConnectionMemory = 64 * 1024;
constexpr unsigned kConnections = 512;
constexpr unsigned kIdleSeconds = 15;

class HttpPreviewServer;

// One folder served on a port of its own.
struct Site {
    HttpPreviewServer* server;
    int folder;
    QByteArray port;
    MHD_Daemon* daemon = nullptr;
};

// A browser tab's event stream. While it waits for a reload its connection is suspended, and
// then the library notices no client that leaves: IsShown asks the socket itself.
struct Tab {
    HttpPreviewServer* server;
    MHD_Connection* connection;
    int socket;
    QString file;
    bool suspended = false;
    bool reload = false;
    bool gone = false;
};

// Whether the browser keeps a suspended stream: its socket has nothing to read (a browser sends
// nothing more on it), not the end of file it reads once the browser has closed it.
bool IsOpen(const Tab& tab)
{
    char byte;
    const ssize_t read = recv(tab.socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    return read > 0 || (read < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
}

// A file read in pieces, copied as it is sent: with sendfile, a file cut short meanwhile sends
// zeros and never ends the connection. An HTML page has the script tag at `at`.
struct Page {
    int fd;
    qint64 size;
    qint64 at;
    QByteArrayView tag;
};

class HttpPreviewServer : public PreviewServer {
public:
    explicit HttpPreviewServer(PreviewFileOpener open) : m_open(open) { }
    ~HttpPreviewServer() override;

    bool Serve(const QString& folder, quint16 port, bool exact, QString* error) override;
    bool IsShown(const QString& file) const override;
    void Reload(const QString& file) override;

private:
    static MHD_Result Answer(void* cls, MHD_Connection* connection, const char* url,
                             const char* method, const char* version, const char* upload,
                             size_t* uploadSize, void** state);
    MHD_Result OpenStream(MHD_Connection* connection, const QString& file);
    static ssize_t ReadStream(void* cls, uint64_t pos, char* buffer, size_t max);
    static void CloseStream(void* cls);
    // Resumes the suspended streams for which `wake` is true.
    void Resume(const std::function<bool(Tab&)>& wake);

    PreviewFileOpener m_open;
    std::vector<std::unique_ptr<Site>> m_sites;
    mutable std::mutex m_mutex;  // guards m_tabs, between the window and the server's thread
    std::vector<Tab*> m_tabs;
};

// Who holds the client's end of a loopback connection: the kernel's socket table knows the owner
// of every socket, and NETLINK_SOCK_DIAG (what `ss -e` asks) looks up the one socket whose
// addresses are this connection's, reversed. Nullopt when the kernel cannot tell.
std::optional<uid_t> ClientOwner(int fd)
{
    sockaddr_in server{}, client{};
    socklen_t size = sizeof server;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&server), &size) != 0
        || server.sin_family != AF_INET)
        return std::nullopt;
    size = sizeof client;
    if (getpeername(fd, reinterpret_cast<sockaddr*>(&client), &size) != 0
        || client.sin_family != AF_INET)
        return std::nullopt;
    struct {
        nlmsghdr header;
        inet_diag_req_v2 request;
    } ask{};
    ask.header = {sizeof ask, SOCK_DIAG_BY_FAMILY, NLM_F_REQUEST, 0, 0};
    ask.request.sdiag_family = AF_INET;
    ask.request.sdiag_protocol = IPPROTO_TCP;
    ask.request.idiag_states = ~0u;
    // The client's socket: its own address first, then the server's, as the client sees them.
    ask.request.id.idiag_sport = client.sin_port;
    ask.request.id.idiag_dport = server.sin_port;
    ask.request.id.idiag_src[0] = client.sin_addr.s_addr;
    ask.request.id.idiag_dst[0] = server.sin_addr.s_addr;
    ask.request.id.idiag_cookie[0] = ask.request.id.idiag_cookie[1] = INET_DIAG_NOCOOKIE;
    const int diag = socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_SOCK_DIAG);
    if (diag < 0)
        return std::nullopt;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    // The kernel answers while the request is sent, so the answer is there to be read at once.
    alignas(nlmsghdr) char answer[1024];
    const bool sent =
        sendto(diag, &ask, sizeof ask, 0, reinterpret_cast<sockaddr*>(&kernel), sizeof kernel)
        == ssize_t(sizeof ask);
    const ssize_t got = sent ? recv(diag, answer, sizeof answer, MSG_DONTWAIT) : -1;
    close(diag);
    const auto* header = reinterpret_cast<const nlmsghdr*>(answer);
    if (got < 0 || !NLMSG_OK(header, size_t(got)) || header->nlmsg_type != SOCK_DIAG_BY_FAMILY
        || header->nlmsg_len < NLMSG_LENGTH(sizeof(inet_diag_msg)))
        return std::nullopt;
    const auto* found = static_cast<const inet_diag_msg*>(NLMSG_DATA(header));
    // A client's IPv6 socket that reached 127.0.0.1 by its mapped address (::ffff:127.0.0.1, as
    // dual-stack programs connect) is found by the same lookup, and told with its IPv6 addresses.
    const bool mapped = found->idiag_family == AF_INET6;
    const auto same = [mapped](const __be32(&address)[4], in_addr_t v4) {
        if (!mapped)
            return address[0] == v4;
        return address[0] == 0 && address[1] == 0 && address[2] == htonl(0xffff)
            && address[3] == v4;
    };
    if (found->id.idiag_sport != client.sin_port || found->id.idiag_dport != server.sin_port
        || !same(found->id.idiag_src, client.sin_addr.s_addr)
        || !same(found->id.idiag_dst, server.sin_addr.s_addr))
        return std::nullopt;
    return found->idiag_uid;
}

// Each connection, when it is accepted, is marked as the user's own or not: only the user who
// started Wendle and root may be answered, where any other account on the machine could reach
// 127.0.0.1 and read the user's files. A connection whose owner the kernel cannot tell is no
// one's. The mark is the site (`cls`), or null.
void MarkConnection(void* cls, MHD_Connection* connection, void** socket,
                    MHD_ConnectionNotificationCode code)
{
    if (code != MHD_CONNECTION_NOTIFY_STARTED)
        return;
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    const std::optional<uid_t> owner = info ? ClientOwner(info->connect_fd) : std::nullopt;
    *socket = owner && (*owner == geteuid() || *owner == 0) ? cls : nullptr;
}

bool FromTheUser(MHD_Connection* connection)
{
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
    return info && info->socket_context;
}

// The request's path as sent: OpenPreviewFile decodes it once, itself.
size_t KeepEscaped(void*, MHD_Connection*, char* text)
{
    return std::strlen(text);
}

MHD_Result Send(MHD_Connection* connection, unsigned status, MHD_Response* response,
                std::initializer_list<std::pair<const char*, QByteArray>> headers = {})
{
    if (!response)
        return MHD_NO;
    for (const auto& [name, value] : headers)
        MHD_add_response_header(response, name, value.constData());
    const MHD_Result result = MHD_queue_response(connection, status, response);
    MHD_destroy_response(response);
    return result;
}

MHD_Result SendEmpty(MHD_Connection* connection, unsigned status,
                     std::initializer_list<std::pair<const char*, QByteArray>> headers = {})
{
    return Send(connection, status,
                MHD_create_response_from_buffer(0, nullptr, MHD_RESPMEM_PERSISTENT), headers);
}

ssize_t ReadPage(void* cls, uint64_t pos, char* buffer, size_t max)
{
    const Page& page = *static_cast<Page*>(cls);
    const qint64 at = qint64(pos);
    if (at >= page.at && at < page.at + page.tag.size()) {
        const size_t length = std::min(max, size_t(page.at + page.tag.size() - at));
        std::memcpy(buffer, page.tag.data() + (at - page.at), length);
        return ssize_t(length);
    }
    const qint64 from = at < page.at ? at : at - page.tag.size();
    const qint64 until = at < page.at ? page.at : page.size;
    // A file cut short while it is sent ends the connection, not the page.
    const ssize_t read = pread(page.fd, buffer, std::min(max, size_t(until - from)), from);
    return read > 0 ? read : MHD_CONTENT_READER_END_WITH_ERROR;
}

void ClosePage(void* cls)
{
    const Page* page = static_cast<Page*>(cls);
    close(page->fd);
    delete page;
}

// Where the script tag goes: before the last </body> near the end, else the last </html>.
qint64 ScriptPlace(int fd, qint64 size)
{
    const qint64 start = std::max<qint64>(0, size - kTailSearched);
    QByteArray tail(size - start, '\0');
    const ssize_t read = pread(fd, tail.data(), size_t(tail.size()), start);
    tail = tail.left(std::max<ssize_t>(read, 0)).toLower();
    for (const char* tag : {"</body", "</html"})
        if (const qsizetype found = tail.lastIndexOf(tag); found >= 0)
            return start + found;
    return size;
}

MHD_Result HttpPreviewServer::Answer(void* cls, MHD_Connection* connection, const char* url,
                                     const char* method, const char*, const char*, size_t*,
                                     void** state)
{
    // The first call comes when only the headers have been read: a refused request is answered
    // then, and its body never read. An accepted one (it has no body) is answered at the next
    // call, once the request is complete, so that its connection may serve the next.
    const bool complete = std::exchange(*state, cls) != nullptr;
    // Another account is told nothing, not even whether its request was well formed.
    if (!FromTheUser(connection))
        return SendEmpty(connection, MHD_HTTP_FORBIDDEN);
    const Site& site = *static_cast<Site*>(cls);
    const auto header = [connection](const char* name) {
        return QByteArray(MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name));
    };
    const QByteArray host = header("Host");
    if (host != "127.0.0.1:" + site.port && host != "localhost:" + site.port)
        return SendEmpty(connection, MHD_HTTP_MISDIRECTED_REQUEST);
    const bool head = std::strcmp(method, MHD_HTTP_METHOD_HEAD) == 0;
    if (!head && std::strcmp(method, MHD_HTTP_METHOD_GET) != 0)
        return SendEmpty(connection, MHD_HTTP_METHOD_NOT_ALLOWED, {{"Allow", "GET, HEAD"}});
    if (!header("Transfer-Encoding").isEmpty()
        || !QByteArrayList{{}, "0"}.contains(header("Content-Length")))
        return SendEmpty(connection, MHD_HTTP_BAD_REQUEST);
    if (!complete)
        return MHD_YES;
    const QByteArrayView path(url);
    if (path == kReloadScriptPath)
        return Send(connection, MHD_HTTP_OK,
                    MHD_create_response_from_buffer(size_t(kReloadScript.size()),
                                                    const_cast<char*>(kReloadScript.data()),
                                                    MHD_RESPMEM_PERSISTENT),
                    {{"Content-Type", "text/javascript"}, {"Cache-Control", "no-store"}});
    if (path.startsWith(kReloadChannel)) {
        // Only this server's own pages may listen: a browser names the page's origin when
        // another site's page asks.
        const QByteArray origin = header("Origin");
        const PreviewFile file =
            site.server->m_open(site.folder, path.sliced(kReloadChannel.size() - 1));
        if (file.fd >= 0)
            close(file.fd);
        if ((!origin.isEmpty() && origin != "http://" + host) || file.fd < 0)
            return SendEmpty(connection, MHD_HTTP_FORBIDDEN);
        // Only a browser's EventSource is a tab; a HEAD gets the headers alone.
        if (head)
            return SendEmpty(connection, MHD_HTTP_OK, {{"Content-Type", "text/event-stream"}});
        if (!header("Accept").contains("text/event-stream"))
            return SendEmpty(connection, MHD_HTTP_NOT_ACCEPTABLE);
        return site.server->OpenStream(connection, file.path);
    }
    const PreviewFile file = site.server->m_open(site.folder, path);
    if (file.fd < 0)
        return SendEmpty(connection, MHD_HTTP_NOT_FOUND);
    // Known by the name alone: reading the content to tell would open the file again.
    const QByteArray type =
        QMimeDatabase().mimeTypeForFile(file.path, QMimeDatabase::MatchExtension).name().toUtf8();
    auto* page = type == "text/html"
        ? new Page{file.fd, file.size, ScriptPlace(file.fd, file.size), kScriptTag}
        : new Page{file.fd, file.size, file.size, {}};
    MHD_Response* response = MHD_create_response_from_callback(
        uint64_t(file.size + page->tag.size()), 64 * 1024, ReadPage, page, ClosePage);
    if (!response)
        ClosePage(page);
    return Send(connection, MHD_HTTP_OK, response,
                {{"Content-Type", type},
                 {"Cache-Control", "no-store"},
                 {"X-Content-Type-Options", "nosniff"}});
}

MHD_Result HttpPreviewServer::OpenStream(MHD_Connection* connection, const QString& file)
{
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
    auto* tab = new Tab{this, connection, info ? info->connect_fd : -1, file};
    MHD_Response* response =
        MHD_create_response_from_callback(MHD_SIZE_UNKNOWN, 256, ReadStream, tab, CloseStream);
    if (!response) {
        delete tab;
        return MHD_NO;
    }
    // Streams the browser has closed since are ended now, so that reloading a page by hand
    // again and again cannot fill the server with them.
    Resume([](Tab& old) { return old.suspended && (old.gone = !IsOpen(old)); });
    {
        const std::lock_guard lock(m_mutex);
        m_tabs.push_back(tab);
    }
    return Send(connection, MHD_HTTP_OK, response,
                {{"Content-Type", "text/event-stream"}, {"Cache-Control", "no-store"}});
}

ssize_t HttpPreviewServer::ReadStream(void* cls, uint64_t pos, char* buffer, size_t max)
{
    Tab& tab = *static_cast<Tab*>(cls);
    const std::lock_guard lock(tab.server->m_mutex);
    if (tab.gone)
        return MHD_CONTENT_READER_END_WITH_ERROR;
    const QByteArrayView event = pos == 0 ? ": open\n\n" : tab.reload ? "data: reload\n\n" : "";
    if (event.empty() || size_t(event.size()) > max) {
        // Nothing to send: the connection waits, out of the library's loop, until Reload.
        tab.suspended = true;
        MHD_suspend_connection(tab.connection);
        return 0;
    }
    tab.reload = tab.reload && pos == 0;
    std::memcpy(buffer, event.data(), size_t(event.size()));
    return event.size();
}

void HttpPreviewServer::CloseStream(void* cls)
{
    Tab* tab = static_cast<Tab*>(cls);
    {
        const std::lock_guard lock(tab->server->m_mutex);
        std::erase(tab->server->m_tabs, tab);
    }
    delete tab;
}

HttpPreviewServer::~HttpPreviewServer()
{
    // The library stops only when no connection is suspended.
    Resume([](Tab& tab) { return tab.gone = true; });
    for (const auto& site : m_sites)
        MHD_stop_daemon(site->daemon);
    for (const Folder& folder : m_folders)
        close(folder.fd);
}

bool HttpPreviewServer::Serve(const QString& folder, quint16 port, bool exact, QString* error)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    for (const Folder& served : m_folders)
        if (served.root == root)
            return true;
    const int fd = open(QFile::encodeName(root).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (root.isEmpty() || fd < 0) {
        *error = QCoreApplication::translate("PreviewServer", "%1 cannot be opened: %2")
                     .arg(folder, qt_error_string(errno));
        return false;
    }
    // The loopback address only: nothing beyond this machine can reach the server.
    for (int attempt = 0; attempt < (exact ? 1 : 32) && port + attempt <= 65535; ++attempt) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(port + attempt));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        auto site = std::make_unique<Site>(Site{this, fd, QByteArray::number(port + attempt)});
        errno = 0;
        site->daemon = MHD_start_daemon(
            MHD_USE_AUTO_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME, quint16(port + attempt),
            nullptr, nullptr, &HttpPreviewServer::Answer, site.get(), MHD_OPTION_SOCK_ADDR,
            &address, MHD_OPTION_CONNECTION_LIMIT, kConnections, MHD_OPTION_CONNECTION_MEMORY_LIMIT,
            kConnectionMemory, MHD_OPTION_CONNECTION_TIMEOUT, kIdleSeconds,
            MHD_OPTION_UNESCAPE_CALLBACK, &KeepEscaped, nullptr, MHD_OPTION_NOTIFY_CONNECTION,
            &MarkConnection, site.get(), MHD_OPTION_END);
        if (site->daemon) {
            m_folders.push_back({root, fd, quint16(port + attempt)});
            m_sites.push_back(std::move(site));
            return true;
        }
        *error = errno ? qt_error_string(errno)
                       : QCoreApplication::translate("PreviewServer", "the port cannot be used");
    }
    close(fd);
    return false;
}

bool HttpPreviewServer::IsShown(const QString& file) const
{
    const QString real = QFileInfo(file).canonicalFilePath();
    const std::lock_guard lock(m_mutex);
    for (const Tab* tab : m_tabs) {
        if (tab->file != real || tab->gone)
            continue;
        if (!tab->suspended || IsOpen(*tab))
            return true;
    }
    return false;
}

void HttpPreviewServer::Reload(const QString& file)
{
    const QString real = QFileInfo(file).canonicalFilePath();
    Resume([&real](Tab& tab) { return tab.reload = tab.reload || tab.file == real; });
}

void HttpPreviewServer::Resume(const std::function<bool(Tab&)>& wake)
{
    // Resumed outside the lock, so that no lock of ours is ever held while the library waits
    // for one of its own; a suspended connection stays the library's to close until then.
    std::vector<MHD_Connection*> resumed;
    {
        const std::lock_guard lock(m_mutex);
        for (Tab* tab : m_tabs)
            if (wake(*tab) && std::exchange(tab->suspended, false))
                resumed.push_back(tab->connection);
    }
    for (MHD_Connection* connection : resumed)
        MHD_resume_connection(connection);
}

}  // namespace

extern "C" Q_DECL_EXPORT PreviewServer* wendle_CreatePreviewServer(PreviewFileOpener open)
{
    return new HttpPreviewServer(open);
}
