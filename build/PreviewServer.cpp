#include "build/PreviewServer.h"

#include "services/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

namespace {

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
            return std::unique_ptr<PreviewServer>(create(PreviewFileFor));
        *error = module.errorString();
        return nullptr;
    }
    *error = QStringLiteral("The preview module libwendle_preview.so is not installed beside %1.")
                 .arg(QCoreApplication::applicationFilePath());
    return nullptr;
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
