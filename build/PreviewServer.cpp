#include "build/PreviewServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool HasHiddenPart(const QString& relative)
{
    for (const QString& part : relative.split(QLatin1Char('/')))
        if (part.startsWith(QLatin1Char('.')))
            return true;
    return false;
}

// The path a descriptor reaches now, as the kernel keeps it.
QString PathOf(int fd)
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink(
        QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), buffer, sizeof buffer);
    return length > 0 && length < ssize_t(sizeof buffer)
        ? QFile::decodeName(QByteArray(buffer, length))
        : QString();
}

}  // namespace

PreviewFile OpenPreviewFile(int folder, QByteArrayView path)
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
    // One open, below the folder's descriptor: the kernel refuses every step, by ".." or by a
    // link, that would leave the folder, and the magic links of /proc. Non-blocking, so that a
    // FIFO cannot stop the server. glibc 2.36 has no wrapper for openat2.
    open_how how{};
    how.flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    PreviewFile file;
    file.fd = int(syscall(SYS_openat2, folder, decoded.constData() + 1, &how, sizeof how));
    const QString root = PathOf(folder);
    if (file.fd < 0 && (errno == EXDEV || errno == ELOOP) && !root.isEmpty()) {
        // An absolute link (or a /proc one) is refused even when it leads back inside: the
        // path is resolved once, and what lies inside is opened again beneath the folder, so
        // that a swap in between can only reach another file inside it.
        const QString real = QFileInfo(root + QFile::decodeName(decoded)).canonicalFilePath();
        if (real.startsWith(root + QLatin1Char('/')))
            file.fd = int(syscall(SYS_openat2, folder,
                                  QFile::encodeName(real.mid(root.size() + 1)).constData(), &how,
                                  sizeof how));
    }
    if (file.fd < 0)
        return {};
    // What was opened is checked, not the name: a regular file, not hidden where it really is
    // (a link inside the folder may lead to .env).
    struct stat status { };
    file.path = PathOf(file.fd);
    if (fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode) || root.isEmpty()
        || !file.path.startsWith(root + QLatin1Char('/'))
        || HasHiddenPart(file.path.mid(root.size() + 1)) || fcntl(file.fd, F_SETFL, 0) != 0) {
        close(file.fd);
        return {};
    }
    file.size = status.st_size;
    return file;
}

std::unique_ptr<PreviewServer> PreviewServer::Load(QString* error)
{
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& path :
         {folder + QStringLiteral("/libwendle_preview.so"),
          folder + QStringLiteral("/../libexec/wendle/libwendle_preview.so")}) {
        QLibrary module(path);
        if (!QFileInfo::exists(path))
            continue;
        if (const auto create = CreatePreviewServer(module.resolve(kCreatePreviewServer)))
            return std::unique_ptr<PreviewServer>(create(OpenPreviewFile));
        *error = module.errorString();
        return nullptr;
    }
    *error =
        QCoreApplication::translate(
            "PreviewServer", "The preview module libwendle_preview.so is not installed beside %1.")
            .arg(QCoreApplication::applicationFilePath());
    return nullptr;
}

QUrl PreviewServer::UrlFor(const QString& file) const
{
    const QString real = QFileInfo(file).canonicalFilePath();
    const Folder* innermost = nullptr;
    for (const Folder& folder : m_folders)
        if (real.startsWith(folder.root + QLatin1Char('/'))
            && (!innermost || folder.root.size() > innermost->root.size()))
            innermost = &folder;
    if (!innermost)
        return {};
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(QStringLiteral("127.0.0.1"));
    url.setPort(innermost->port);
    url.setPath(real.mid(innermost->root.size()));
    const PreviewFile served =
        OpenPreviewFile(innermost->fd, url.path(QUrl::FullyEncoded).toUtf8());
    if (served.fd >= 0)
        close(served.fd);
    return served.path == real ? url : QUrl();
}
