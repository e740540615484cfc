#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
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

// Paths, file names, addresses and option names put into a sentence written right to left are
// runs of left-to-right text: the bidirectional algorithm would tear "/home/a/b.wendle:" apart
// and move its slashes and colon to the other end. In a catalogue of a language written right to
// left, each placeholder and each option name is set apart as a first-strong isolate (U+2068 ...
// U+2069), so that it is laid out whole, in its own direction, wherever the message is shown.
// Left to right nothing changes.
QString IsolateLeftToRight(const QString& translation)
{
    static const QRegularExpression kRuns(QStringLiteral("(%L?[0-9]+|%n|--[a-z][a-z-]*)"));
    QString isolated = translation;
    return isolated.replace(kRuns, QStringLiteral("\u2068\\1\u2069"));
}

class Catalogue : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        const QString translation = QTranslator::translate(context, source, disambiguation, n);
        return m_rightToLeft ? IsolateLeftToRight(translation) : translation;
    }

    bool Load(const QLocale& locale, const QString& name, const QString& folder)
    {
        m_rightToLeft = locale.textDirection() == Qt::RightToLeft;
        return load(locale, name, QStringLiteral("_"), folder);
    }

private:
    bool m_rightToLeft = false;
};

// Loads the catalogue of the first of `languages` Wendle speaks; false for English, met first,
// and for a list with no language Wendle speaks.
bool LoadCatalogue(Catalogue& translator, const QStringList& languages, QLocale& chosen)
{
    for (const QString& language : languages) {
        const QLocale locale(language);
        // The source strings are English: a user who prefers English before another language
        // gets English, not the next language of the list.
        if (locale.language() == QLocale::English)
            return false;
        // Tries de_AT, then de: the catalogue of the language when there is none of the region.
        if (translator.Load(locale, QStringLiteral("wendle"), QStringLiteral(":/i18n"))) {
            chosen = locale;
            return true;
        }
    }
    return false;
}

}  // namespace

QString InstallTranslations(const QStringList& languages)
{
    static Catalogue wendle;
    static Catalogue qt;
    QCoreApplication::removeTranslator(&wendle);
    QCoreApplication::removeTranslator(&qt);
    QLocale locale;
    if (!LoadCatalogue(wendle, languages, locale))
        return {};
    QCoreApplication::installTranslator(&wendle);
    if (qt.Load(locale, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    return wendle.language();
}

QString TranslateAlone(const char* context, const char* source, const QStringList& languages)
{
    Catalogue wendle;
    QLocale locale;
    const QString translated =
        LoadCatalogue(wendle, languages, locale) ? wendle.translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
