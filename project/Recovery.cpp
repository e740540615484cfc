#include "project/Recovery.h"

#include "services/Errors.h"
#include "services/FileAccess.h"
#include "services/WindowText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <map>
#include <new>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A description holds a few hundred bytes; anything far larger is not one.
constexpr qint64 kMaxDescription = 1 << 16;

QByteArray Path(const QString& path)
{
    return QFile::encodeName(path);
}

// The names as base64, so that their bytes come back exactly, whatever their encoding.
QByteArray InfoJson(const RecoveryInfo& info)
{
    return QJsonDocument(
               QJsonObject{
                   {"projectNameBytes",
                    QString::fromLatin1(info.files.m_strProjectName.toBase64())},
                   {"projectFolder", info.files.m_strProjectFolder},
                   {"outputNameBytes", QString::fromLatin1(info.files.m_strOutputName.toBase64())},
                   {"outputFolder", info.files.m_strOutputFolder},
                   {"outputFromProject", info.files.m_bOutputFromProject},
                   {"projectDigest", QString::fromLatin1(info.files.m_projectDigest.toHex())},
                   {"saved", info.saved.toString(Qt::ISODateWithMs)},
               })
        .toJson();
}

// A name from its base64 form, or from the plain text an earlier Wendle wrote.
QByteArray NameFrom(const QJsonObject& object, const QString& key)
{
    const QJsonValue bytes = object.value(key + "Bytes");
    if (bytes.isString())
        return QByteArray::fromBase64(bytes.toString().toLatin1());
    return QFile::encodeName(object.value(key).toString());
}

RecoveryInfo InfoFrom(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    const QDateTime saved =
        QDateTime::fromString(object.value("saved").toString(), Qt::ISODateWithMs);
    const auto damaged = [] {
        //: "It" is a recovery copy of the window's typing.
        return CommandError(
            QCoreApplication::translate("RecoveryCopy", "Its description is damaged."));
    };
    if (error.error != QJsonParseError::NoError || !saved.isValid())
        throw damaged();
    // An earlier Wendle kept a hash that differs between builds: not known, rather than wrong.
    const RecoveryInfo info{
        {NameFrom(object, "projectName"), object.value("projectFolder").toString(),
         NameFrom(object, "outputName"), object.value("outputFolder").toString(),
         object.value("outputFromProject").toBool(),
         QByteArray::fromHex(object.value("projectDigest").toString().toLatin1())},
        saved};
    // A window keeps its folders absolute; a name resolved against the current folder would
    // be saved or built wherever the next file prompt leaves it, not where the question said.
    for (const auto& [name, folder] :
         {std::pair(&info.files.m_strProjectName, &info.files.m_strProjectFolder),
          std::pair(&info.files.m_strOutputName, &info.files.m_strOutputFolder)})
        if (!name->isEmpty() && !QDir::isAbsolutePath(*folder)
            && !QDir::isAbsolutePath(TextFromBytes(*name)))
            throw damaged();
    return info;
}

// Removes a file; the system's reason when it stays, nothing when it is gone.
QString Unlink(const QString& path)
{
    return ::unlink(Path(path).constData()) == 0 || errno == ENOENT ? QString()
                                                                    : qt_error_string(errno);
}

// The copy's other files: its description and the temporary files of writes cut short.
void RemoveLeftovers(const QString& stem)
{
    Unlink(stem + ".json");
    const QFileInfo file(stem);
    const QDir dir = file.dir();
    for (const QString& temp :
         dir.entryList({'.' + file.fileName() + ".*"}, QDir::Files | QDir::Hidden | QDir::System))
        Unlink(dir.filePath(temp));
}

// Whether `path` still names the file open at `fd`.
bool StillNamed(int fd, const QString& path)
{
    struct stat held {
    }, named{};
    return ::fstat(fd, &held) == 0 && ::lstat(Path(path).constData(), &named) == 0
        && named.st_ino == held.st_ino && named.st_dev == held.st_dev;
}

// The lock of the copy named by `stem`, opened without following a link or blocking.
int OpenLock(const QString& stem, int flags)
{
    return ::open(Path(stem + ".lock").constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                  0600);
}

// The mark of a damaged copy in the list of copies done with.
const QString kAside = QStringLiteral(":aside");

QString AsidePath(const QString& stem)
{
    const QFileInfo file(stem);
    return file.dir().filePath("damaged-" + file.fileName() + ".wendle");
}

// A damaged copy renamed, with its description, so that it is never read again; the reason
// when it cannot be.
QString MoveAside(RecoveryClaim& claim)
{
    const QString stem = claim.stem();
    const QString aside = AsidePath(stem);
    if (::rename(Path(stem + ".wendle").constData(), Path(aside).constData()) != 0)
        return qt_error_string(errno);
    QFile::rename(stem + ".json", aside.chopped(int(qstrlen(".wendle"))) + ".json");
    claim.Delete();
    return {};
}

}  // namespace

