// The preview server's map from a request's path to a file, on arbitrary bytes: whatever comes
// in, the answer is a regular file in the served folder or below it and not hidden, or none.
// The folder holds the ways out that a site can have: a link to a file outside, a link to the
// folder above, a link to a hidden file, hidden files and folders.
#include "build/PreviewServer.h"
#include "fuzz/FuzzInput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

struct Site {
    QTemporaryDir dir;
    QString root = dir.filePath("site");

    Site()
    {
        QDir(dir.path()).mkpath("site/sub/.git");
        for (const char* name : {"secret", "site/p.html", "site/.env", "site/sub/.git/config"})
            QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        for (const auto& [target, link] : {std::pair{"../secret", "out.html"},
                                           {"..", "up"},
                                           {".env", "e.html"},
                                           {"sub/.git", "g"}})
            QFile::link(target, root + '/' + link);
        root = QFileInfo(root).canonicalFilePath();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Site site;
    const QString file = PreviewFileFor(
        site.root, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (file.isEmpty())
        return 0;
    const QString relative = QDir(site.root).relativeFilePath(file);
    FUZZ_CHECK(file.startsWith(site.root + '/') && QFileInfo(file).isFile());
    FUZZ_CHECK(!relative.startsWith('.') && !relative.contains(QStringLiteral("/.")));
    return 0;
}
