#pragma once

#include <QByteArrayView>

#include <functional>

// Converts a Markdown text (UTF-8; CR LF, LF or CR line breaks) to HTML with md4c: CommonMark
// with GitHub's tables, strikethrough, autolinks and task lists, raw HTML passed through. The
// HTML goes to `write` piece by piece as the converter makes it, with LF line breaks, so that
// no whole copy of it is ever held. Throws std::bad_alloc when the converter runs out of memory.
void WriteMarkdownAsHtml(QByteArrayView markdown, const std::function<void(QByteArrayView)>& write);
