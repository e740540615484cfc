#include "app/SpellChecker.h"

#include "app/ProseWords.h"
#include "app/Translations.h"
#include "services/FileAccess.h"
#include "services/ProfileStore.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>

#include <memory>

namespace {

// The template's <html> tag comes first, after at most a doctype and a comment.
constexpr qint64 kTemplateHead = 16 << 10;
// Lines checked above and below the screen, and columns left and right of it, so that a word
// scrolled in is underlined already.
constexpr int kMarginLines = 3;
constexpr int kMarginColumns = 64;
// How far above the check markup that is still open (a comment, a <pre>, a fence) is looked for.
constexpr int kLookBack = 64 << 10;
// A longer line is data (an embedded image, a minified script), neither read nor underlined:
// Qt draws each underline by going through its whole line, at every repaint and cursor blink.
constexpr int kLongestLine = 64 << 10;
constexpr int kSuggestions = 8;
// Words remembered as right or wrong before the memory starts again.
constexpr qsizetype kRemembered = 100000;

// The first bytes of the template; none when it cannot be read, which Build reports.
QByteArray TemplateHead(const QString& path)
{
    try {
        InputFile file(path);
        QByteArray head(qsizetype(qMin(file.Length(), kTemplateHead)), Qt::Uninitialized);
        head.truncate(qsizetype(file.Read(head.data(), head.size())));
        return head;
    } catch (const FileError&) {
        return {};
    }
}

// The columns of a line between the view's edges (in the document's coordinates), and a margin.
// A line not laid out yet (above or below the screen) takes those that fit there at `average`
// pixels a character: asked, Qt would lay out and shape the line to tell.
std::pair<int, int> ShownColumns(const QTextBlock& block, qreal left, qreal right, qreal average)
{
    const QTextLayout* layout = block.layout();
    int from = int(left / average), to = int(right / average) + 1;
    if (layout && layout->lineCount() == 1) {
        from = layout->lineAt(0).xToCursor(left);
        to = layout->lineAt(0).xToCursor(right);
    }
    // Right-to-left text shows its later columns on the left.
    return {qMin(from, to) - kMarginColumns, qMax(from, to) + kMarginColumns};
}

QTextEdit::ExtraSelection Mark(const QTextBlock& block, qsizetype at, qsizetype length)
{
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(block);
    mark.cursor.setPosition(block.position() + int(at));
    mark.cursor.setPosition(block.position() + int(at + length), QTextCursor::KeepAnchor);
    mark.format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    mark.format.setUnderlineColor(Qt::red);
    return mark;
}

}  // namespace