std::shared_ptr<RecoveryClaim> RecoveryClaim::Take(const QString& stem)
{
    QString locked = stem + ".lock";
    int fd = OpenLock(stem, O_RDWR | O_CREAT);
    // In a folder that cannot be written no window can be writing a copy either; one whose
    // lock is missing there is held by a lock on the copy itself, so that two starts cannot
    // both restore it.
    if (fd < 0 && (errno == EROFS || errno == EACCES)) {
        fd = OpenLock(stem, O_RDONLY);
        if (fd < 0 && errno == ENOENT) {
            locked = stem + ".wendle";
            fd = ::open(Path(locked).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                return std::shared_ptr<RecoveryClaim>(new RecoveryClaim(stem, -1));
        }
    }
    if (fd < 0)
        return nullptr;
    auto claim = std::shared_ptr<RecoveryClaim>(new RecoveryClaim(stem, fd));
    // Locked, and still the file of that name: a window that deletes a copy removes its lock
    // while it holds it, so a lock taken on a file that is gone claims nothing.
    struct stat held { };
    if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode) || ::flock(fd, LOCK_EX | LOCK_NB) != 0
        || !StillNamed(fd, locked))
        return nullptr;
    return claim;
}

RecoveryClaim::~RecoveryClaim()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString RecoveryClaim::Delete()
{
    const QString reason = Unlink(m_stem + ".wendle");
    if (!reason.isEmpty())
        return reason;
    RemoveLeftovers(m_stem);
    Unlink(m_stem + ".lock");
    return {};
}

QString RecoveryFolder()
{
    // A relative path is ignored, as the XDG rules require: it would move with the current
    // folder, which every file prompt changes.
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    return QDir(QDir::isAbsolutePath(state) ? state : QDir::home().filePath(".local/state"))
        .filePath("wendle/recovery");
}

RecoveryCopy::RecoveryCopy(QString folder)
    : m_stem(QDir(folder).filePath(QStringLiteral("window-%1-%2")
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(QDateTime::currentMSecsSinceEpoch())))
{
    connect(&m_watcher, &QFutureWatcher<Outcome>::finished, this, [this] {
        const Outcome outcome = m_watcher.result();
        if (!outcome.error.isEmpty())
            emit failed(outcome.error);
        if (!outcome.stuck.isEmpty())
            emit stuck(outcome.stuck);
        if (m_due)
            Start(*std::exchange(m_due, std::nullopt));
    });
}

RecoveryCopy::~RecoveryCopy()
{
    Drop();
}

void RecoveryCopy::Start(Job job)
{
    // A request made while a write runs (or waits for a thread) replaces any that waits: the
    // newest fields count. The watcher counts as finished once its `finished` was handled.
    if (!m_watcher.isFinished()) {
        m_due = std::move(job);
        return;
    }
    m_watcher.setFuture(
        QtConcurrent::run(Workers(), [this, job = std::move(job)] { return Run(job); }));
}

QThreadPool* RecoveryCopy::Workers()
{
    // Not Qt's global pool: Qt 6.4 paints on that one, and a write held by a slow disk would
    // hold the window's painting with it.
    static QThreadPool* const pool = [] {
        auto* workers = new QThreadPool(QCoreApplication::instance());
        workers->setMaxThreadCount(1);
        return workers;
    }();
    return pool;
}

void RecoveryCopy::Write(const Fields& fields, const RecoveryInfo& info)
{
    Start(std::pair(fields, info));
}

void RecoveryCopy::Remove()
{
    Start(std::nullopt);
}

QString RecoveryCopy::WriteNow(const Fields& fields, const RecoveryInfo& info)
{
    m_watcher.waitForFinished();
    m_due.reset();
    const Outcome outcome = Run(std::pair(fields, info));
    return outcome.error;
}

QString RecoveryCopy::Drop()
{
    m_watcher.waitForFinished();
    m_due.reset();
    const QString stuck = DropCopies();
    if (m_lock >= 0) {
        Unlink(m_stem + ".lock");
        ::close(std::exchange(m_lock, -1));
    }
    return stuck;
}

void RecoveryCopy::Adopt(std::shared_ptr<RecoveryClaim> earlier)
{
    m_watcher.waitForFinished();
    m_earlier = std::move(earlier);
}

RecoveryCopy::Outcome RecoveryCopy::Run(const Job& job)
{
    // Typed and deleted again: nothing would be lost.
    if (!job
        || (!job->first.unsaved && SameFieldText(job->first.title, job->first.keptTitle)
            && SameFieldText(job->first.text, job->first.keptText)))
        return {{}, DropCopies()};
    const QString error = Store(job->first, job->second);
    // This window's own copy is on the disk now, so the one it was restored from can go.
    return {error, error.isEmpty() ? DropEarlier() : QString()};
}

