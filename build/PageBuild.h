#pragma once

#include "build/SubstituteMarkers.h"

#include <QByteArrayView>
#include <QString>

// Makes a page: reads the template whole, puts the title and the text in place of its markers
// and writes the page atomically. The template is read and checked before the page is
// touched, so on any failure an earlier page of that name stays as it was. Throws
// CommandError (FileError for file trouble) with a message for the user.
void BuildPage(const QString& templatePath, const QString& pagePath, QByteArrayView title,
               QByteArrayView text, const CodePage& codePage = CodePage::Utf8());
