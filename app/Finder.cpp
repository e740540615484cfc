#include "app/Finder.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

#include <functional>
#include <limits>
#include <new>
#include <vector>

namespace {

// The finder's keys, on `window`, each calling `act` with its key.
void AddKeys(QWidget* window, const std::function<void(QKeyCombination)>& act)
{
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_F, Qt::CTRL | Qt::Key_H,
                                      QKeyCombination(Qt::Key_F3), Qt::SHIFT | Qt::Key_F3}) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        QObject::connect(shortcut, &QShortcut::activated, window, [act, key] { act(key); });
    }
}

// The character that ends at `at`, and the one that starts there, read whole where it is a pair
// of surrogates; 0 past the ends of the text.
char32_t CharacterBefore(QStringView text, qsizetype at)
{
    if (at <= 0)
        return 0;
    if (at >= 2 && text[at - 1].isLowSurrogate() && text[at - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[at - 2], text[at - 1]);
    return text[at - 1].unicode();
}

char32_t CharacterAt(QStringView text, qsizetype at)
{
    if (at >= text.size())
        return 0;
    if (at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[at], text[at + 1]);
    return text[at].unicode();
}

// Letters and digits, and the combining marks that accents are in decomposed text ("e" and
// U+0301 are "é"), which belong to the letter before them.
bool IsWordPart(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c);
}

bool IsWholeWord(QStringView text, qsizetype at, qsizetype length)
{
    return !IsWordPart(CharacterBefore(text, at)) && !IsWordPart(CharacterAt(text, at + length));
}

// A pattern that matches `what` as it is. QRegularExpression::escape writes a NUL as "\0",
// which PCRE2 reads as one octal escape with the digits after it ("\011" is a tab).
QString LiteralPattern(const QString& what)
{
    QStringList parts = what.split(QChar());
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    return parts.join(QLatin1String("\\x{0}"));
}

}  // namespace

void Finder::AddTo(QPlainTextEdit& field)
{
    AddKeys(field.window(), [&field](QKeyCombination key) {
        Finder* finder = nullptr;
        try {
            finder = &Of(field);
        } catch (const std::bad_alloc&) {
            return;  // no finder to say it in
        }
        finder->Safely([finder, key] {
            if (key.key() == Qt::Key_F3 && !finder->m_what->text().isEmpty())
                finder->Find(key.keyboardModifiers() == Qt::ShiftModifier);
            else
                finder->Open(key == (Qt::CTRL | Qt::Key_H));
        });
    });
}

Finder& Finder::Of(QPlainTextEdit& field)
{
    auto* finder = field.window()->findChild<Finder*>(QString(), Qt::FindDirectChildrenOnly);
    return finder ? *finder : *new Finder(field);
}

