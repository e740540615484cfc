#include "build/BatchWatch.h"

#include "build/PreviewServer.h"
#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/ProfileStore.h"
#include "services/Signals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <map>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What tells a changed file from the same file: which file the name reaches, and its size and
// times. A file that is not there has none.
struct Stamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{}, changed{};

    static Stamp Of(const QString& path)
    {
        struct stat status { };
        if (::stat(QFile::encodeName(path).constData(), &status) != 0)
            return {};
        return {true, status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
    }

    bool operator==(const Stamp& other) const
    {
        const auto same = [](const timespec& a, const timespec& b) {
            return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
        };
        return exists == other.exists && device == other.device && inode == other.inode
            && size == other.size && same(modified, other.modified) && same(changed, other.changed);
    }
};

class Watch {
public:
    using Built = std::function<void(const QString& page)>;

    Watch(const BatchBuild& batch, const ProfileStore& profile, Built built)
        : m_batch(batch), m_profile(profile), m_built(std::move(built)), m_stored(StoredTemplate())
    {
        for (int i = 0; i < batch.paths.size(); ++i)
            Track(batch.paths[i], i, false);
        TrackTemplates();
        Rewatch();
        m_settle.setSingleShot(true);
        m_settle.setInterval(100);
        QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, [this](const QString& path) {
            m_touched.insert(path);
            m_settle.start();
        });
        QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged,
                         [this] { m_settle.start(); });
        QObject::connect(&m_settle, &QTimer::timeout, [this] { Rebuild(); });
    }

private:
    struct File {
        Stamp stamp;
        std::set<int> projects;
        bool isTemplate = false;
    };

    void Track(const QString& path, int project, bool isTemplate)
    {
        File& file = m_files[QDir::cleanPath(path)];
        file.stamp = Stamp::Of(path);
        file.projects.insert(project);
        file.isTemplate = isTemplate;
    }

    QByteArray StoredTemplate() const
    {
        return m_profile.Read(kTemplateSection, kTemplateEntry, kNoTemplate);
    }

    // The template of each project, as the profile names it now (or --template).
    void TrackTemplates()
    {
        std::erase_if(m_files, [](const auto& entry) { return entry.second.isTemplate; });
        for (int i = 0; i < m_batch.paths.size(); ++i) {
            const QString folder = QFileInfo(m_batch.paths[i]).absolutePath();
            const QString path = TemplatePathFor(m_batch.templateFile, m_stored, folder);
            if (!path.isEmpty())
                Track(path, i, true);
        }
    }

    // Editors that save by renaming a new file over the old one end a watch on the file, and a
    // folder removed and made again (a checkout, an unpacked archive) ends the watch on the
    // folder. So the folders are watched as well as the files; a folder that is gone is waited
    // for in the nearest folder above it that is there, and everything is watched again once
    // it is back. The profile's folder and file are watched too, when the profile names the
    // template.
    void Rewatch()
    {
        QSet<QString> folders;
        if (m_batch.templateFile.isEmpty())
            folders.insert(QFileInfo(m_profile.path()).absolutePath());
        for (const auto& [path, file] : m_files)
            folders.insert(QFileInfo(path).absolutePath());
        // Sets, for a site of many projects asks this of every file at each rebuild.
        const QStringList dirs = m_watcher.directories(), files = m_watcher.files();
        const QSet<QString> watchedDirs(dirs.begin(), dirs.end());
        const QSet<QString> watchedFiles(files.begin(), files.end());
        for (QString folder : folders) {
            while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot())
                folder = QFileInfo(folder).absolutePath();
            if (!watchedDirs.contains(folder))
                m_watcher.addPath(folder);
        }
        for (const auto& [path, file] : m_files)
            if (file.stamp.exists && !watchedFiles.contains(path))
                m_watcher.addPath(path);
        // The profile itself too: a script or an editor that writes it in place changes no
        // folder.
        if (m_batch.templateFile.isEmpty() && !watchedFiles.contains(m_profile.path())
            && QFileInfo::exists(m_profile.path()))
            m_watcher.addPath(m_profile.path());
    }

    void Rebuild()
    {
        // Watches first, so that a change made while this runs is seen by the next round.
        Rewatch();
        std::set<int> changed;
        const QByteArray stored = m_batch.templateFile.isEmpty() ? StoredTemplate() : m_stored;
        if (stored != m_stored) {
            // Another template chosen in the window: every page is now built from it.
            m_stored = stored;
            TrackTemplates();
            for (int i = 0; i < m_batch.projects.size(); ++i)
                changed.insert(i);
        }
        for (auto& [path, file] : m_files) {
            const Stamp now = Stamp::Of(path);
            if (!now.exists && file.stamp.exists)
                ReportFailure(
                    QCoreApplication::translate("BatchWatch",
                                                "It was removed; its pages are rebuilt when it "
                                                "is back."),
                    QDir::toNativeSeparators(path));
            // An event for the file itself counts even when its stamp looks the same: two
            // writes within one tick of the file system's clock leave the same times.
            if (now.exists && (!(now == file.stamp) || m_touched.count(path)))
                changed.insert(file.projects.begin(), file.projects.end());
            file.stamp = now;
        }
        m_touched.clear();
        Rewatch();
        // A project whose template is gone waits for it rather than failing at every change.
        BatchBuild again = m_batch;
        again.projects.clear();
        again.paths.clear();
        for (const int project : changed)
            if (AllPresent(project)) {
                again.projects << m_batch.projects[project];
                again.paths << m_batch.paths[project];
            }
        if (!again.projects.isEmpty())
            RunBatchBuild(again, m_profile, m_built);
        std::fflush(stdout);
    }

    bool AllPresent(int project) const
    {
        for (const auto& [path, file] : m_files)
            if (file.projects.count(project) && !file.stamp.exists)
                return false;
        return true;
    }

    const BatchBuild& m_batch;
    const ProfileStore& m_profile;
    Built m_built;
    QByteArray m_stored;  // the template's name in the profile, as last read
    std::map<QString, File> m_files;  // projects and templates, by path
    std::set<QString> m_touched;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

}  // namespace

