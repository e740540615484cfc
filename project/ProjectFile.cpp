#include "project/ProjectFile.h"

#include "services/ByteString.h"
#include "services/Errors.h"
#include "services/FileAccess.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QtEndian>

#include <limits>

#include <xxhash.h>

namespace {

constexpr quint64 kMaxField = std::numeric_limits<quint32>::max();

// The format block: magic, version and the entries' length, then the entries.
constexpr QByteArrayView kBlockMagic = "WNDL";
constexpr quint32 kBlockVersion = 1;
constexpr qsizetype kBlockHeaderSize = 12;
constexpr qsizetype kEntryHeaderSize = 8;
constexpr QByteArrayView kFormatTag = "frmt";
constexpr QByteArrayView kMarkdown = "markdown";
// A block Wendle writes holds a few dozen bytes; one that HoldsProject would have to read far
// more of belongs to no project of any Wendle. The reader refuses it too, so that a file Wendle
// opens and saves is always one that no page may replace.
constexpr qint64 kMaxBlockChecked = 1 << 20;

void PutField(char* at, quint64 value)
{
    qToLittleEndian(static_cast<quint32>(value), at);
}

quint64 FieldAt(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

QByteArray Field(quint64 value)
{
    QByteArray field(4, Qt::Uninitialized);
    PutField(field.data(), value);
    return field;
}

// The string of `length` bytes at `offset`, ended early at a NUL byte.
QByteArray StringAt(QByteArrayView bytes, quint64 offset, quint64 length)
{
    return UpToFirstNul(bytes.sliced(qsizetype(offset), qsizetype(length))).toByteArray();
}

// The format block of a content, or nothing for an HTML project with nothing kept.
QByteArray BlockOf(const ProjectContent& content)
{
    if (content.format == TextFormat::Html && content.laterEntries.isEmpty())
        return content.laterBlock;
    QByteArray entries;
    if (content.format == TextFormat::Markdown)
        entries = kFormatTag.toByteArray() + Field(kMarkdown.size()) + kMarkdown.toByteArray();
    entries += content.laterEntries;
    return kBlockMagic.toByteArray() + Field(kBlockVersion) + Field(entries.size()) + entries;
}

// Whether the bytes between a title and its text make a format block: none at all, or a
// block whose lengths fill them exactly, its version 1 entries too.
enum class Block { None, Valid, Damaged, Foreign };

Block CheckBlock(QByteArrayView gap)
{
    if (gap.isEmpty())
        return Block::None;
    if (!gap.startsWith(kBlockMagic))
        return Block::Foreign;
    if (gap.size() > kMaxBlockChecked || gap.size() < kBlockHeaderSize
        || FieldAt(gap, 8) != quint64(gap.size() - kBlockHeaderSize))
        return Block::Damaged;
    if (FieldAt(gap, 4) != kBlockVersion)
        return Block::Valid;
    for (QByteArrayView entries = gap.sliced(kBlockHeaderSize); !entries.isEmpty();) {
        if (entries.size() < kEntryHeaderSize
            || FieldAt(entries, 4) > quint64(entries.size() - kEntryHeaderSize))
            return Block::Damaged;
        entries = entries.sliced(kEntryHeaderSize + qsizetype(FieldAt(entries, 4)));
    }
    return Block::Valid;
}

// Takes what a valid block says into `content`.
void ReadBlock(QByteArrayView block, ProjectContent& content)
{
    if (FieldAt(block, 4) != kBlockVersion) {
        content.laterBlock = block.toByteArray();
        return;
    }
    for (QByteArrayView entries = block.sliced(kBlockHeaderSize); !entries.isEmpty();) {
        const qsizetype size = kEntryHeaderSize + qsizetype(FieldAt(entries, 4));
        const QByteArrayView entry = entries.first(size);
        if (entry.startsWith(kFormatTag) && entry.sliced(kEntryHeaderSize) == kMarkdown)
            content.format = TextFormat::Markdown;
        else
            content.laterEntries += entry;
        entries = entries.sliced(size);
    }
}

}  // namespace

bool ProjectFits(quint64 nameLength, quint64 titleLength, quint64 textLength, quint64 blockLength)
{
    // Each length comes from a string far below 2^62, so the sum cannot wrap. The file's
    // length bounds every field, and ReadProject refuses files longer than the largest field,
    // and format blocks that HoldsProject would not read.
    return kProjectHeaderSize + nameLength + titleLength + blockLength + textLength <= kMaxField
        && blockLength <= quint64(kMaxBlockChecked);
}

namespace {

// The four fields that lead a project file. Throws CommandError when the project does not fit.
QByteArray HeaderOf(const ProjectContent& content, qsizetype blockLength)
{
    const quint64 nameLength = quint64(content.outputName.size());
    const quint64 titleLength = quint64(content.title.size());
    const quint64 textLength = quint64(content.text.size());
    if (!ProjectFits(nameLength, titleLength, textLength, quint64(blockLength)))
        throw CommandError(QCoreApplication::translate(
            "ProjectFile",
            "The title and text are too long for a project file, which holds at most 4 GiB."));
    QByteArray header(kProjectHeaderSize, Qt::Uninitialized);
    PutField(header.data() + 0, titleLength);
    PutField(header.data() + 4, kProjectHeaderSize + nameLength + titleLength + blockLength);
    PutField(header.data() + 8, textLength);
    PutField(header.data() + 12, nameLength);
    return header;
}

}  // namespace

QByteArray EncodeProject(const ProjectContent& content)
{
    const QByteArray block = BlockOf(content);
    return HeaderOf(content, block.size()) + content.outputName + content.title + block
        + content.text;
}

namespace {

// Where the strings of a well-formed project lie; nullopt when one reaches past the end.
struct Layout {
    quint64 titleOffset, titleLength, textOffset, textLength, nameLength;