Finder::Finder(QPlainTextEdit& field) : QDialog(field.window()), m_field(field)
{
    // Created in the order of the keyboard's Tab.
    //: The label of the field that holds the text to find.
    auto* whatLabel = new QLabel(tr("Fi&nd what:"), this);
    m_what = new QLineEdit(this);
    //: The label of the field that holds the text that replaces what is found.
    m_withLabel = new QLabel(tr("Re&place with:"), this);
    m_with = new QLineEdit(this);
    m_case = new QCheckBox(tr("&Match case"), this);
    //: Finds the text only where it is a whole word, not part of a longer one.
    m_words = new QCheckBox(tr("&Whole words"), this);
    auto* next = new QPushButton(tr("&Find Next"), this);
    auto* previous = new QPushButton(tr("Find Pre&vious"), this);
    //: A button: replaces the match that is selected, then finds the next one.
    m_replace = new QPushButton(tr("&Replace"), this);
    m_replaceAll = new QPushButton(tr("Replace &All"), this);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    // QLineEdit cuts text at 32767 characters by default: a longer search would find only its
    // start, and a longer replacement would be put in cut.
    m_what->setMaxLength(std::numeric_limits<int>::max());
    m_with->setMaxLength(std::numeric_limits<int>::max());
    whatLabel->setBuddy(m_what);
    m_withLabel->setBuddy(m_with);
    next->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(whatLabel, 0, 0);
    grid->addWidget(m_what, 0, 1);
    grid->addWidget(next, 0, 2);
    grid->addWidget(m_withLabel, 1, 0);
    grid->addWidget(m_with, 1, 1);
    grid->addWidget(previous, 1, 2);
    grid->addWidget(m_case, 2, 1);
    grid->addWidget(m_replace, 2, 2);
    grid->addWidget(m_words, 3, 1);
    grid->addWidget(m_replaceAll, 3, 2);
    grid->addWidget(m_note, 4, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(next, &QPushButton::clicked, this, [this] { Safely([this] { Find(false); }); });
    connect(previous, &QPushButton::clicked, this, [this] { Safely([this] { Find(true); }); });
    connect(m_replace, &QPushButton::clicked, this, [this] { Safely([this] { Replace(); }); });
    connect(m_replaceAll, &QPushButton::clicked, this,
            [this] { Safely([this] { ReplaceAll(); }); });
    connect(m_field.document(), &QTextDocument::contentsChange, this, &Finder::Changed);
    AddKeys(this, [this](QKeyCombination key) {
        Safely([this, key] {
            if (key.key() == Qt::Key_F3)
                Find(key.keyboardModifiers() == Qt::ShiftModifier);
            else
                Open(key == (Qt::CTRL | Qt::Key_H));
        });
    });
}

void Finder::Open(bool replace)
{
    //: The title of the finder's window when it finds, and when it also replaces.
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    for (QWidget* widget : {static_cast<QWidget*>(m_withLabel), static_cast<QWidget*>(m_with),
                            static_cast<QWidget*>(m_replace), static_cast<QWidget*>(m_replaceAll)})
        widget->setVisible(replace);
    // A word or a phrase selected in the text is what is looked for.
    const QString selected = m_field.textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_what->setText(selected);
    m_note->clear();
    Text();  // while the user types what to find, rather than at the first search
    show();
    raise();
    activateWindow();
    m_what->setFocus();
    m_what->selectAll();
}

void Finder::Safely(const std::function<void()>& work)
{
    // Nothing may escape into the event loop; what can fail is the copy of a long text.
    try {
        work();
    } catch (const std::bad_alloc&) {
        m_text = QString();
        m_textRead = false;
        Say(tr("There is not enough memory to search this text."));
    } catch (const std::exception& error) {
        //: %1 is the reason the system or the library gave, as it gave it.
        Say(tr("The search failed: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

void Finder::Say(const QString& note)
{
    m_note->setText(note);
    if (!note.isEmpty() && isHidden()) {
        // F3 with the finder closed, or a failure before it opened: the note is the only answer,
        // so the finder comes up to say it, and the focus stays in the text.
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        m_field.window()->activateWindow();  // for platforms that activate what is shown
    }
}

void Finder::reject()
{
    QDialog::reject();
    m_field.window()->activateWindow();
    m_field.setFocus();
}

void Finder::hideEvent(QHideEvent* event)
{
    // The text read for searching may be large: it is not kept while nobody searches.
    m_text = QString();
    m_textRead = false;
    QDialog::hideEvent(event);
}

void Finder::Changed(int position, int /*removed*/, int added)
{
    // A note about the text as it was is stale now.
    m_note->clear();
    if (!m_textRead)
        return;
    // Only the span changed is read again, at the next search: its start, and how much of the
    // end stayed. Qt counts the last line's end in when the whole text is replaced, so the counts
    // may be one too many, never too few.
    const qsizetype size = m_field.document()->characterCount() - 1;
    const qsizetype from = qBound(qsizetype(0), qsizetype(position), size);
    const qsizetype tail = qBound(qsizetype(0), size - from - added, size - from);
    const bool first = m_changedFrom < 0;
    m_changedFrom = first ? from : qMin(m_changedFrom, from);
    m_unchangedTail = first ? tail : qMin(m_unchangedTail, tail);
}

const QString& Finder::Text()
{
    // QTextDocument::find reads the text a line at a time, which at 64 MiB takes a second; read
    // whole, it is searched in a tenth of that, and after an edit only the span changed is read.
    const qsizetype size = m_field.document()->characterCount() - 1;
    if (m_textRead && m_changedFrom >= 0 && 2 * (size - m_unchangedTail - m_changedFrom) > size) {
        // Most of it changed (another project opened): read whole again, without holding the old
        // copy and the new span beside the result.
        m_text = QString();
        m_textRead = false;
    }
    if (!m_textRead) {
        m_text = m_field.document()->toRawText();
        m_validText = m_text.isValidUtf16();
    } else if (m_changedFrom >= 0) {
        QTextCursor span(m_field.document());
        span.setPosition(int(m_changedFrom));
        span.setPosition(int(size - m_unchangedTail), QTextCursor::KeepAnchor);
        const QString changed = span.selectedText();
        m_text.replace(m_changedFrom, m_text.size() - m_unchangedTail - m_changedFrom, changed);
        // The rest was valid UTF-16 and is unchanged: only the new span, and a pair of
        // surrogates either side of it, are checked.
        const qsizetype start = m_changedFrom
            - (m_changedFrom > 0 && m_text[m_changedFrom - 1].isHighSurrogate() ? 1 : 0);
        qsizetype end = m_changedFrom + changed.size();
        end += end < m_text.size() && m_text[end].isLowSurrogate() ? 1 : 0;
        m_validText = m_validText ? QStringView(m_text).mid(start, end - start).isValidUtf16()
                                  : m_text.isValidUtf16();
    }
    m_textRead = true;
    m_changedFrom = -1;
    m_unchangedTail = -1;
    return m_text;
}

QString Finder::What() const
{
    // Lines pasted into the search come with "\n" or "\r\n" between them; the field's text
    // holds a paragraph separator there.
    QString what = m_what->text();
    if (what.contains(u'\n') || what.contains(u'\r'))
        what.replace(QLatin1String("\r\n"), QString(QChar::ParagraphSeparator))
            .replace(u'\r', QChar::ParagraphSeparator)
            .replace(u'\n', QChar::ParagraphSeparator);
    return what;
}

qsizetype Finder::Search(const QString& text, const QString& what, qsizetype from, bool backward)
{
    // An empty search would stop at every place in the text, none of them a word.
    if (what.isEmpty())
        return -1;
    const Qt::CaseSensitivity sensitivity =
        m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Forward, PCRE2's compiled search ignores case as fast as it matches it, where QString
    // takes three times as long; it is compiled once for what is looked for, and the text is
    // checked once, when it is read, for the valid UTF-16 that PCRE2 needs.
    // Whole words are asked of PCRE2 too, so that it does not stop at each match inside a word:
    // a character of the same classes as IsWordPart's neither before nor after.
    const auto options = m_case->isChecked() ? QRegularExpression::NoPatternOption
                                             : QRegularExpression::CaseInsensitiveOption;
    if (what != m_forwardWhat || m_words->isChecked() != m_forwardWords
        || options != m_forward.patternOptions()) {
        QString pattern = LiteralPattern(what);
        if (m_words->isChecked())
            pattern = QStringLiteral("(?<![\\p{L}\\p{N}\\p{M}])") + pattern
                + QStringLiteral("(?![\\p{L}\\p{N}\\p{M}])");
        m_forward = QRegularExpression(pattern, options);
        m_forwardWhat = what;
        m_forwardWords = m_words->isChecked();
    }
    // PCRE2 refuses a pattern of some 32,000 characters and more as too large; QString searches
    // for it all the same.
    const bool compiled = m_validText && m_forward.isValid();
    for (qsizetype at = from; at >= 0 && at <= text.size();) {
        at = backward  ? text.lastIndexOf(what, at, sensitivity)
            : compiled ? m_forward
                             .match(text, at, QRegularExpression::NormalMatch,
                                    QRegularExpression::DontCheckSubjectStringMatchOption)
                             .capturedStart()
                       : text.indexOf(what, at, sensitivity);
        if (at < 0 || !m_words->isChecked() || IsWholeWord(text, at, what.size()))
            return at;
        // On by a character, never into a pair of surrogates, where PCRE2 (told that the text
        // is valid) would take half a character for a whole one.
        at += backward ? -1 : QChar::requiresSurrogates(CharacterAt(text, at)) ? 2 : 1;
    }
    return -1;
}

bool Finder::Find(bool backward)
{
    const QString& text = Text();
    const QString what = What();
    const QTextCursor selection = m_field.textCursor();
    qsizetype at = Search(
        text, what, backward ? selection.selectionStart() - 1 : selection.selectionEnd(), backward);
    QString note;
    if (at < 0 && !what.isEmpty()) {
        at = Search(text, what, backward ? text.size() : 0, backward);
        //: Said when a search backward has passed the start of the text.
        const QString fromEnd = tr("Passed the start; continued from the end.");
        //: Said when a search has passed the end of the text.
        const QString fromStart = tr("Passed the end; continued from the start.");
        note = at < 0 ? tr("Not found.") : backward ? fromEnd : fromStart;
    }
    Say(note);
    if (at < 0)
        return false;
    QTextCursor found(m_field.document());
    found.setPosition(int(at));
    found.setPosition(int(at + what.size()), QTextCursor::KeepAnchor);
    m_field.setTextCursor(found);
    return true;
}

void Finder::Replace()
{
    QTextCursor selection = m_field.textCursor();
    const QString what = What();
    const Qt::CaseSensitivity sensitivity =
        m_case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Only what a search would find is replaced: with whole words, not a part of a word the
    // user selected.
    if (selection.hasSelection() && selection.selectedText().compare(what, sensitivity) == 0
        && (!m_words->isChecked() || IsWholeWord(Text(), selection.selectionStart(), what.size())))
        selection.insertText(m_with->text());
    Find(false);
}

void Finder::ReplaceAll()
{
    const QString what = What();
    const qsizetype length = what.size();
    const QString& text = Text();
    std::vector<qsizetype> found;
    for (qsizetype at = Search(text, what, 0, false); at >= 0;
         at = Search(text, what, at + length, false))
        found.push_back(at);
    // The copy goes before the text grows by the replacements, and is stale after them anyway.
    m_text = QString();
    m_textRead = false;
    // From the end, so that the places still to replace keep their positions; in one edit
    // block, so that one Undo takes them all back.
    QTextCursor cursor(m_field.document());
    cursor.beginEditBlock();
    for (auto at = found.rbegin(); at != found.rend(); ++at) {
        cursor.setPosition(int(*at));
        cursor.setPosition(int(*at + length), QTextCursor::KeepAnchor);
        cursor.insertText(m_with->text());
    }
    cursor.endEditBlock();
    //: %n is how many matches were replaced.
    const QString replaced = tr("%n replaced.", nullptr, int(found.size()));
    m_note->setText(found.empty() ? tr("Not found.") : replaced);
}
