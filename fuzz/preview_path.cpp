// The preview server's map from a request's path to a file, on arbitrary bytes: whatever comes
// in, the answer is an open regular file in the served folder or below it and not hidden, or none.
// The folder holds the ways out that a site can have: a link to a file outside, a link to the
// folder above, a link to a hidden file, hidden files and folders, a FIFO that would block.
#include "build/PreviewServer.h"
#include "fuzz/FuzzInput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Site {
    QTemporaryDir dir;
    QString root = dir.filePath("site");
    int fd = -1;

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
        mkfifo(QFile::encodeName(root + "/f.html").constData(), 0600);
        root = QFileInfo(root).canonicalFilePath();
        fd = open(QFile::encodeName(root).constData(), O_PATH | O_DIRECTORY);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Site site;
    const PreviewFile file = OpenPreviewFile(
        site.fd, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (file.fd < 0)
        return 0;
    struct stat status { };
    const QString relative = QDir(site.root).relativeFilePath(file.path);
    FUZZ_CHECK(fstat(file.fd, &status) == 0 && S_ISREG(status.st_mode));
    FUZZ_CHECK(file.path.startsWith(site.root + '/') && QFileInfo(file.path).isFile());
    FUZZ_CHECK(!relative.startsWith('.') && !relative.contains(QStringLiteral("/.")));
    close(file.fd);
    return 0;
}
