#pragma once

#include <QByteArrayView>
#include <QString>
#include <QUrl>

#include <memory>
#include <vector>

// The port a preview is served on when none is named; the next free one is taken when another
// program has it, so that a bookmark mostly keeps working.
inline constexpr quint16 kPreviewPort = 8462;

// A file opened to be served: `fd` open for reading (the caller's to close), or -1 when there is
// none that may be served; `path` the real path of the file that was opened, `size` its size.
struct PreviewFile {
    int fd = -1;
    QString path;
    qint64 size = 0;
};

// Opens the file that a request's path (as sent, percent-encoded) names in the served folder
// open as `folder`. The file is opened once and what was opened is checked, so that nothing
// swapped in meanwhile is served: only a regular file that lies in the folder or below it, by
// links that never leave it, and never a hidden one (a name that starts with a dot: .git, .env,
// Wendle's temporary files) nor a folder, FIFO or device. A path holding "..", "//", a backslash
// or a NUL byte, in any encoding, names nothing.
PreviewFile OpenPreviewFile(int folder, QByteArrayView path);

// A local web server that shows built pages in the user's browser and makes every tab that
// shows a page reload when the page is built again. Each folder is served on a port of its own,
// so that a page keeps its address whatever is previewed later. It answers on 127.0.0.1 only,
// only to programs of the user who started it (or root's; any other account gets 403 alone),
// only GET and HEAD, only requests whose Host names this server by its address (so that no
// foreign page can read through DNS rebinding), with no CORS headers. HTML pages load a small
// script of the server's own that listens on an event stream for "reload".
class PreviewServer {
public:
    // The server lives in a module of its own (libwendle_preview.so, beside the program or in
    // ../libexec/wendle/), loaded on first use: the HTTP library would otherwise be loaded at
    // every start of the window. Empty, with the reason in `error`, when it cannot be.
    static std::unique_ptr<PreviewServer> Load(QString* error);

    // Inline, as the module cannot reach the program's symbols.
    virtual ~PreviewServer() = default;

    // Serves `folder` on `port`, or with `exact` false on the first free port from `port` on;
    // a folder served already keeps its port. False with the reason in `error` when it cannot.
    virtual bool Serve(const QString& folder, quint16 port, bool exact, QString* error) = 0;
    // Whether a browser tab shows the file now.
    virtual bool IsShown(const QString& file) const = 0;
    // Every tab that shows the file reloads it.
    virtual void Reload(const QString& file) = 0;

    // The folder served last.
    QString Root() const { return m_folders.empty() ? QString() : m_folders.back().root; }
    // The address of a file in the innermost served folder that holds it; invalid for a file
    // that is not served.
    QUrl UrlFor(const QString& file) const;

protected:
    struct Folder {
        QString root;  // its real path
        int fd;  // open for OpenPreviewFile
        quint16 port;
    };
    std::vector<Folder> m_folders;
};

// The module's one entry point. It is handed OpenPreviewFile, so that the module holds no copy
// of the rule that decides what may be served.
using PreviewFileOpener = PreviewFile (*)(int folder, QByteArrayView path);
using CreatePreviewServer = PreviewServer* (*)(PreviewFileOpener open);
inline constexpr char kCreatePreviewServer[] = "wendle_CreatePreviewServer";
