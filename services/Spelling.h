#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

struct str_enchant_dict;

// A spelling dictionary of the desktop's spelling layer, Enchant 2: its providers (Hunspell
// with Debian's dictionaries, Aspell, ...) in the user's order, and the user's personal word
// list, shared with the other programs of the desktop. Enchant looks for the user's own
// dictionaries in $ENCHANT_CONFIG_DIR (else $XDG_CONFIG_HOME/enchant), e.g. hunspell/de_DE.dic.
class Speller {
public:
    // The dictionary of a language tag ("de-DE", "de_DE", "de"), or none when no provider has
    // one. Dictionaries are loaded once and kept for the run, so that "Ignore All" lasts it; a
    // language without one is looked up again by the next Speller.
    explicit Speller(const QString& language = {});

    const QString& Language() const { return m_language; }
    bool HasDictionary() const { return m_dict != nullptr; }

    // True for a word the dictionary knows, and for every word when there is no dictionary.
    bool Check(QStringView word) const;
    // The dictionary's best guesses, at most `most`.
    QStringList Suggest(QStringView word, int most) const;
    // Into the user's personal word list, for every program and every later run.
    void Add(QStringView word) const;
    // Known for the rest of the run only.
    void Ignore(QStringView word) const;

    // The Debian package that brings a Hunspell dictionary for the language: "hunspell-de-de".
    static QString PackageFor(const QString& language);

private:
    QString m_language;
    str_enchant_dict* m_dict = nullptr;
};
