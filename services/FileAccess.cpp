#include "services/FileAccess.h"

#include "services/Errors.h"
#include "services/Signals.h"
#include "services/WindowText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <map>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString CurrentFolder(const QString& name)
{
    QString folder = QDir::currentPath();
    if (!folder.isEmpty())
        return folder;
    if (name.isEmpty())
        throw CommandError(QCoreApplication::translate(
            "FileAccess",
            "The current folder has been removed. Nothing was read or written; change to a "
            "folder that is there."));
    //: %1 is a file name without a folder, as typed.
    throw CommandError(QCoreApplication::translate(
                           "FileAccess",
                           "The name %1 leads nowhere: the current folder it is taken from has "
                           "been removed. Nothing was read or written; change to a folder that "
                           "is there, or give the full path.")
                           .arg(name));
}

QString AbsolutePath(const QString& name, const QString& folder)
{
    if (HoldsEscapedBytes(name))
        //: %1 is a file name as typed, each byte that is not UTF-8 shown as \xNN.
        throw CommandError(
            QCoreApplication::translate("FileAccess",
                                        "The name %1 is not UTF-8, and Wendle takes file names "
                                        "in UTF-8 only, so that no name can reach another "
                                        "file. Nothing was read or written; rename the file.")
                .arg(ShownEscaped(name)));
    if (QDir::isAbsolutePath(name))
        return QDir::cleanPath(name);
    return QDir::cleanPath(
        QDir(folder.isEmpty() ? CurrentFolder(name) : folder).absoluteFilePath(name));
}

QString ResolveFileName(const QByteArray& name, const QString& folder)
{
    // Names follow the fields' rule, so that a page named on Windows keeps its accents.
    return name.isEmpty() ? QString() : AbsolutePath(TextFromBytes(name), folder);
}

bool HasFolderPart(const QByteArray& name)
{
    // A backslash counts too: a project written on Windows separates folders with it.
    return name.contains('/') || name.contains('\\') || name == "." || name == "..";
}

QString WriteTarget(const QString& path)
{
    struct stat status { };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    // Each link's target taken relative to the link's folder, up to a file that need not exist.
    QFileInfo file(path);
    for (int depth = 128; file.isSymLink(); file.setFile(file.symLinkTarget())) {
        if (--depth == 0)
            return path;
    }
    return file.filePath();
}

bool IsInFolder(const QString& path, const QString& folder)
{
    // A folder that is gone has no canonical path; its plain one still compares.
    const auto real = [](const QString& dir) {
        const QString canonical = QFileInfo(dir).canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(QDir(dir).absolutePath()) : canonical;
    };
    const QString inner = real(QFileInfo(path).absolutePath());
    const QString outer = real(folder);
    return inner == outer || inner.startsWith(outer.endsWith('/') ? outer : outer + '/');
}

namespace {

QString SystemReason(int error)
{
    return qt_error_string(error);
}

// The folder that holds `path` (".", when the name has none), and the bare name.
QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : path.left(qMax<qsizetype>(slash, 1));
}

mode_t ProcessUmask()
{
    // umask() can only be read by setting it; done once, before any file is written.
    static const mode_t mask = [] {
        const mode_t old = ::umask(0);
        ::umask(old);
        return old;
    }();
    return mask;
}

FileId IdOf(const struct stat& status)
{
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

}  // namespace

std::optional<FileId> FileIdOf(const QString& path)
{
    struct stat status { };
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return IdOf(status);
}

std::optional<FileId> FileIdOf(int fd)
{
    struct stat status { };
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    return IdOf(status);
}

InputFile::InputFile(const QString& path, Links links) : m_path(path)
{
    if (path.isEmpty())
        throw FileError::NoFileChosen();
    // O_NONBLOCK: a FIFO with no writer would block the open; it is refused below instead.
    const int noLinks = links == Links::Refuse ? O_NOFOLLOW : 0;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | noLinks);
    if (m_fd < 0)
        throw FileError(FileError::Action::Read, path, SystemReason(errno));
    // The constructor throws past the destructor, so every failure from here closes the file.
    const auto fail = [this](const QString& reason) {
        ::close(std::exchange(m_fd, -1));
        throw FileError(FileError::Action::Read, m_path, reason);
    };
    struct stat status { };
    if (::fstat(m_fd, &status) != 0)
        fail(SystemReason(errno));
    if (S_ISDIR(status.st_mode))
        fail(QCoreApplication::translate("InputFile", "It is a folder, not a file"));
    // A pipe has no length and a device may never end: their bytes would be lost or endless.
    if (!S_ISREG(status.st_mode))
        fail(QCoreApplication::translate("InputFile",
                                         "It is a device, a pipe or a socket, not a file"));
    m_length = status.st_size;
    m_id = IdOf(status);
}

InputFile::~InputFile()
{
    ::close(m_fd);
}

qint64 InputFile::Read(char* into, qint64 size)
{
    return ReadAt(into, size, -1);
}