    quint64 TitleEnd() const { return titleOffset + titleLength; }
    // The bytes between the title and the text, where a format block lies.
    quint64 Gap() const { return textOffset > TitleEnd() ? textOffset - TitleEnd() : 0; }
};

// `bytes` holds at least the header of a file of `length` bytes.
std::optional<Layout> LayoutOf(QByteArrayView bytes, quint64 length)
{
    if (length < quint64(kProjectHeaderSize) || bytes.size() < kProjectHeaderSize)
        return std::nullopt;
    const Layout layout{kProjectHeaderSize + FieldAt(bytes, 12), FieldAt(bytes, 0),
                        FieldAt(bytes, 4), FieldAt(bytes, 8), FieldAt(bytes, 12)};
    // Each field is below 2^32, so these sums cannot wrap in 64 bits.
    if (layout.TitleEnd() > length || layout.textOffset + layout.textLength > length)
        return std::nullopt;
    return layout;
}

// The content of a whole file's bytes, the text left out; nullopt when they are no project.
std::optional<ProjectContent> ContentOf(QByteArrayView bytes, const Layout& at)
{
    ProjectContent content{StringAt(bytes, at.titleOffset, at.titleLength),
                           {},
                           StringAt(bytes, kProjectHeaderSize, at.nameLength)};
    const QByteArrayView gap = bytes.sliced(qsizetype(at.TitleEnd()), qsizetype(at.Gap()));
    switch (CheckBlock(gap)) {
    case Block::Damaged:
        return std::nullopt;
    case Block::Valid:
        ReadBlock(gap, content);
        break;
    case Block::None:
    case Block::Foreign:
        break;
    }
    return content;
}

}  // namespace

std::optional<ProjectContent> DecodeProject(QByteArrayView bytes)
{
    const std::optional<Layout> at = LayoutOf(bytes, quint64(bytes.size()));
    if (!at)
        return std::nullopt;
    std::optional<ProjectContent> content = ContentOf(bytes, *at);
    if (content)
        content->text = StringAt(bytes, at->textOffset, at->textLength);
    return content;
}

QByteArray DigestOf(const ProjectContent& content)
{
    // Each part led by its length, so that no two contents give the same stream.
    XXH3_state_t* const state = XXH3_createState();
    if (!state)
        throw std::bad_alloc();
    XXH3_128bits_reset(state);
    const QByteArray format(1, char(content.format));
    for (const QByteArray* part : {&content.title, &content.text, &content.outputName, &format,
                                   &content.laterEntries, &content.laterBlock}) {
        char length[8];
        qToLittleEndian(quint64(part->size()), length);
        XXH3_128bits_update(state, length, sizeof length);
        XXH3_128bits_update(state, part->constData(), size_t(part->size()));
    }
    XXH128_canonical_t digest;
    XXH128_canonicalFromHash(&digest, XXH3_128bits_digest(state));
    XXH3_freeState(state);
    return QByteArray(reinterpret_cast<const char*>(digest.digest), sizeof digest.digest);
}

namespace {

// The SHA-256 digest that earlier Wendles kept, for recovery copies they left behind.
QByteArray EarlierDigestOf(const ProjectContent& content)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray* part : {&content.title, &content.text, &content.outputName}) {
        char length[8];
        qToLittleEndian(quint64(part->size()), length);
        hash.addData(QByteArrayView(length, sizeof length));
        hash.addData(*part);
    }
    return hash.result();
}

}  // namespace

