#include "app/ProseWords.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

using Mode = ProseState::Mode;
using WordFound = std::function<void(qsizetype start, qsizetype length)>;

// Elements whose contents are code or data, not prose; 0 is none.
constexpr QLatin1StringView kRawElements[] = {QLatin1StringView(), QLatin1StringView("script"),
                                              QLatin1StringView("style"), QLatin1StringView("code"),
                                              QLatin1StringView("pre")};

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('-');
}

// The raw element named at `at` (just after "<"), or 0.
quint8 ElementAt(QStringView line, qsizetype at)
{
    qsizetype end = at;
    while (end < line.size() && IsNameChar(line[end]))
        ++end;
    const QStringView name = line.mid(at, end - at);
    for (quint8 i = 1; i < std::size(kRawElements); ++i)
        if (name.compare(kRawElements[i], Qt::CaseInsensitive) == 0)
            return i;
    return 0;
}

// The length of the character reference at `at` ("&amp;", "&#233;", "&#xE9;"), or 0.
qsizetype EntityLength(QStringView line, qsizetype at)
{
    qsizetype end = at + 1;
    if (end < line.size() && line[end] == QLatin1Char('#'))
        ++end;
    const qsizetype name = end;
    while (end < line.size() && line[end].isLetterOrNumber() && line[end].unicode() < 128)
        ++end;
    return end > name && end < line.size() && line[end] == QLatin1Char(';') ? end + 1 - at : 0;
}

// How many times the character at `at` repeats from there.
qsizetype RunLength(QStringView line, qsizetype at)
{
    qsizetype end = at;
    while (end < line.size() && line[end] == line[at])
        ++end;
    return end - at;
}

// A word to check: neither data (digits, underscores as in names of code) nor an abbreviation.
bool IsProseWord(QStringView word)
{
    bool upper = false, lower = false;
    for (const QChar c : word) {
        if (c.isDigit() || c == QLatin1Char('_'))
            return false;
        upper = upper || c.isUpper();
        lower = lower || c.isLower();
    }
    return word.size() <= kLongestWord && !(upper && !lower);
}

// The words of prose in [from, to): each run between spaces that is not a URL or an address is
// split into words as Unicode does it.
void ProseRun(QStringView line, qsizetype from, qsizetype to, const WordFound& word)
{
    for (qsizetype at = from; at < to;) {
        if (line[at].isSpace()) {
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < to && !line[end].isSpace())
            ++end;
        const QStringView run = line.mid(at, end - at);
        if (!run.contains(u"://") && !run.contains(u'@')
            && !run.startsWith(u"www.", Qt::CaseInsensitive)) {
            QTextBoundaryFinder finder(QTextBoundaryFinder::Word, run.data(), run.size());
            qsizetype start = -1;
            do {
                const auto reasons = finder.boundaryReasons();
                if (start >= 0 && reasons & QTextBoundaryFinder::EndOfItem) {
                    const QStringView found = run.mid(start, finder.position() - start);
                    if (IsProseWord(found))
                        word(at + start, found.size());
                    start = -1;
                }
                if (reasons & QTextBoundaryFinder::StartOfItem)
                    start = finder.position();
            } while (finder.toNextBoundary() >= 0);
        }
        at = end;
    }
}

// A Markdown line's start: false for a line that is code (fenced or indented) or blank, which
// holds no prose.
bool MarkdownLine(QStringView line, ProseState& state)
{
    if (state.mode != Mode::Text && state.mode != Mode::Fence)
        return true;  // a comment or a tag goes on
    qsizetype indent = 0, at = 0;
    for (; at < line.size() && (line[at] == QLatin1Char(' ') || line[at] == QLatin1Char('\t'));
         ++at)
        indent += line[at] == QLatin1Char('\t') ? 4 - indent % 4 : 1;
    if (at == line.size()) {
        state.paragraph = false;
        return false;
    }
    const QChar c = line[at];
    const qsizetype run = RunLength(line, at);
    const QStringView after = line.mid(at + run);
    const bool fence = indent < 4 && (c == QLatin1Char('`') || c == QLatin1Char('~')) && run >= 3;
    if (state.mode == Mode::Fence) {
        if (fence && c == state.fence && run >= state.fenceLength && after.trimmed().isEmpty())
            state = {};
        return false;
    }
    if (fence && (c == QLatin1Char('~') || !after.contains(u'`'))) {
        state = {Mode::Fence, 0, 0, c.unicode(), run, false};
        return false;
    }
    if (indent >= 4 && !state.paragraph)
        return false;
    state.paragraph = true;
    return true;
}

}  // namespace

