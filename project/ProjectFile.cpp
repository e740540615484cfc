#include "project/ProjectFile.h"

#include "services/ByteString.h"
#include "services/Errors.h"
#include "services/FileAccess.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QtEndian>

#include <limits>

namespace {

constexpr quint64 kMaxField = std::numeric_limits<quint32>::max();

void PutField(char* at, quint64 value)
{
    qToLittleEndian(static_cast<quint32>(value), at);
}

quint64 FieldAt(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

// The string of `length` bytes at `offset`, ended early at a NUL byte.
QByteArray StringAt(QByteArrayView bytes, quint64 offset, quint64 length)
{
    return UpToFirstNul(bytes.sliced(qsizetype(offset), qsizetype(length))).toByteArray();
}

}  // namespace

bool ProjectFits(quint64 nameLength, quint64 titleLength, quint64 textLength)
{
    // Each length comes from a string far below 2^62, so the sum cannot wrap. The file's
    // length bounds every field, and ReadProject refuses files longer than the largest field.
    return kProjectHeaderSize + nameLength + titleLength + textLength <= kMaxField;
}

namespace {

// The four fields that lead a project file. Throws CommandError when the project does not fit.
QByteArray HeaderOf(const ProjectContent& content)
{
    const quint64 nameLength = quint64(content.outputName.size());
    const quint64 titleLength = quint64(content.title.size());
    const quint64 textLength = quint64(content.text.size());
    if (!ProjectFits(nameLength, titleLength, textLength))
        throw CommandError(QStringLiteral(
            "The title and text are too long for a project file, which holds at most 4 GiB."));
    QByteArray header(kProjectHeaderSize, Qt::Uninitialized);
    PutField(header.data() + 0, titleLength);
    PutField(header.data() + 4, kProjectHeaderSize + nameLength + titleLength);
    PutField(header.data() + 8, textLength);
    PutField(header.data() + 12, nameLength);
    return header;
}

}  // namespace

QByteArray EncodeProject(const ProjectContent& content)
{
    return HeaderOf(content) + content.outputName + content.title + content.text;
}

namespace {

// Where the strings of a well-formed project lie; nullopt when one reaches past the end.
struct Layout {
    quint64 titleOffset, titleLength, textOffset, textLength, nameLength;
};

// `bytes` holds at least the header of a file of `length` bytes.
std::optional<Layout> LayoutOf(QByteArrayView bytes, quint64 length)
{
    if (length < quint64(kProjectHeaderSize) || bytes.size() < kProjectHeaderSize)
        return std::nullopt;
    const Layout layout{kProjectHeaderSize + FieldAt(bytes, 12), FieldAt(bytes, 0),
                        FieldAt(bytes, 4), FieldAt(bytes, 8), FieldAt(bytes, 12)};
    // Each field is below 2^32, so these sums cannot wrap in 64 bits.
    if (layout.titleOffset + layout.titleLength > length
        || layout.textOffset + layout.textLength > length)
        return std::nullopt;
    return layout;
}

}  // namespace

std::optional<ProjectContent> DecodeProject(QByteArrayView bytes)
{
    const std::optional<Layout> at = LayoutOf(bytes, quint64(bytes.size()));
    if (!at)
        return std::nullopt;
    return ProjectContent{StringAt(bytes, at->titleOffset, at->titleLength),
                          StringAt(bytes, at->textOffset, at->textLength),
                          StringAt(bytes, kProjectHeaderSize, at->nameLength)};
}

QByteArray DigestOf(const ProjectContent& content)
{
    // Each string led by its length, so that no two contents give the same stream.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray* part : {&content.title, &content.text, &content.outputName}) {
        char length[8];
        qToLittleEndian(quint64(part->size()), length);
        hash.addData(QByteArrayView(length, sizeof length));
        hash.addData(*part);
    }
    return hash.result();
}

bool ProjectChangedSince(const QString& path, const QByteArray& kept)
{
    if (!QFileInfo(path).isFile())
        return false;
    try {
        InputFile file(path);
        return kept.isEmpty() || DigestOf(ReadProject(file)) != kept;
    } catch (const FileError&) {
        return true;
    }
}

bool HoldsProject(const QString& path)
{
    try {
        InputFile file(path);
        char header[kProjectHeaderSize];
        return quint64(file.Length()) <= kMaxField
            && file.Read(header, kProjectHeaderSize) == kProjectHeaderSize
            && LayoutOf({header, kProjectHeaderSize}, quint64(file.Length()));
    } catch (const FileError&) {
        return false;
    }
}

void WriteProject(OutputFile& file, const ProjectContent& content)
{
    // The header, then each string from where it lies: a text of many megabytes is not copied.
    file.Write(HeaderOf(content));
    for (const QByteArray* part : {&content.outputName, &content.title, &content.text})
        file.Write(*part);
}

ProjectContent ReadProject(InputFile& file, qint64* textLeftOut)
{
    if (quint64(file.Length()) > kMaxField)
        throw FileError(
            FileError::Action::Read, file.path(),
            QCoreApplication::translate("ProjectFile", "It is too large to be a Wendle project"));
    QByteArray bytes = file.ReadAll();
    const std::optional<Layout> at = LayoutOf(bytes, quint64(bytes.size()));
    if (!at)
        throw FileError(FileError::Action::Read, file.path(),
                        QCoreApplication::translate(
                            "ProjectFile", "It is not a Wendle project, or it is damaged"));
    ProjectContent content{StringAt(bytes, at->titleOffset, at->titleLength),
                           {},
                           StringAt(bytes, kProjectHeaderSize, at->nameLength)};
    // The text, the bulk of the file, keeps the buffer it was read into: dropping bytes from
    // the front of a QByteArray moves no data, where a copy would cost as much as the read.
    content.text = std::move(bytes);
    content.text.remove(0, qsizetype(at->textOffset));
    content.text.truncate(qsizetype(at->textLength));
    const qsizetype stored = content.text.size();
    content.text.truncate(UpToFirstNul(content.text).size());
    if (textLeftOut)
        *textLeftOut = stored - content.text.size();
    return content;
}