QString RecoveryCopy::Store(const Fields& fields, const RecoveryInfo& info)
{
    try {
        // A lock removed with its folder (a state folder cleaned up) holds nothing: the folder
        // and the lock are made again, or no copy could be written from then on.
        if (m_lock >= 0 && !StillNamed(m_lock, m_stem + ".lock"))
            ::close(std::exchange(m_lock, -1));
        if (m_lock < 0) {
            if (!QDir().mkpath(QFileInfo(m_stem).absolutePath()))
                throw FileError(
                    FileError::Action::Write, QFileInfo(m_stem).absolutePath(),
                    QCoreApplication::translate("RecoveryCopy", "The folder cannot be made"));
            m_lock = OpenLock(m_stem, O_RDWR | O_CREAT);
            if (m_lock >= 0 && ::flock(m_lock, LOCK_EX | LOCK_NB) != 0)
                ::close(std::exchange(m_lock, -1));  // taken by a start looking at the folder
            if (m_lock < 0)
                throw FileError(FileError::Action::Write, m_stem + ".lock", qt_error_string(errno));
        }
        // The description first: a copy is only offered once both are there.
        OutputFile::WriteWhole(m_stem + ".json", InfoJson(info), OutputFile::Links::Replace);
        OutputFile copy(m_stem + ".wendle", OutputFile::Links::Replace);
        WriteProject(copy,
                     {fields.title.toUtf8(), BytesFromFieldText(fields.text),
                      info.files.m_strOutputName, fields.format, fields.laterEntries,
                      fields.laterBlock});
        copy.Commit();
        return {};
    } catch (const CommandError& error) {
        return error.message();
    }
}

QString RecoveryCopy::DropCopies()
{
    Unlink(m_stem + ".wendle");
    Unlink(m_stem + ".json");
    return DropEarlier();
}

QString RecoveryCopy::DropEarlier()
{
    if (!m_earlier)
        return {};
    const std::shared_ptr<RecoveryClaim> earlier = std::exchange(m_earlier, nullptr);
    return earlier->Delete().isEmpty() ? QString() : QFileInfo(earlier->stem()).fileName();
}

LeftCopies RecoveryCopy::Left(const QString& folder, const QStringList& done)
{
    LeftCopies left;
    const QDir dir(folder);
    // Every file of a window: its copy, description and lock, and temporary files (".NAME.*").
    static const QRegularExpression kWindowFile(
        QStringLiteral(R"(^\.?(window-\d+-\d+)\.(wendle|json|lock)(\.[^.]+)?$)"));
    std::map<QString, bool> stems;  // the name -> a copy is there
    for (const QString& name :
         dir.entryList({"window-*", ".window-*"}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = kWindowFile.match(name);
        if (match.hasMatch())
            stems[match.captured(1)] |= name.endsWith(".wendle");
    }
    for (const auto& [name, hasCopy] : stems) {
        const QString stem = dir.filePath(name);
        // Done already: restored or discarded (removed when it can be), or damaged (moved
        // aside when it can be); either way never offered.
        const QString doneAs = done.contains(name + kAside) ? name + kAside
            : done.contains(name)                           ? name
                                                            : QString();
        const std::shared_ptr<RecoveryClaim> claim = RecoveryClaim::Take(stem);
        if (!claim || !hasCopy || !doneAs.isEmpty()) {
            // A running window's, or claimed by another start; else what a window left behind.
            const bool stays = !claim
                || !(doneAs.endsWith(kAside) ? MoveAside(*claim) : claim->Delete()).isEmpty();
            if (stays && !doneAs.isEmpty())
                left.stuck << doneAs;
            continue;
        }
        const QString path = stem + ".wendle";
        QString error;
        try {
            InputFile file(path, InputFile::Links::Refuse);
            RecoveredWork work{path, ReadProject(file), {}, claim};
            InputFile description(stem + ".json", InputFile::Links::Refuse);
            if (description.Length() > kMaxDescription)
                throw FileError(FileError::Action::Read, description.path(),
                                QCoreApplication::translate("RecoveryCopy",
                                                            "It is too large to be a description"));
            work.info = InfoFrom(description.ReadAll());
            left.work.push_back(std::move(work));
            continue;
        } catch (const CommandError& failed) {
            error = failed.message();
        } catch (const std::bad_alloc&) {
            // A copy as large as a project may be (4 GiB) under a limit on memory: it must not
            // end every start.
            //: "It" is a recovery copy of the window's typing.
            error = QCoreApplication::translate("RecoveryCopy",
                                                "It does not fit in the memory Wendle may use.");
        }
        // Moved aside, never deleted unasked, and never read again. The path is a line of its
        // own, isolated, so that a sentence written right to left leaves it in its order.
        QString said = QStringLiteral("%1\n\u2068%2\u2069\n").arg(error, path);
        const QString reason = MoveAside(*claim);
        if (reason.isEmpty()) {
            said += QCoreApplication::translate("RecoveryCopy", "It was moved aside to %1.")
                        .arg(AsidePath(stem));
        } else {
            said += QCoreApplication::translate(
                        "RecoveryCopy",
                        "It cannot be moved aside (%1), so it stays where it is, "
                        "and it will not be read again.")
                        .arg(reason);
            left.stuck << name + kAside;
        }
        left.damaged << said;
    }
    std::sort(
        left.work.begin(), left.work.end(),
        [](const RecoveredWork& a, const RecoveredWork& b) { return a.info.saved > b.info.saved; });
    return left;
}