qint64 InputFile::ReadAt(char* into, qint64 size, qint64 offset)
{
    qint64 got = 0;
    while (got < size) {
        // One read() gives at most about 2 GiB, so a larger request takes several.
        const size_t wanted = size_t(qMin<qint64>(size - got, 1 << 30));
        const ssize_t count = offset < 0 ? ::read(m_fd, into + got, wanted)
                                         : ::pread(m_fd, into + got, wanted, offset + got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw FileError(FileError::Action::Read, m_path, SystemReason(errno));
        if (count == 0)
            break;
        got += count;
    }
    return got;
}

QByteArray InputFile::ReadAll(qint64 limit)
{
    std::optional<QByteArray> bytes;
    try {
        if (m_length <= limit)
            bytes = ReadToEnd(m_fd, m_length, limit);
    } catch (const std::system_error& error) {
        throw FileError(FileError::Action::Read, m_path, SystemReason(error.code().value()));
    }
    if (!bytes)
        //: %1 is a count of bytes.
        throw FileError(FileError::Action::Read, m_path,
                        QCoreApplication::translate("InputFile",
                                                    "It is larger than %1 bytes, the most "
                                                    "Wendle reads of such a file")
                            .arg(limit));
    return *std::move(bytes);
}

std::optional<QByteArray> ReadToEnd(int fd, qint64 sizeHint, qint64 limit)
{
    constexpr qint64 kLeastGrowth = 1 << 16;
    QByteArray bytes;
    qint64 used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > limit)
                return std::nullopt;
            // First one byte beyond the hint, so that a file of the size it says ends at the
            // next read without the buffer growing.
            const qint64 size = qMin(
                limit + 1,
                used == 0 && sizeHint > 0 ? sizeHint + 1 : used + qMax(kLeastGrowth, used / 8));
            // Reserved to the byte: resize() alone would round the buffer up to a power of two.
            bytes.reserve(qsizetype(size));
            bytes.resize(qsizetype(size));
        }
        const ssize_t count =
            ::read(fd, bytes.data() + used, size_t(qMin<qint64>(bytes.size() - used, 1 << 30)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw std::system_error(errno, std::generic_category());
        if (count == 0) {
            bytes.truncate(qsizetype(used));  // in place: left() would copy the whole input
            return bytes;
        }
        used += count;
    }
}

OutputFile::OutputFile(const QString& path, Links links) : m_path(path)
{
    if (path.isEmpty())
        throw FileError::NoFileChosen();
    struct stat status { };
    bool exists = ::lstat(QFile::encodeName(path).constData(), &status) == 0;
    if (exists && S_ISLNK(status.st_mode) && links == Links::Follow) {
        m_path = WriteTarget(path);
        exists = ::stat(QFile::encodeName(m_path).constData(), &status) == 0;
    }
    // A link that is replaced lends the new file neither its permissions nor its identity.
    exists = exists && !S_ISLNK(status.st_mode);
    m_target = QFile::encodeName(m_path);
    if (exists && S_ISDIR(status.st_mode))
        Fail(QCoreApplication::translate("OutputFile", "A folder of that name is in the way"));
    // A device, a pipe or a socket (-o /dev/null as root) would be replaced by a plain file.
    if (exists && !S_ISREG(status.st_mode))
        Fail(QCoreApplication::translate(
            "OutputFile", "It is a device, a pipe or a socket, not a file to replace"));
    // A file the user may not write is not replaced either, though its folder would allow it.
    // The system answers, as access() would for this process (its groups, ACLs, root), where
    // the mode bits alone cannot tell whether the user is in the file's group.
    if (exists && ::faccessat(AT_FDCWD, m_target.constData(), W_OK, AT_EACCESS) != 0)
        Fail(SystemReason(errno));
    if (exists)
        m_replaces = IdOf(status);

    // A new file gets the usual permissions; a replaced one keeps its own.
    const mode_t mode = exists ? (status.st_mode & 07777) : 0666;
    const qsizetype slash = m_target.lastIndexOf('/');
    const QByteArray stem =
        m_target.left(slash + 1) + '.' + m_target.mid(slash + 1).left(200) + '.';
    // Counted before it exists, so that a signal never finds a temporary file it does not know.
    WritingBegins();
    m_counted = true;
    for (int attempt = 0; attempt < 16 && m_fd < 0; ++attempt) {
        // A random name that nothing else can guess; O_EXCL never follows a planted link.
        m_temp = stem + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        m_fd = ::open(m_temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_temp.clear();
        Fail(SystemReason(errno));
    }
    if (exists && (mode & ProcessUmask()) != 0 && ::fchmod(m_fd, mode) != 0)
        Fail(SystemReason(errno));
}

bool OutputFile::SameTarget(const OutputFile& other) const
{
    if (m_replaces || other.m_replaces)
        return m_replaces == other.m_replaces;
    // Two new files are the same when their folders are, whatever links lead to them.
    const auto real = [](const QString& path) {
        const QFileInfo file(path);
        return QFileInfo(file.absolutePath()).canonicalFilePath() + '/' + file.fileName();
    };
    return real(m_path) == real(other.m_path);
}

OutputFile::~OutputFile()
{
    Discard();
}

void OutputFile::Discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.isEmpty())
        ::unlink(m_temp.constData());
    m_temp.clear();
    TempGone();
}

