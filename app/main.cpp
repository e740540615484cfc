#include "app/Translations.h"
#include "app/WendleApp.h"

#include "version.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {
CWendleApp theApp;

// A descriptor 0, 1 or 2 left closed by the caller (a cron job, a daemon) would be given to the
// first file opened, and messages would go into a page. Each is opened on /dev/null, as gnulib's
// stdopen does: standard input for writing and the outputs for reading, so that using one
// still fails, and says so, rather than appearing to succeed.
void OpenClosedStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
        if (opened != fd)
            std::_Exit(1);  // nothing safe is left to do without the descriptor
    }
}

// The last of standard output written and closed, as coreutils' close_stdout checks: a write
// that failed (a full disk, a closed pipe) turns a success into exit status 1, with a message.
int CloseStandardOutput(int status)
{
    const bool failed = std::ferror(stdout) != 0;
    errno = 0;
    const bool closeFailed = std::fclose(stdout) != 0;
    if ((!failed && !closeFailed) || status != 0)
        return status;
    const int error = errno;
    std::fprintf(
        stderr, "wendle: %s\n",
        qPrintable(
            error ? QCoreApplication::translate("CWendleApp", "write error on standard output: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(error)))
                  : QCoreApplication::translate("CWendleApp", "write error on standard output")));
    return 1;
}
}  // namespace

int main(int argc, char* argv[])
{
    OpenClosedStandardStreams();
    const std::unique_ptr<QCoreApplication> app = CWendleApp::CreateApplication(argc, argv);
    if (!app)
        return 1;
    InstallTranslations();
    QCoreApplication::setApplicationName(QStringLiteral("wendle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WENDLE_VERSION));
    return CloseStandardOutput(theApp.Run());
}
