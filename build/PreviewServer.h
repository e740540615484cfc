#pragma once

#include <QByteArrayView>
#include <QString>
#include <QUrl>

#include <memory>

// The port a preview is served on when none is named; the next free one is taken when another
// program has it, so that a bookmark mostly keeps working.
inline constexpr quint16 kPreviewPort = 8462;

// The file that a request's path (as sent, percent-encoded) names in the served folder `root`,
// links followed; empty when there is none that may be served. Only a regular file that really
// lies in `root` or a folder below it is served, never a hidden one (a name that starts with a
// dot: .git, .env, Wendle's temporary files) nor a folder; a path holding "..", "//", a
// backslash or a NUL byte, in any encoding, names nothing.
QString PreviewFileFor(const QString& root, QByteArrayView path);

// A local web server that shows built pages in the user's browser and makes every tab that
// shows a page reload when the page is built again. It answers on 127.0.0.1 only, only GET and
// HEAD, only requests whose Host names this server by its address (so that no foreign page can
// read through DNS rebinding), with no CORS headers. HTML pages carry a small script, added on
// the way out, that listens on an event stream for "reload".
class PreviewServer {
public:
    // The server lives in a module of its own (libwendle_preview.so, beside the program or in
    // ../libexec/wendle/), loaded on first use: Qt's network libraries would otherwise be loaded
    // at every start of the window. Empty, with the reason in `error`, when it cannot be.
    static std::unique_ptr<PreviewServer> Load(QString* error);

    virtual ~PreviewServer() = default;

    // Listens on `port`, or with `exact` false on the first free port from `port` on. False
    // with the system's reason in `error` when it cannot.
    virtual bool Listen(quint16 port, bool exact, QString* error) = 0;
    // Whether a browser tab shows the file now.
    virtual bool IsShown(const QString& file) const = 0;
    // Every tab that shows the file reloads it.
    virtual void Reload(const QString& file) = 0;

    quint16 Port() const { return m_port; }
    void SetRoot(const QString& folder);
    const QString& Root() const { return m_root; }
    // The address of a file in the served folder; invalid for a file that is not served.
    QUrl UrlFor(const QString& file) const;

protected:
    QString m_root;
    quint16 m_port = 0;
};

// The module's one entry point. It is handed PreviewFileFor, so that the module holds no copy of
// the rule that decides what may be served.
using PreviewFileMap = QString (*)(const QString& root, QByteArrayView path);
using CreatePreviewServer = PreviewServer* (*)(PreviewFileMap fileFor);
inline constexpr char kCreatePreviewServer[] = "wendle_CreatePreviewServer";