void OutputFile::TempGone()
{
    if (std::exchange(m_counted, false))
        WritingEnds();
}

void OutputFile::Write(QByteArrayView bytes)
{
    if (StopRequested())
        //: The reason a file was not written: Ctrl-C, or a signal that ends the program.
        Fail(QCoreApplication::translate("OutputFile", "The run was stopped by a signal"));
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(m_fd, bytes.data() + written,
                                      size_t(qMin<qsizetype>(bytes.size() - written, 1 << 30)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            // A full disk or a file-size limit first cuts a write short, then fails it.
            //: %1 and %2 are counts of bytes, %3 the reason.
            Fail(QCoreApplication::translate("OutputFile",
                                             "Only %1 of %2 bytes could be written: %3")
                     .arg(written)
                     .arg(bytes.size())
                     .arg(count < 0
                              ? SystemReason(errno)
                              : QCoreApplication::translate("OutputFile", "the disk is full")));
        }
        written += count;
    }
}

FileError OutputFile::Error(int error) const
{
    return FileError(FileError::Action::Write, m_path, SystemReason(error));
}

void OutputFile::Fail(const QString& reason)
{
    Discard();
    throw FileError(FileError::Action::Write, m_path, reason);
}

void OutputFile::Commit()
{
    std::optional<FileError> error = CommitAll({this}).front();
    if (error)
        throw *error;
}

void OutputFile::WriteWhole(const QString& path, QByteArrayView bytes, Links links)
{
    OutputFile file(path, links);
    file.Write(bytes);
    file.Commit();
}

std::vector<std::optional<FileError>> OutputFile::CommitAll(const std::vector<OutputFile*>& files)
{
    std::vector<std::optional<FileError>> errors(files.size());
    // Each folder once, for its file system and for the flush after the renames.
    struct Folder {
        int fd = -1;
        int error = 0;
        bool renamed = false;
    };
    std::map<QByteArray, Folder> folders;
    for (OutputFile* file : files) {
        auto [at, added] = folders.try_emplace(FolderOf(file->m_target));
        if (added) {
            at->second.fd = ::open(at->first.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            at->second.error = at->second.fd < 0 ? errno : 0;
        }
    }

    // A folder that cannot be opened cannot be flushed after the rename, so its files fail
    // here, while every earlier file is still as it was.
    for (size_t i = 0; i < files.size(); ++i)
        if (const int error = folders[FolderOf(files[i]->m_target)].error)
            errors[i] = files[i]->Error(error);

    // The data first. One file is flushed alone; a group with one syncfs() for each file
    // system, which costs one flush of the disk where each fdatasync() would cost one.
    if (files.size() == 1) {
        if (!errors.front() && ::fdatasync(files.front()->m_fd) != 0)
            errors.front() = files.front()->Error(errno);
    } else {
        std::map<dev_t, int> synced;  // file system -> the error of its syncfs()
        for (auto& [path, folder] : folders) {
            struct stat status { };
            if (folder.error)
                continue;
            if (::fstat(folder.fd, &status) != 0) {
                folder.error = errno;
                continue;
            }
            auto [at, added] = synced.try_emplace(status.st_dev, 0);
            if (added && ::syncfs(folder.fd) != 0)
                at->second = errno;
            folder.error = at->second;
        }
        for (size_t i = 0; i < files.size(); ++i)
            if (const int error = folders[FolderOf(files[i]->m_target)].error; !errors[i] && error)
                errors[i] = files[i]->Error(error);
    }

    // Then each file whose data is on the disk replaces its target.
    for (size_t i = 0; i < files.size(); ++i) {
        OutputFile& file = *files[i];
        if (!errors[i] && ::close(std::exchange(file.m_fd, -1)) == 0
            && ::rename(file.m_temp.constData(), file.m_target.constData()) == 0) {
            file.m_temp.clear();
            file.TempGone();
            folders[FolderOf(file.m_target)].renamed = true;
            continue;
        }
        if (!errors[i])
            errors[i] = file.Error(errno);
        file.Discard();
    }

    // Last, each folder that has a new name in it, so that the rename survives a power cut.
    for (auto& [path, folder] : folders) {
        folder.error = !folder.renamed || ::fsync(folder.fd) == 0 ? 0 : errno;
        if (folder.fd >= 0)
            ::close(folder.fd);
    }
    for (size_t i = 0; i < files.size(); ++i)
        if (const int error = folders[FolderOf(files[i]->m_target)].error; error && !errors[i])
            errors[i] = files[i]->Error(error);
    return errors;
}
