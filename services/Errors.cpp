#include "services/Errors.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

CommandError::CommandError(QString message)
    : m_message(std::move(message)), m_what(m_message.toUtf8())
{
}

FileError::FileError(const QString& message, const QString& path)
    : CommandError(message), m_path(path)
{
}

FileError::FileError(Action action, const QString& path, const QString& reason)
    : FileError((action == Action::Read
                     //: %1 is the file's path, %2 the system's reason, as "No such file".
                     ? QCoreApplication::translate("Errors", "Cannot read file %1:\n%2.")
                     //: %1 is the file's path, %2 the system's reason, as "Disk full".
                     : QCoreApplication::translate("Errors", "Cannot write file %1:\n%2."))
                    .arg(QDir::toNativeSeparators(path), reason),
                path)
{
}

FileError FileError::NoFileChosen()
{
    return FileError(QCoreApplication::translate("Errors", "No file was chosen."), QString());
}

QString Printable(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == '\t' || code == '\n' || (code >= 0x20 && code < 0x7f) || code > 0x9f)
            shown += c;
        else if (code < 0x20 || code == 0x7f)
            shown += QLatin1Char('^') + QChar(code ^ 0x40);
        else
            shown += QStringLiteral("\\u%1").arg(int(code), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

void ReportFailure(const QString& message, const QString& where)
{
    std::fflush(stdout);  // what was printed before comes first in a terminal
    // Names in the message may come from a project or a folder of someone else's.
    const QString line = Printable(QString(message).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (where.isEmpty())
        std::fprintf(stderr, "wendle: %s\n", qPrintable(line));
    else
        std::fprintf(stderr, "wendle: %s: %s\n", qPrintable(Printable(where)), qPrintable(line));
}
