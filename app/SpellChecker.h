#pragma once

#include "services/Spelling.h"

#include <QByteArrayView>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class ProfileStore;
class QAbstractButton;
class QPlainTextEdit;

// The profile's entry for the spelling check: "0" off, anything else (or none) on.
inline constexpr char kSpellingSection[] = "Spelling";
inline constexpr char kSpellingEntry[] = "Check";

// The language a page is spelled in: the template's <html lang="..."> in its first bytes, else
// the first of the user's languages, else American English.
QString PageLanguage(QByteArrayView templateHead, const QStringList& userLanguages);

// Underlines the misspelled words of a text field in the page's language, with the platform's
// spelling underline, and offers corrections in the field's context menu (also from the menu key
// and Shift+F10). Only the lines on screen and a few around them are checked, when they come into
// view or change, so that a text of any size costs no more than a screenful.
class SpellChecker : public QObject {
    Q_OBJECT

public:
    // `templatePath` gives the template the window builds with now; `markdown`, when checked,
    // says that the text is Markdown.
    SpellChecker(QPlainTextEdit& field, QAbstractButton* markdown, ProfileStore& profile,
                 std::function<QString()> templatePath);

    // Words checked so far: the text never shown is never checked.
    qint64 WordsChecked() const { return m_checked; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Schedule();
    void Recheck();
    void Underline();
    // The language of the template the window would build with, read again when that changes.
    void FollowTemplate();
    const Speller& Dictionary();
    bool Misspelled(const QString& word);
    // The context menu at `where` in the viewport, for the word at `position` in the text.
    void ShowMenu(QPoint where, int position);

    QPlainTextEdit& m_field;
    QAbstractButton* m_markdown;
    ProfileStore& m_profile;
    std::function<QString()> m_templatePath;
    QString m_template;
    QString m_language;
    std::optional<Speller> m_speller;
    bool m_on = true;
    QHash<QString, bool> m_misspelled;
    qint64 m_checked = 0;
    QTimer m_pending;
};
