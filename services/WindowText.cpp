#include "services/WindowText.h"

#include "services/ByteString.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextDocument>

#include <algorithm>

namespace {

bool IsLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
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
