#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QSaveFile>
#include <QString>

// File names are held as bytes without a folder, as the file prompt gives them. This turns
// one into a path: an absolute name stays as it is, any other is taken relative to `folder`,
// or to the current directory when `folder` is empty; ".." steps are folded away. The empty
// name gives the empty path.
QString ResolveFileName(const QByteArray& name, const QString& folder = {});

// True when a name reaches outside the folder it is resolved against: it is absolute, or
// holds a folder separator, or is "." or "..". File prompts never give such names.
bool HasFolderPart(const QByteArray& name);

// True when both paths reach the same existing file, through links too.
bool IsSameFile(const QString& a, const QString& b);

// The file that a write to `path` replaces: symbolic links followed to their end, as
// OutputFile follows them, to a file that need not exist yet. A loop of links gives `path`.
QString WriteTarget(const QString& path);

// True when `path` lies in `folder` or in a folder below it, links in both followed.
bool IsInFolder(const QString& path, const QString& folder);

// A file opened for reading. Throws FileError when it cannot be opened.
class InputFile {
public:
    explicit InputFile(const QString& path);

    QString path() const { return m_file.fileName(); }
    qint64 Length() const { return m_file.size(); }

    // Reads up to `size` bytes; gives how many, fewer only at the end. Throws FileError.
    qint64 Read(char* into, qint64 size);
    // The whole file. Only bytes the system actually delivered are in the result, so a file
    // that shrinks while it is read gives a shorter result, never unfilled bytes.
    QByteArray ReadAll();

private:
    QFile m_file;
};

// A file created (or replaced) for writing. Nothing reaches the target until Commit():
// the bytes go to a temporary file beside it, which is renamed over the target when complete.
// An object destroyed without Commit() leaves the earlier file untouched.
class OutputFile {
public:
    explicit OutputFile(const QString& path);

    // Throws FileError unless every byte was written.
    void Write(QByteArrayView bytes);
    void Commit();

private:
    [[noreturn]] void Fail(const QString& reason);

    QSaveFile m_file;
};
