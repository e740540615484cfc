#pragma once

#include "services/TextFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class InputFile;
class OutputFile;

// What a project file keeps: the title, the text (CR LF line breaks), the bare file name of the
// page that Build writes (may be empty), and the text's format.
struct ProjectContent {
    QByteArray title;
    QByteArray text;
    QByteArray outputName;
    TextFormat format = TextFormat::Html;
    // What this Wendle does not understand of a later Wendle's format block, kept as read so
    // that a Save loses none of it: entries it does not know, or a whole block of a later
    // version (kept while the format stays HTML, which is what such a block is read as).
    QByteArray laterEntries = {};
    QByteArray laterBlock = {};

    bool operator==(const ProjectContent&) const = default;
};

// Where a window's work goes: the project's and the page's names, as bytes without a folder as
// the file prompt gives them, and the folders they were chosen in (saving and building write
// there, whatever folder a later prompt has moved the current directory to).
struct FileState {
    QByteArray m_strProjectName;
    QString m_strProjectFolder;
    QByteArray m_strOutputName;
    QString m_strOutputFolder;
    // The page name came from a file rather than from the user's own choice in the file
    // prompt, so Build checks where it really leads first.
    bool m_bOutputFromProject = false;
    // DigestOf the project as last read or written; empty when not known.
    QByteArray m_projectDigest;
};

// A digest of a project's content, its format included, to tell whether the file was changed by
// another program since it was read or written: two files that give the same content lose
// nothing when one replaces the other, whatever their layout. XXH3-128, whose output is fixed
// by its algorithm, not by the machine: recovery copies keep it and are read on any machine.
QByteArray DigestOf(const ProjectContent& content);

// True when the project file at `path` no longer holds the content whose digest is `kept`: it
// was changed, replaced by something else, or cannot be read; an empty `kept` (not known) counts
// as changed. A file that is gone, or a folder in its place, holds nothing that a save could lose.
bool ProjectChangedSince(const QString& path, const QByteArray& kept);

// The layout: four unsigned 32-bit little-endian fields, then the strings with no terminator.
//   0  title length      4  text offset      8  text length      12  output name length
//   16 output name, then the title; the text at the text offset.
// An HTML project's text follows its title. Any other has a format block between the title and
// the text, where a reader that takes the text from its offset never looks:
//   "WNDL", version (32 bits, 1), length of the entries (32 bits), then the entries, each a
//   4-byte tag, the length of its value (32 bits) and the value. Version 1 knows the tag "frmt",
//   whose value "markdown" makes the text Markdown; entries of other tags are kept as they are.
inline constexpr qsizetype kProjectHeaderSize = 16;

// Whether a project of these string lengths (the format block's among them) can be written so
// that ReadProject takes it back: every field, and the whole file, must stay below 4 GiB.
bool ProjectFits(quint64 nameLength, quint64 titleLength, quint64 textLength,
                 quint64 blockLength = 0);

// The file's bytes. Throws CommandError when the project does not fit.
QByteArray EncodeProject(const ProjectContent& content);

// The content of a project file's bytes, or nullopt when they are not a well-formed project:
// shorter than the header, with a string reaching past the end, or with a damaged format block
// (its lengths do not fit, or it holds more than 1 MiB).
// The text is taken from the stored offset; each string ends early at its first NUL byte. Bytes
// between the title and the text that are no format block are not read, as in files of other
// writers. Reads only inside `bytes`.
std::optional<ProjectContent> DecodeProject(QByteArrayView bytes);

// True when the file at `path` is laid out exactly as a project: the strings, and the format
// block or another writer's bytes between the title and the text, fill it from the header to its
// end. A file of another kind whose first bytes only happen to read as lengths inside it (a
// program, a zeroed disc image) is not.
bool HoldsProject(const QString& path);

// Writes the content. Throws FileError or CommandError.
void WriteProject(OutputFile& file, const ProjectContent& content);

// Reads a whole project file. Throws FileError when it cannot be read or is not well formed.
// `textLeftOut`, when given, is told how many bytes of the stored text follow a NUL byte and so
// are not in the content's text (0 when it holds none).
ProjectContent ReadProject(InputFile& file, qint64* textLeftOut = nullptr);
