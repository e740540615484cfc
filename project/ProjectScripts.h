#pragma once

#include <QString>
#include <QStringList>

// Prints each project as text for people and for `git diff` (title and page lines, a blank
// line, then the text with LF line breaks, all as UTF-8), or with `json` one JSON object a line
// with "title", "text" and "page". A project that cannot be read is one line on standard error
// and the others are still shown. Gives 0, or 1 when any failed. `paths` are the `projects`,
// as given, made absolute.
int RunShow(const QStringList& projects, const QStringList& paths, bool json);

// Writes the sample template and the welcome project into `folder` (as given; `path` is the same
// folder, absolute), made when missing, never over an existing file (each kept is named), and
// prints the command that opens the project. Anything but a file in the way of either is an
// error, and nothing is written. Gives 0, or 1 after a message.
int RunInit(const QString& folder, const QString& path);
