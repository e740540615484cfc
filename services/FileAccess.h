#pragma once

#include "services/Errors.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// The current folder's path. Throws CommandError when it has been removed (a shell left in a
// folder that was deleted): it has no path then, and Qt would take "/" for it. The message
// names `name`, the file that was to be found there, when given.
QString CurrentFolder(const QString& name = {});

// The one rule that turns a name into a path: an absolute name stays as it is, any other is taken
// relative to `folder`, or to the current folder when `folder` is empty; ".." steps are folded
// away. Throws CommandError, before anything is read or written, for a name that was not UTF-8
// on the command line (see ArgumentText: it names no file that Wendle can reach, and decoded any
// other way it could reach another file), and for a relative name whose current folder is gone.
QString AbsolutePath(const QString& name, const QString& folder = {});

// File names are held as bytes without a folder, as the file prompt gives them. This turns
// one into a path by AbsolutePath; the empty name gives the empty path.
QString ResolveFileName(const QByteArray& name, const QString& folder = {});

// True when a name reaches outside the folder it is resolved against: it is absolute, or
// holds a folder separator, or is "." or "..". File prompts never give such names.
bool HasFolderPart(const QByteArray& name);

// The file that a write to `path` replaces: symbolic links followed to their end, as
// OutputFile follows them, to a file that need not exist yet. A loop of links gives `path`.
QString WriteTarget(const QString& path);

// True when `path` lies in `folder` or in a folder below it, links in both followed.
bool IsInFolder(const QString& path, const QString& folder);

// Which file a path reaches: its device and inode, whatever links or spellings lead to it.
struct FileId {
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileId&) const = default;
};

// The file a path reaches, links followed; nullopt when there is none.
std::optional<FileId> FileIdOf(const QString& path);
// The file an open descriptor is on; nullopt when it is closed.
std::optional<FileId> FileIdOf(int fd);

// A plain file opened for reading. Throws FileError when it cannot be opened, or is a folder,
// a device, a pipe or a socket.
// Plain system calls rather than QFile: one open and one fstat answer everything asked of
// it, where QFile asks the file system about the same path several times.
class InputFile {
public:
    // Refuse: for folders others may have planted files in, a link at `path` is not followed.
    enum class Links { Follow, Refuse };
    explicit InputFile(const QString& path, Links links = Links::Follow);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const QString& path() const { return m_path; }
    qint64 Length() const { return m_length; }
    FileId Id() const { return m_id; }

    // Reads up to `size` bytes; gives how many, fewer only at the end. Throws FileError.
    qint64 Read(char* into, qint64 size);
    // The same from `offset`, wherever Read has got to, which it leaves there.
    qint64 ReadAt(char* into, qint64 size, qint64 offset);
    // The whole file, read to its end whatever size the system gives for it (a file in /proc
    // says 0), as ReadToEnd reads. Throws FileError for a file of more than `limit` bytes.
    QByteArray ReadAll(qint64 limit = kMaxFileRead);

    // The most ReadAll reads by default: what a project can hold.
    static constexpr qint64 kMaxFileRead = 0xffffffff;

private:
    QString m_path;
    int m_fd = -1;
    qint64 m_length = 0;
    FileId m_id;
};

// Reads `fd` to its end into one buffer, `sizeHint` bytes asked for at once and then more as
// they come. The buffer grows by an eighth of what was read, so that it never holds much more
// than the input, where doubling would take twice a text of several GiB. Gives the bytes, or
// nullopt once more than `limit` bytes have come, with the rest unread. Throws std::bad_alloc
// when memory runs out, and std::system_error when a read fails.
std::optional<QByteArray> ReadToEnd(int fd, qint64 sizeHint, qint64 limit);

// A file created (or replaced) for writing, through symbolic links as they stand when it is
// opened. Nothing reaches the target until Commit(): the bytes go to a temporary file beside
// it; Commit() flushes them to the disk, renames the file over the target, then flushes the
// folder, so that neither the data nor the new name can be lost once it returns. An object
// destroyed without Commit() removes its temporary file and leaves the earlier file as it was.
// Plain system calls, because QSaveFile never flushes the folder after its rename.
class OutputFile {
public:
    // Follow: a link at `path` is kept, and the file it leads to is replaced. Replace: `path`
    // itself is replaced, a link there included, for a path that was already resolved and
    // checked, so that no link set there since can lead the write elsewhere.
    enum class Links { Follow, Replace };

    explicit OutputFile(const QString& path, Links links = Links::Follow);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // The file that is replaced, links followed.
    const QString& path() const { return m_path; }
    // True when the file this one replaces is `file`.
    bool Replaces(const FileId& file) const { return m_replaces && *m_replaces == file; }
    // The file this one replaces, or nullopt for a new file.
    const std::optional<FileId>& Replaced() const { return m_replaces; }
    // True when both replace the same file, or make the same new file, however named.
    bool SameTarget(const OutputFile& other) const;

    // Throws FileError unless every byte was written.
    void Write(QByteArrayView bytes);
    // Throws FileError; the earlier file then stays as it was.
    void Commit();
    // A whole file of these bytes, written and committed. Throws FileError.
    static void WriteWhole(const QString& path, QByteArrayView bytes, Links links = Links::Follow);

    // Commits many files with few flushes: the data of all reaches the disk at once (one
    // syncfs() for each file system), then each file is renamed over its target, then each
    // folder is flushed once. The error of each file that failed, at its index; a file fails
    // alone where it can, and none replaces its target before its data is on the disk.
    static std::vector<std::optional<FileError>> CommitAll(const std::vector<OutputFile*>& files);

private:
    [[noreturn]] void Fail(const QString& reason);
    FileError Error(int error) const;
    void Discard();
    // The temporary file is gone, renamed or removed.
    void TempGone();

    QString m_path;
    QByteArray m_target;
    QByteArray m_temp;
    int m_fd = -1;
    bool m_counted = false;  // told WritingBegins, not yet WritingEnds
    std::optional<FileId> m_replaces;
};
