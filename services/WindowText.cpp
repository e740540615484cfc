#include "services/WindowText.h"

#include "services/ByteString.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextDocument>

#include <algorithm>
#include <cstring>

namespace {

bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// A byte of an argument that is not UTF-8 is kept as U+DC00 + the byte: a lone surrogate, which
// no valid UTF-8 decodes to, so it cannot be mistaken for a character that was typed.
constexpr char16_t kEscapedBytes = 0xdc00;

bool IsEscapedByte(QChar c)
{
    return c.unicode() >= kEscapedBytes + 0x80 && c.unicode() <= kEscapedBytes + 0xff;
}

}  // namespace

// Bytes that are not UTF-8 most likely come from a project saved on a Windows system whose
// code page is Windows-1252. Decoded as that, every character survives into the field and is
// saved again as UTF-8, where UTF-8 decoding would put replacement characters in its place.
QString TextFromBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

QString ArgumentText(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char byte) {
        return QChar(char16_t(uchar(byte) < 0x80 ? uchar(byte) : kEscapedBytes + uchar(byte)));
    });
    return text;
}

QByteArray ArgumentBytes(QStringView text)
{
    if (!HoldsEscapedBytes(text))
        return text.toUtf8();
    // Then every character is ASCII or an escaped byte, as ArgumentText made it.
    QByteArray bytes(text.size(), Qt::Uninitialized);
    std::transform(text.begin(), text.end(), bytes.begin(), [](QChar c) {
        return char(IsEscapedByte(c) ? c.unicode() - kEscapedBytes : c.unicode());
    });
    return bytes;
}

bool HoldsEscapedBytes(QStringView text)
{
    return std::any_of(text.begin(), text.end(), IsEscapedByte);
}

QString ShownEscaped(QStringView text)
{
    QString shown;
    for (const QChar c : text)
        shown += IsEscapedByte(c) ? QStringLiteral("\\x%1").arg(c.unicode() - kEscapedBytes, 2, 16)
                                  : QString(c);
    return shown;
}

QString FieldText(const QLineEdit& field)
{
    return field.text();
}

QString FieldText(const QPlainTextEdit& field)
{
    // toPlainText() would turn no-break spaces into plain spaces; the raw text keeps them.
    return field.document()->toRawText();
}

QString FieldTextFromBytes(QByteArrayView bytes)
{
    QString text = TextFromBytes(UpToFirstNul(bytes));
    // CR LF to LF in place, in one pass: QString::replace would move the rest of the text for
    // each of them.
    const QChar* in = text.constData();
    const QChar* const end = in + text.size();
    QChar* const begin = text.data();
    QChar* out = begin;
    for (; in != end; ++in) {
        if (*in != QLatin1Char('\r') || in + 1 == end || in[1] != QLatin1Char('\n'))
            *out++ = *in;
    }
    text.truncate(out - begin);
    return text;
}

QByteArray BytesFromFieldText(QStringView text)
{
    // Each line is encoded straight into one buffer of the largest size it can take, followed
    // by CR LF, so the text is read once and the bytes are never moved.
    QStringEncoder utf8(QStringEncoder::Utf8);
    const auto breaks = std::count_if(text.begin(), text.end(), IsLineBreak);
    QByteArray bytes(utf8.requiredSpace(text.size()) + breaks, Qt::Uninitialized);
    char* out = bytes.data();
    for (auto line = text.begin(); line != text.end();) {
        const auto next = std::find_if(line, text.end(), IsLineBreak);
        out = utf8.appendToBuffer(out, QStringView(line, next));
        if (next == text.end())
            break;
        *out++ = '\r';
        *out++ = '\n';
        line = next + 1;
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

QByteArray TextBytesAsBuilt(QByteArrayView bytes)
{
    bytes = UpToFirstNul(bytes);
    if (bytes.isEmpty())
        return {};  // an empty view may have no data for memchr
    if (!bytes.isValidUtf8())
        return BytesFromFieldText(FieldTextFromBytes(bytes));
    // As the round trip through the field's text: a LF gets the CR it lacks, U+2028 and U+2029
    // become CR LF, and everything else stays. The spans between are copied whole, so that a
    // long text costs a few copies of memory, not a test of each byte.
    QByteArray built(bytes.size() + std::count(bytes.begin(), bytes.end(), '\n'),
                     Qt::Uninitialized);
    char* out = built.data();
    const char* in = bytes.begin();
    const char* const end = bytes.end();
    const auto find = [](const char* from, const char* until, char c) {
        const void* found = std::memchr(from, c, size_t(until - from));
        return found ? static_cast<const char*>(found) : until;
    };
    const auto copy = [&out](const char* from, const char* until) {
        out = std::copy(from, until, out);
    };
    const auto lineBreak = [&out] {
        *out++ = '\r';
        *out++ = '\n';
    };
    for (const char* lf = find(in, end, '\n'); in < end;) {
        if (lf < in)
            lf = find(in, end, '\n');
        const char* const lead = find(in, lf, '\xe2');
        if (lead < lf) {
            const bool separator =
                end - lead > 2 && lead[1] == '\x80' && (lead[2] == '\xa8' || lead[2] == '\xa9');
            copy(in, separator ? lead : lead + 1);
            if (separator)
                lineBreak();
            in = separator ? lead + 3 : lead + 1;
            continue;
        }
        copy(in, lf);
        if (lf == end)
            break;
        if (lf == bytes.begin() || lf[-1] != '\r')
            lineBreak();
        else
            *out++ = '\n';
        in = lf + 1;
    }
    built.truncate(out - built.constData());
    return built;
}

bool SameFieldText(QStringView a, QStringView b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](QChar x, QChar y) {
        return x == y || (IsLineBreak(x) && IsLineBreak(y));
    });
}

QString SetWindowText(QLineEdit& field, QByteArrayView bytes)
{
    QString text = FieldTextFromBytes(bytes);
    field.setText(text);
    return text;
}

QString SetWindowText(QPlainTextEdit& field, QByteArrayView bytes)
{
    QString text = FieldTextFromBytes(bytes);
    field.setPlainText(text);
    return text;
}