int RunBatchWatch(const BatchBuild& batch, const ProfileStore& profile)
{
    // Ctrl-C, SIGTERM and SIGHUP (its terminal closed) end the run once the build in progress
    // is done.
    QObject quitter;
    QSocketNotifier* stop = NotifyOnSignals({SIGINT, SIGTERM, SIGHUP}, &quitter);
    if (!stop)
        return 1;
    QObject::connect(stop, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });

    // The server is up before the first build, so that every address printed answers.
    std::unique_ptr<PreviewServer> server;
    std::set<QString> announced;
    Watch::Built built;
    if (batch.serve) {
        QString error;
        const quint16 port = quint16(batch.port ? batch.port : kPreviewPort);
        server = PreviewServer::Load(&error);
        // The current folder is the site's root; one that was removed has none, and says so.
        if (!server || !server->Serve(CurrentFolder(), port, batch.port != 0, &error)) {
            //: %1 is a port number, %2 the reason.
            ReportFailure(
                QCoreApplication::translate("BatchWatch", "Cannot serve on 127.0.0.1:%1: %2.")
                    .arg(port)
                    .arg(error));
            return 1;
        }
        built = [&](const QString& page) {
            server->Reload(page);
            if (!announced.insert(page).second)
                return;
            const QUrl url = server->UrlFor(page);
            if (url.isValid())
                //: %1 is the address where the page is served.
                std::printf("%s\n",
                            qPrintable(QCoreApplication::translate("BatchWatch", "preview: %1")
                                           .arg(QString::fromLatin1(url.toEncoded()))));
            else if (IsInFolder(page, server->Root()))
                std::printf(
                    "%s\n",
                    qPrintable(QCoreApplication::translate(
                                   "BatchWatch", "not served: %1 is hidden, or in a hidden folder")
                                   .arg(Printable(page))));
            else
                //: %1 is the page, %2 the folder that is served.
                std::printf("%s\n",
                            qPrintable(QCoreApplication::translate("BatchWatch",
                                                                   "not served: %1 is outside %2")
                                           .arg(Printable(page), Printable(server->Root()))));
        };
    }
    // Watching starts before the first build, so that no save during it goes unseen.
    Watch watch(batch, profile, built);
    RunBatchBuild(batch, profile, built);
    std::fflush(stdout);
    QCoreApplication::exec();
    return 0;
}
