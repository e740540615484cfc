#include "services/WindowText.h"

#include "services/ByteString.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <QStringDecoder>

namespace {

// Bytes that are not UTF-8 most likely come from a project saved on a Windows system whose
// code page is Windows-1252. Decoded as that, every character survives into the field and is
// saved again as UTF-8, where UTF-8 decoding would put replacement characters in its place.
QString DecodeBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

}  // namespace

QString FieldTextFromBytes(QByteArrayView bytes)
{
    QString text = DecodeBytes(UpToFirstNul(bytes));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QByteArray BytesFromFieldText(const QString& text)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return crlf.toUtf8();
}

QByteArray GetWindowText(const QLineEdit& field)
{
    return field.text().toUtf8();
}

QByteArray GetWindowText(const QPlainTextEdit& field)
{
    // toPlainText() would turn no-break spaces into plain spaces; the raw text keeps them and
    // separates lines with U+2029 (paragraphs) or U+2028 (line breaks within one).
    QString text = field.document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return BytesFromFieldText(text);
}

void SetWindowText(QLineEdit& field, QByteArrayView bytes)
{
    field.setText(FieldTextFromBytes(bytes));
}

void SetWindowText(QPlainTextEdit& field, QByteArrayView bytes)
{
    field.setPlainText(FieldTextFromBytes(bytes));
}
