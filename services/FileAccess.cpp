#include "services/FileAccess.h"

#include "services/Errors.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

QString ResolveFileName(const QByteArray& name, const QString& folder)
{
    if (name.isEmpty())
        return {};
    const QString decoded = QFile::decodeName(name);
    if (QDir::isAbsolutePath(decoded))
        return decoded;
    if (folder.isEmpty() && QDir::currentPath().isEmpty()) {
        // The current folder has been removed, so it has no path; the bare name then fails
        // to open with the system's reason, where "/" would wrongly be taken as the folder.
        return decoded;
    }
    const QDir base = folder.isEmpty() ? QDir::current() : QDir(folder);
    return QDir::cleanPath(base.absoluteFilePath(decoded));
}

bool HasFolderPart(const QByteArray& name)
{
    // A backslash counts too: a project written on Windows separates folders with it.
    return name.contains('/') || name.contains('\\') || name == "." || name == "..";
}

bool IsSameFile(const QString& a, const QString& b)
{
    // Device and inode identify a file whatever links or spellings lead to it.
    struct stat sa {
    }, sb{};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0
        || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

QString WriteTarget(const QString& path)
{
    // The same walk as QSaveFile's, so that the file checked is the file it writes.
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

InputFile::InputFile(const QString& path) : m_file(path)
{
    if (path.isEmpty())
        throw FileError::NoFileChosen();
    // Unbuffered: the callers read in large blocks, which a buffer would only copy once more.
    // Whether the name is a folder is asked only after a failure, so a success costs one call.
    if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw FileError(FileError::Action::Read, path,
                        QFileInfo(path).isDir() ? QStringLiteral("It is a folder, not a file")
                                                : m_file.errorString());
}

qint64 InputFile::Read(char* into, qint64 size)
{
    const qint64 got = m_file.read(into, size);
    if (got < 0)
        throw FileError(FileError::Action::Read, m_file.fileName(), m_file.errorString());
    return got;
}

QByteArray InputFile::ReadAll()
{
    const qint64 length = m_file.size();
    if (length < 0 || length >= std::numeric_limits<qsizetype>::max())
        throw FileError(FileError::Action::Read, m_file.fileName(),
                        QStringLiteral("The file is too large"));

    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const qint64 got = Read(bytes.data() + filled, bytes.size() - filled);
        if (got == 0)
            break;
        filled += qsizetype(got);
    }
    bytes.truncate(filled);
    return bytes;
}

OutputFile::OutputFile(const QString& path) : m_file(path)
{
    if (path.isEmpty())
        throw FileError::NoFileChosen();
    // Unbuffered, so that every write reaches the system at once and its count is checked
    // below: a buffered QSaveFile flushes at commit(), and a flush cut short by a full disk
    // still lets commit() succeed and replace the earlier file with a truncated one.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail(QFileInfo(path).isDir() ? QStringLiteral("A folder of that name is in the way")
                                     : m_file.errorString());
}

void OutputFile::Write(QByteArrayView bytes)
{
    // QSaveFile reports a write cut short by a full disk or a size limit only through the
    // returned count, and would then commit the truncated file, so the count is checked here.
    const qint64 written = m_file.write(bytes.data(), bytes.size());
    if (written == bytes.size())
        return;
    QString reason = m_file.errorString();
    if (written >= 0 || reason.isEmpty())
        reason = QStringLiteral("Only %1 of %2 bytes could be written; the disk may be full")
                     .arg(qMax<qint64>(written, 0))
                     .arg(bytes.size());
    Fail(reason);
}

void OutputFile::Commit()
{
    if (!m_file.commit())
        throw FileError(FileError::Action::Write, m_file.fileName(), m_file.errorString());
}

void OutputFile::Fail(const QString& reason)
{
    m_file.cancelWriting();
    throw FileError(FileError::Action::Write, m_file.fileName(), reason);
}