ProseState ProseWords(QStringView line, ProseState state, bool markdown, const WordFound& word)
{
    if (markdown && !MarkdownLine(line, state))
        return state;
    const qsizetype size = line.size();
    qsizetype at = 0;
    while (at < size) {
        switch (state.mode) {
        case Mode::Fence:  // only Markdown's lines open and close a fence
            return state;
        case Mode::Comment: {
            const qsizetype end = line.indexOf(u"-->", at);
            if (end < 0)
                return state;
            at = end + 3;
            state.mode = Mode::Text;
            break;
        }
        case Mode::Raw: {
            const QLatin1StringView name = kRawElements[state.element];
            qsizetype end = at;
            while (
                (end = line.indexOf(u"</", end)) >= 0
                && (!line.mid(end + 2).startsWith(name, Qt::CaseInsensitive)
                    || (end + 2 + name.size() < size && IsNameChar(line[end + 2 + name.size()]))))
                end += 2;
            if (end < 0)
                return state;
            at = end + 2;
            state.mode = Mode::Tag;
            state.element = 0;
            break;
        }
        case Mode::Tag:
            for (; at < size && state.mode == Mode::Tag; ++at) {
                const QChar c = line[at];
                if (state.quote) {
                    if (c == state.quote)
                        state.quote = 0;
                } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    state.quote = c.unicode();
                } else if (c == QLatin1Char('>')) {
                    const bool selfClosing = at > 0 && line[at - 1] == QLatin1Char('/');
                    state.mode = state.element && !selfClosing ? Mode::Raw : Mode::Text;
                    state.element = state.mode == Mode::Raw ? state.element : 0;
                }
            }
            break;
        case Mode::Text: {
            const qsizetype from = at;
            qsizetype skip = 0;  // the markup that ends the prose, when it is not a tag
            for (; at < size; ++at) {
                const QChar c = line[at];
                const QChar next = at + 1 < size ? line[at + 1] : QChar();
                if (c == QLatin1Char('<')
                    && (next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!')
                        || next == QLatin1Char('?')))
                    break;
                if (c == QLatin1Char('&')) {
                    skip = EntityLength(line, at);
                    if (skip)
                        break;
                }
                if (markdown && c == QLatin1Char('`')) {
                    // A code span runs to the next run of as many backticks; alone, they are text.
                    const qsizetype run = RunLength(line, at);
                    qsizetype end = at + run;
                    while ((end = line.indexOf(c, end)) >= 0 && RunLength(line, end) != run)
                        end += RunLength(line, end);
                    if (end >= 0) {
                        skip = end + run - at;
                        break;
                    }
                    at += run - 1;
                }
                if (markdown && c == QLatin1Char(']') && next == QLatin1Char('(')) {
                    const qsizetype end = line.indexOf(u')', at);
                    skip = (end < 0 ? size : end + 1) - at;
                    break;
                }
            }
            if (word)  // none: only the state is wanted
                ProseRun(line, from, at, word);
            if (at < size && !skip) {  // a tag or a comment
                if (line.mid(at).startsWith(u"<!--")) {
                    state.mode = Mode::Comment;
                    at += 4;
                } else {
                    state.mode = Mode::Tag;
                    state.element = ElementAt(line, at + 1);
                    ++at;
                }
            }
            at += skip;
            break;
        }
        }
    }
    return state;
}