bool ProjectChangedSince(const QString& path, const QByteArray& kept)
{
    if (!QFileInfo(path).isFile())
        return false;
    try {
        InputFile file(path);
        const ProjectContent content = ReadProject(file);
        const bool earlier =
            kept.size() == QCryptographicHash::hashLength(QCryptographicHash::Sha256);
        return kept.isEmpty() || (earlier ? EarlierDigestOf(content) : DigestOf(content)) != kept;
    } catch (const FileError&) {
        return true;
    }
}

bool HoldsProject(const QString& path)
{
    try {
        InputFile file(path);
        char header[kProjectHeaderSize];
        if (quint64(file.Length()) > kMaxField
            || file.Read(header, kProjectHeaderSize) != kProjectHeaderSize)
            return false;
        const std::optional<Layout> at = LayoutOf({header, kProjectHeaderSize}, file.Length());
        if (!at || at->textOffset < at->TitleEnd()
            || at->textOffset + at->textLength != quint64(file.Length())
            || at->Gap() > quint64(kMaxBlockChecked))
            return false;
        QByteArray gap(qsizetype(at->Gap()), Qt::Uninitialized);
        // Bytes of another writer between the title and the text are a project's, as Open
        // reads them; only a damaged format block is not.
        return file.ReadAt(gap.data(), gap.size(), qint64(at->TitleEnd())) == gap.size()
            && CheckBlock(gap) != Block::Damaged;
    } catch (const FileError&) {
        return false;
    }
}

void WriteProject(OutputFile& file, const ProjectContent& content)
{
    // The header, then each string from where it lies: a text of many megabytes is not copied.
    const QByteArray block = BlockOf(content);
    file.Write(HeaderOf(content, block.size()));
    for (const QByteArray* part : {&content.outputName, &content.title, &block, &content.text})
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
    std::optional<ProjectContent> content = at ? ContentOf(bytes, *at) : std::nullopt;
    if (!content)
        throw FileError(FileError::Action::Read, file.path(),
                        QCoreApplication::translate(
                            "ProjectFile", "It is not a Wendle project, or it is damaged"));
    // The text, the bulk of the file, keeps the buffer it was read into: dropping bytes from
    // the front of a QByteArray moves no data, where a copy would cost as much as the read.
    content->text = std::move(bytes);
    content->text.remove(0, qsizetype(at->textOffset));
    content->text.truncate(qsizetype(at->textLength));
    const qsizetype stored = content->text.size();
    content->text.truncate(UpToFirstNul(content->text).size());
    if (textLeftOut)
        *textLeftOut = stored - content->text.size();
    return std::move(*content);
}
