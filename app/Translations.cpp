#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// Qt takes its layout direction from this entry of the catalogues: Arabic lays the window out
// right to left even where Qt's own catalogue is not installed.
[[maybe_unused]] static const char* const kLayoutDirection =
    //: "RTL" in languages written right to left, else "LTR". Not shown.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QStringList UserLanguages()
{
    // Qt reads LANGUAGE before the locale; gettext ignores it when the messages' locale is set
    // to C. (With no locale set at all, LANGUAGE alone still chooses, as a user who sets it means.)
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (value == "C" || value == "POSIX")
            return {};
        if (!value.isEmpty())
            break;
    }
    return QLocale::system().uiLanguages();
}

namespace {

// Loads the catalogue of the first of `languages` Wendle speaks; false for English, met first,
// and for a list with no language Wendle speaks.
bool LoadCatalogue(QTranslator& translator, const QStringList& languages, QLocale& chosen)
{
    for (const QString& language : languages) {
        const QLocale locale(language);
        // The source strings are English: a user who prefers English before another language
        // gets English, not the next language of the list.
        if (locale.language() == QLocale::English)
            return false;
        // Tries de_AT, then de: the catalogue of the language when there is none of the region.
        if (translator.load(locale, QStringLiteral("wendle"), QStringLiteral("_"),
                            QStringLiteral(":/i18n"))) {
            chosen = locale;
            return true;
        }
    }
    return false;
}

}  // namespace

QString InstallTranslations(const QStringList& languages)
{
    static QTranslator wendle;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&wendle);
    QCoreApplication::removeTranslator(&qt);
    QLocale locale;
    if (!LoadCatalogue(wendle, languages, locale))
        return {};
    QCoreApplication::installTranslator(&wendle);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return wendle.language();
}

QString TranslateAlone(const char* context, const char* source, const QStringList& languages)
{
    QTranslator wendle;
    QLocale locale;
    const QString translated =
        LoadCatalogue(wendle, languages, locale) ? wendle.translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
