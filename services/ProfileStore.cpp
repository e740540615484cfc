#include "services/ProfileStore.h"

#include "services/Errors.h"
#include "services/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

// QSettings is not used: its INI format percent-encodes section names ("[Template%20File]")
// and reads backslashes in values as escapes, so names written by hand would change.

namespace {

// No profile, or one that is not a plain file (a FIFO would block every run), reads as empty.
QByteArray LoadFile(const QString& path)
{
    try {
        return InputFile(path).ReadAll();
    } catch (const FileError&) {
        return {};
    }
}

QList<QByteArray> SplitLines(const QByteArray& content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();  // the newline that ends the last line starts no new one
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// The section name of a "[name]" line.
std::optional<QByteArray> SectionOf(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.size() < 2 || !trimmed.startsWith('[') || !trimmed.endsWith(']'))
        return std::nullopt;
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

// The value of an "entry=value" line when the entry matches; the value's bytes as they are.
std::optional<QByteArray> ValueOf(const QByteArray& line, QByteArrayView entry)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.left(eq).trimmed().compare(entry, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return line.mid(eq + 1);
}

bool SameName(const QByteArray& a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

ProfileStore::ProfileStore(QString iniPath) : m_path(std::move(iniPath)) { }

QString ProfileStore::DefaultPath()
{
    // GenericConfigLocation honours XDG_CONFIG_HOME and falls back to ~/.config, but Qt 6.4
    // takes a relative XDG_CONFIG_HOME too, which the XDG rules say to ignore: it would move
    // with the current folder, which every file prompt changes.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString folder = config.isEmpty() || QDir::isAbsolutePath(config)
        ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        : QDir::home().filePath(QStringLiteral(".config"));
    return QDir(folder).filePath(QStringLiteral("wendle.ini"));
}

QByteArray ProfileStore::Read(QByteArrayView section, QByteArrayView entry,
                              QByteArrayView fallback) const
{
    bool inSection = false;
    for (const QByteArray& line : SplitLines(LoadFile(m_path))) {
        if (const auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
        } else if (inSection) {
            if (const auto value = ValueOf(line, entry))
                return *value;
        }
    }
    return fallback.toByteArray();
}

bool ProfileStore::Write(QByteArrayView section, QByteArrayView entry, QByteArrayView value)
{
    if (value.contains('\n') || value.contains('\r'))
        return false;

    QList<QByteArray> lines = SplitLines(LoadFile(m_path));
    const QByteArray newLine = entry.toByteArray() + '=' + value.toByteArray();

    // Replace the entry where it stands, or add it at the end of its section, or add the
    // section at the end of the file.
    bool inSection = false;
    std::optional<qsizetype> sectionEnd;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = SectionOf(lines[i])) {
            if (inSection && !sectionEnd)
                sectionEnd = i;
            inSection = SameName(*name, section);
        } else if (inSection && ValueOf(lines[i], entry)) {
            lines[i] = newLine;
            done = true;
        }
    }
    if (!done) {
        if (inSection && !sectionEnd)
            sectionEnd = lines.size();
        if (sectionEnd) {
            // Keep blank lines that separate sections after the new entry.
            qsizetype at = *sectionEnd;
            while (at > 0 && lines[at - 1].trimmed().isEmpty())
                --at;
            lines.insert(at, newLine);
        } else {
            lines << '[' + section.toByteArray() + ']' << newLine;
        }
    }

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    try {
        OutputFile::WriteWhole(m_path, lines.join('\n') + '\n');
        return true;
    } catch (const FileError&) {
        return false;
    }
}