QString PageLanguage(QByteArrayView templateHead, const QStringList& userLanguages)
{
    // The first lang of the tag, as browsers take it.
    static const QRegularExpression kHtmlLang(
        QStringLiteral(R"re(<html\b[^>]*?\slang\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    // Whole (no line break after it, which $ would let through), and no longer than the 35
    // characters a tag must be given room for: it is named in the menu and passed to Enchant.
    static const QRegularExpression kTag(QRegularExpression::anchoredPattern(
        QStringLiteral(R"((?=.{2,35}\z)[A-Za-z]{2,8}([-_][A-Za-z0-9]{1,8})*)")));
    const QRegularExpressionMatch match = kHtmlLang.match(QString::fromLatin1(templateHead));
    for (const QString& language : {match.captured(1) + match.captured(2) + match.captured(3),
                                    userLanguages.value(0), QStringLiteral("en-US")})
        if (kTag.match(language).hasMatch())
            return language;
    return {};
}

SpellChecker::SpellChecker(QPlainTextEdit& field, QAbstractButton* markdown, ProfileStore& profile,
                           std::function<QString()> templatePath)
    : QObject(&field),
      m_field(field),
      m_markdown(markdown),
      m_profile(profile),
      m_templatePath(std::move(templatePath))
{
    m_on = m_profile.Read(kSpellingSection, kSpellingEntry, "1") != "0";
    // Once the events of the moment are handled: a burst of them (a key, its scroll) checks once.
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &SpellChecker::Recheck);
    connect(m_field.document(), &QTextDocument::contentsChange, this, &SpellChecker::Schedule);
    connect(m_field.verticalScrollBar(), &QScrollBar::valueChanged, this, &SpellChecker::Schedule);
    connect(m_field.horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &SpellChecker::Schedule);
    if (m_markdown)
        connect(m_markdown, &QAbstractButton::toggled, this, &SpellChecker::Schedule);
    m_field.installEventFilter(this);
    m_field.viewport()->installEventFilter(this);
    m_field.window()->installEventFilter(this);
}

bool SpellChecker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ContextMenu:
        if (watched != m_field.window()) {
            const auto* menu = static_cast<QContextMenuEvent*>(event);
            if (menu->reason() == QContextMenuEvent::Keyboard)
                ShowMenu(m_field.cursorRect().bottomLeft(), m_field.textCursor().position());
            else
                ShowMenu(menu->pos(), m_field.cursorForPosition(menu->pos()).position());
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (const auto* key = static_cast<QKeyEvent*>(event); watched == &m_field
            && (key->key() == Qt::Key_Menu
                || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier))) {
            ShowMenu(m_field.cursorRect().bottomLeft(), m_field.textCursor().position());
            return true;
        }
        break;
    case QEvent::Resize:
        Schedule();
        break;
    case QEvent::WindowActivate:  // back from another program, which may have changed the template
        m_template.clear();
        Schedule();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void SpellChecker::Schedule()
{
    m_pending.start();
}

void SpellChecker::FollowTemplate()
{
    const QString path = m_templatePath();
    if (path == m_template && !m_language.isEmpty())
        return;
    m_template = path;
    const QString language = PageLanguage(TemplateHead(path), UserLanguages());
    // Back from another program, without a dictionary: the one the menu named may have been
    // installed meanwhile.
    if (m_speller && !m_speller->HasDictionary()) {
        m_speller.reset();
        m_misspelled.clear();
    }
    if (language == m_language)
        return;
    m_language = language;
    m_speller.reset();
    m_misspelled.clear();
}

const Speller& SpellChecker::Dictionary()
{
    // Loaded at the first word, so that the window starts and opens an empty text without it.
    if (!m_speller)
        m_speller.emplace(m_language);
    return *m_speller;
}

bool SpellChecker::Misspelled(const QString& word)
{
    ++m_checked;
    if (const auto known = m_misspelled.constFind(word); known != m_misspelled.cend())
        return *known;
    if (m_misspelled.size() >= kRemembered)
        m_misspelled.clear();
    return *m_misspelled.insert(word, !Dictionary().Check(word));
}

void SpellChecker::Recheck()
{
    m_pending.stop();
    // A help to the writer, never worth a message: on any failure nothing is underlined.
    try {
        Underline();
    } catch (const std::exception&) {
        m_field.setExtraSelections({});
    }
}

void SpellChecker::Underline()
{
    FollowTemplate();
    QList<QTextEdit::ExtraSelection> marks;
    if (m_on) {
        const QWidget* view = m_field.viewport();
        // QPlainTextEdit scrolls by lines, so the vertical scroll bar's value is the line at the
        // top. (Asked for the positions at the screen's corners, Qt would shape a whole line to
        // place a cursor there.)
        const QTextDocument* document = m_field.document();
        const int top = m_field.verticalScrollBar()->value();
        const int lines = view->height() / qMax(1, m_field.fontMetrics().lineSpacing()) + 1;
        QTextBlock first = document->findBlockByLineNumber(top);
        QTextBlock last = document->findBlockByLineNumber(top + lines);
        first = first.isValid() ? first : document->firstBlock();
        last = last.isValid() ? last : document->lastBlock();
        for (int i = 0; i < kMarginLines; ++i) {
            first = first.previous().isValid() ? first.previous() : first;
            last = last.next().isValid() ? last.next() : last;
        }
        // Laid out right to left, the horizontal scroll bar counts from the right end.
        const QScrollBar* scroll = m_field.horizontalScrollBar();
        const qreal left =
            m_field.isRightToLeft() ? scroll->maximum() - scroll->value() : scroll->value();
        const qreal right = left + view->width();
        const qreal average = qMax(1, m_field.fontMetrics().averageCharWidth());
        const bool markdown = m_markdown && m_markdown->isChecked();
        // Markup still open where the check begins is found by reading from a little above it.
        const int back = qMax(0, first.position() - kLookBack);
        QTextBlock block = document->findBlock(back);
        int from = back - block.position();
        ProseState state;
        for (;; block = block.next(), from = 0) {
            const bool checked = block.blockNumber() >= first.blockNumber();
            if (block.length() <= kLongestLine) {
                const QString text = block.text();
                const auto [shownFrom, shownTo] =
                    checked ? ShownColumns(block, left, right, average) : std::pair{0, 0};
                const int scanFrom = checked ? qMax(0, shownFrom - kLookBack) : from;
                // On past the last column, so that a word that starts in it is read whole.
                const int scanTo = checked ? qMin(int(text.size()), shownTo + int(kLongestWord))
                                           : int(text.size());
                const QStringView scanned =
                    QStringView(text).mid(scanFrom, qMax(0, scanTo - scanFrom));
                const auto word = [&](qsizetype at, qsizetype length) {
                    at += scanFrom;
                    if (at + length > shownFrom && at < shownTo && Misspelled(text.mid(at, length)))
                        marks << Mark(block, at, length);
                };
                state =
                    ProseWords(scanned, state, markdown, checked ? std::function(word) : nullptr);
            }
            if (block == last || !block.next().isValid())
                break;
        }
    }
    // Set only when they differ: every setting repaints them.
    const QList<QTextEdit::ExtraSelection> shown = m_field.extraSelections();
    if (!std::equal(shown.begin(), shown.end(), marks.begin(), marks.end(),
                    [](const auto& a, const auto& b) {
                        // QTextCursor's == compares positions alone, not what is selected.
                        return a.cursor.anchor() == b.cursor.anchor()
                            && a.cursor.position() == b.cursor.position();
                    }))
        m_field.setExtraSelections(marks);
}

void SpellChecker::ShowMenu(QPoint where, int position)
{
    // Nothing may escape into the event loop: on any failure there is no menu.
    try {
        if (m_pending.isActive())  // the menu is for the words as they are now
            Recheck();
        FollowTemplate();
        const std::unique_ptr<QMenu> menu(m_field.createStandardContextMenu(where));
        QList<QAction*> entries;
        const auto add = [&](const QString& text, auto&& triggered) {
            QAction* action = entries.emplace_back(new QAction(text, menu.get()));
            connect(action, &QAction::triggered, this, triggered);
            return action;
        };
        const auto separator = [&] {
            entries << new QAction(menu.get());
            entries.back()->setSeparator(true);
        };
        const QList<QTextEdit::ExtraSelection> marks = m_field.extraSelections();
        const auto mark = std::find_if(marks.begin(), marks.end(), [position](const auto& mark) {
            return mark.cursor.selectionStart() <= position
                && position <= mark.cursor.selectionEnd();
        });
        if (mark != marks.end()) {
            QTextCursor word = mark->cursor;
            const QString misspelled = word.selectedText();
            for (const QString& guess : Dictionary().Suggest(misspelled, kSuggestions))
                add(guess, [word, guess]() mutable {
                    // One step for Undo, as a word typed over would be.
                    word.beginEditBlock();
                    word.insertText(guess);
                    word.endEditBlock();
                });
            if (entries.isEmpty())
                //: Shown, greyed, in place of corrections when the dictionary has none.
                add(tr("(no suggestions)"), [] {})->setEnabled(false);
            separator();
            //: Adds the word to the personal word list that the desktop's programs share.
            add(tr("Add to Dictionary"), [this, misspelled] {
                Dictionary().Add(misspelled);
                m_misspelled.clear();
                Schedule();
            });
            //: Accepts the word everywhere until Wendle ends.
            add(tr("Ignore All"), [this, misspelled] {
                Dictionary().Ignore(misspelled);
                m_misspelled.clear();
                Schedule();
            });
            separator();
        } else if (m_on && !Dictionary().HasDictionary()) {
            //: %1 is a language tag such as de-DE, %2 the Debian package of its dictionary.
            add(tr("No spelling dictionary for %1: install %2")
                    .arg(m_language, Speller::PackageFor(m_language)),
                [] {})
                ->setEnabled(false);
            separator();
        }
        QAction* check = add(tr("Check Spelling"), [this](bool on) {
            m_on = on;
            m_profile.Write(kSpellingSection, kSpellingEntry, on ? "1" : "0");
            Schedule();
        });
        check->setCheckable(true);
        check->setChecked(m_on);
        separator();
        menu->insertActions(menu->actions().value(0), entries);
        menu->exec(m_field.viewport()->mapToGlobal(where));
    } catch (const std::exception&) {
    }
}
