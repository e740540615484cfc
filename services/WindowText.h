#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

class QLineEdit;
class QPlainTextEdit;

// The fields' text as byte strings in the program's code page, UTF-8. In the bytes a line
// break is carriage return + line feed; setting a field stops at the first NUL byte, and
// bytes that are not valid UTF-8 are read as Windows-1252.
//
// A command reads a field once, in the field's own form (FieldText), converts that once
// (BytesFromFieldText), and keeps the same text to tell later whether it was changed.

// The text as the field holds it. In the text field lines end with the document's own
// separators, U+2029 between paragraphs and U+2028 within one.
QString FieldText(const QLineEdit& field);
QString FieldText(const QPlainTextEdit& field);

// Sets the field from bytes; gives the text it was set to.
QString SetWindowText(QLineEdit& field, QByteArrayView bytes);
QString SetWindowText(QPlainTextEdit& field, QByteArrayView bytes);

// Bytes from a file or an argument as text, the one rule for names and fields alike: valid
// UTF-8 stays as it is, anything else is read as Windows-1252 (a project saved on Windows).
QString TextFromBytes(QByteArrayView bytes);

// A command-line argument as text, with nothing lost: valid UTF-8 as it is; anything else with
// each byte from 0x80 up as a lone surrogate, U+DC80 to U+DCFF, as Python's surrogateescape
// does, so that ArgumentBytes gives the bytes back. A file name holding such a character names
// no file Wendle can open (see AbsolutePath); a title gets its bytes back and TextFromBytes.
QString ArgumentText(QByteArrayView bytes);
QByteArray ArgumentBytes(QStringView text);
// Whether an argument was not UTF-8; the bytes it held, with each one from 0x80 up shown as
// \xNN, for a message.
bool HoldsEscapedBytes(QStringView text);
QString ShownEscaped(QStringView text);

// The conversions, each one pass over the text: bytes to a field's text (CR LF to LF), and a
// field's text to bytes (any line separator to CR LF).
QString FieldTextFromBytes(QByteArrayView bytes);
QByteArray BytesFromFieldText(QStringView text);

// The bytes a text gives when it is put into the text field and taken back: FieldTextFromBytes
// then BytesFromFieldText, in one pass over the bytes when they are UTF-8, as most are.
QByteArray TextBytesAsBuilt(QByteArrayView bytes);

// True when two field texts are the same but for how their lines are separated.
bool SameFieldText(QStringView a, QStringView b);
