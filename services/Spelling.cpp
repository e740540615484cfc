#include "services/Spelling.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <enchant.h>

#include <memory>

namespace {

// Enchant finds the user's dictionaries in $ENCHANT_CONFIG_DIR, else $XDG_CONFIG_HOME/enchant, as
// given: a relative folder would be taken from the current one, which Wendle moves to each
// project's folder, whose files would then be read as the user's dictionaries and receive the words
// added. A relative folder counts as none (the XDG rule, as for Wendle's own files).
void KeepEnchantFoldersAbsolute()
{
    if (QDir::isAbsolutePath(qEnvironmentVariable("ENCHANT_CONFIG_DIR")))
        return;
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString folder = QDir::isAbsolutePath(config) ? config : QDir::home().filePath(".config");
    qputenv("ENCHANT_CONFIG_DIR", QFile::encodeName(folder + QStringLiteral("/enchant")));
}

// One broker for the run: creating it loads every provider's module, which is done at the first
// word checked rather than at start-up. Dictionaries stay loaded until the program ends.
class Broker {
public:
    ~Broker()
    {
        if (!m_broker)
            return;
        for (EnchantDict* dict : std::as_const(m_dicts))
            if (dict)
                enchant_broker_free_dict(m_broker, dict);
        enchant_broker_free(m_broker);
    }

    EnchantDict* Dictionary(const QString& language)
    {
        if (const auto found = m_dicts.constFind(language); found != m_dicts.cend())
            return *found;
        if (!m_broker) {
            KeepEnchantFoldersAbsolute();
            m_broker = enchant_broker_init();
        }
        const QByteArray tag = language.toUtf8();
        EnchantDict* dict = m_broker && !tag.isEmpty() && enchant_broker_dict_exists(m_broker, tag)
            ? enchant_broker_request_dict(m_broker, tag)
            : nullptr;
        // A language without one is asked about again: a dictionary installed meanwhile is found.
        if (dict)
            m_dicts.insert(language, dict);
        return dict;
    }

private:
    EnchantBroker* m_broker = nullptr;
    QHash<QString, EnchantDict*> m_dicts;
};

Broker& TheBroker()
{
    static Broker broker;
    return broker;
}

}  // namespace

Speller::Speller(const QString& language) : m_language(language)
{
    if (!language.isEmpty())
        m_dict = TheBroker().Dictionary(language);
}

bool Speller::Check(QStringView word) const
{
    const QByteArray utf8 = word.toUtf8();
    // 0 is a known word, a negative number an error: neither is underlined.
    return !m_dict || enchant_dict_check(m_dict, utf8.constData(), utf8.size()) <= 0;
}

QStringList Speller::Suggest(QStringView word, int most) const
{
    QStringList guesses;
    if (!m_dict)
        return guesses;
    const QByteArray utf8 = word.toUtf8();
    size_t count = 0;
    char** list = enchant_dict_suggest(m_dict, utf8.constData(), utf8.size(), &count);
    for (size_t i = 0; i < count && guesses.size() < most; ++i)
        guesses << QString::fromUtf8(list[i]);
    if (list)
        enchant_dict_free_string_list(m_dict, list);
    return guesses;
}

void Speller::Add(QStringView word) const
{
    const QByteArray utf8 = word.toUtf8();
    if (m_dict)
        enchant_dict_add(m_dict, utf8.constData(), utf8.size());
}

void Speller::Ignore(QStringView word) const
{
    const QByteArray utf8 = word.toUtf8();
    if (m_dict)
        enchant_dict_add_to_session(m_dict, utf8.constData(), utf8.size());
}

QString Speller::PackageFor(const QString& language)
{
    return QStringLiteral("hunspell-")
        + language.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}
