#pragma once

#include <QLocale>
#include <QStringList>

// The languages the environment asks for, as gettext reads them: none (English) while messages
// are in the C locale, whatever LANGUAGE says, so `LC_ALL=C wendle ...` gives English to a script.
QStringList UserLanguages();

// Makes the program speak the first of `languages` that it has a catalogue for, with Qt's own
// catalogue of the same language for the standard buttons and dialogs. English, met first, and
// a list with no language Wendle speaks leave the built-in English. A second call replaces the
// first one's catalogues. Gives the catalogue's language, or an empty string for English.
QString InstallTranslations(const QStringList& languages = UserLanguages());

// One text in the language InstallTranslations would choose, with nothing installed and no
// application needed: for what is said while the application is missing or half built (Qt's
// fatal message handler), when no event may be sent to it.
QString TranslateAlone(const char* context, const char* source,
                       const QStringList& languages = UserLanguages());
