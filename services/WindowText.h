#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QLineEdit;
class QPlainTextEdit;

// The fields' text as byte strings in the program's code page, UTF-8. In the bytes a line
// break is carriage return + line feed; setting a field stops at the first NUL byte, and
// bytes that are not valid UTF-8 are read as Windows-1252.
QByteArray GetWindowText(const QLineEdit& field);
QByteArray GetWindowText(const QPlainTextEdit& field);
void SetWindowText(QLineEdit& field, QByteArrayView bytes);
void SetWindowText(QPlainTextEdit& field, QByteArrayView bytes);

// The conversions behind the functions above.
QString FieldTextFromBytes(QByteArrayView bytes);
QByteArray BytesFromFieldText(const QString& text);
