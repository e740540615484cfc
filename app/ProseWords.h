#pragma once

#include <QStringView>

#include <functional>

// What a line leaves open for the next one: a comment, a tag, the contents of an element whose
// words are not prose, or a fenced code block of Markdown.
struct ProseState {
    enum class Mode : quint8 { Text, Comment, Tag, Raw, Fence };
    Mode mode = Mode::Text;
    char16_t quote = 0;  // in a tag: the quote that ends the attribute value being read
    quint8 element = 0;  // in a tag: the element it opens; in Raw: the element whose end ends it
    char16_t fence = 0;  // in a fence: its character and length
    qsizetype fenceLength = 0;
    bool paragraph = false;  // Markdown: the line before was text, which an indented line continues

    bool operator==(const ProseState&) const = default;
};

// No dictionary has longer words; a longer run of letters is data.
inline constexpr qsizetype kLongestWord = 64;

// The words of a line of the text that spelling checks, each as its start and length in the line,
// given the state at the line's start; gives the state at its end (`word` may be empty when only
// that is wanted). Markup is skipped: tags,
// attribute values, entities, comments and the contents of script, style, code and pre; in a
// Markdown text also code spans, fenced and indented code, link targets and autolinks. So are
// URLs and mail addresses, words with digits or underscores, and words all in capitals.
ProseState ProseWords(QStringView line, ProseState state, bool markdown,
                      const std::function<void(qsizetype start, qsizetype length)>& word);
