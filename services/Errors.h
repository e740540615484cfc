#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// An error that ends the running command. Its message is shown to the user as it stands,
// so it must name what went wrong in plain words.
class CommandError : public std::exception {
public:
    explicit CommandError(QString message);

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// A file could not be opened, read or written. The message names the file (native path)
// and the system's reason.
class FileError : public CommandError {
public:
    enum class Action { Read, Write };

    FileError(Action action, const QString& path, const QString& reason);

    // The empty name a cancelled file prompt leaves behind.
    static FileError NoFileChosen();

    const QString& path() const noexcept { return m_path; }

private:
    explicit FileError(const QString& message, const QString& path);

    QString m_path;
};

// Text from elsewhere (a project, a file's name) shown on a terminal: an escape character in it
// could move the cursor, retitle the window or hide lines of a diff. Control characters other
// than tab and line feed are shown as `cat -v` shows them (^[ for escape, ^M for a carriage
// return, ^? for delete), and the C1 controls, which some terminals also obey, as \u0080 to
// \u009f.
QString Printable(const QString& text);

// A failure of a run without the window: one line on standard error, "wendle: WHERE: MESSAGE"
// (or "wendle: MESSAGE" without `where`), the message's line breaks made spaces, and Printable.
void ReportFailure(const QString& message, const QString& where = {});
