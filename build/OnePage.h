#pragma once

#include <QString>

class ProfileStore;

// One page from a title and a text, without a project or a window (wendle --output). Files are
// named by absolute paths.
struct OnePage {
    QString page;  // the page's file, "-" for standard output
    QString templateFile;  // empty: the profile's template, looked up in the page's folder
    QByteArray title;  // as typed: valid UTF-8, or else Windows-1252
    QString textFile;  // empty: no text; "-": standard input
    QString from;  // the text's format by name; empty: by the text file's name
    QString saveProject;  // also save title, text and page name as this project, unless empty
};

// Builds the page the window would build from the same title and text typed into its fields:
// a page file as Build writes it (atomic, durable, never over its template or its text's file),
// standard output as the page build streams it. Gives the exit status: 0, or 1 after one line
// "wendle: MESSAGE" on standard error.
int RunOnePage(const OnePage& request, const ProfileStore& profile);
