#!/usr/bin/python3
"""Writes a Markdown text of an exact size for the Markdown benchmarks: a realistic mix of
headings, paragraphs with emphasis, code spans and links, nested and task lists, fenced code
blocks, tables, block quotes, a little raw HTML and non-ASCII text. The same seed and size give
the same bytes on every machine (random.Random is stable for a given seed).

Usage: markdown_corpus.py SIZE OUT [--seed N] [--crlf]    SIZE in bytes, or with K or M (KiB, MiB)
"""
import argparse
import os
import random

WORDS = """the a of to and in is it that for on with as this by from at page site text build
template marker title body project window preview server file folder link list table code
heading paragraph writer reader browser style script image note draft release version change
fast small large first last every other quick simple plain clear short long local remote
open save close write read check keep show hide send make take give find move copy turn
user people team guide manual example sample report summary detail question answer issue
morning evening week month year today later before after during since until while because
café naïve façade Grüße straße déjà élève piñata smörgåsbord 東京 日本語 テキスト 中文 Ελληνικά
""".split()
LANGUAGES = ["c", "cpp", "python", "sh", "html", "json", ""]
CODE_LINES = [
    'printf("%s: %d\\n", name, count);',
    "if (a < b && b > c) { return a & mask; }",
    "for (int i = 0; i < n; ++i) total += values[i];",
    '<a href="/docs/?q=1&amp;r=2">docs</a>',
    "def render(page, title='%s'): return page % title",
    "std::vector<std::string> lines = split(text, '\\n');",
    'echo "$HOME" | sed -e "s/a/b/g" > out.txt',
    '{"title": "Release notes", "items": [1, 2, 3]}',
    "    # an indented comment inside the block",
    "",
]


class Writer:
    def __init__(self, rng):
        self.rng = rng
        self.refs = []  # reference labels used in the current section, defined at its end
        self.section = 0

    def words(self, low, high):
        return " ".join(self.rng.choice(WORDS) for _ in range(self.rng.randint(low, high)))

    def inline(self):
        """One span of a sentence: mostly plain words, sometimes marked up."""
        r = self.rng.random()
        w = self.words(1, 3)
        if r < 0.55:
            return self.words(2, 8)
        if r < 0.65:
            return f"*{w}*"
        if r < 0.72:
            return f"**{w}**"
        if r < 0.78:
            return f"`{self.rng.choice(['wendle -o', 'x < y', '%s', 'a && b', 'make bench'])}`"
        if r < 0.84:
            slug = "-".join(w.split())
            return f'[{w}](https://example.org/{self.section}/{slug}.html "{w}")'
        if r < 0.88:
            label = f"ref-{self.section}-{len(self.refs)}"
            self.refs.append(label)
            return f"[{w}][{label}]"
        if r < 0.91:
            return self.rng.choice(
                ["<https://example.com/a?b=c&d=e>", "www.example.net/path", "https://example.org",
                 "mail@example.com"])
        if r < 0.94:
            return f"~~{w}~~"
        if r < 0.96:
            return self.rng.choice(["&amp;", "&copy;", "&lt;tag&gt;", "&#8212;", "5 < 6", "A & B"])
        if r < 0.98:
            return f"_{w}_"
        return f'<span class="tag">{w}</span>'

    def sentence(self):
        spans = [self.inline() for _ in range(self.rng.randint(2, 5))]
        text = " ".join(spans)
        return text[0].upper() + text[1:] + self.rng.choice([".", ".", ".", "?", "!", ":"])

    def wrap(self, text, prefix="", width=80):
        """Breaks a paragraph into lines as a writer's editor does (soft line breaks)."""
        lines, line = [], ""
        for word in text.split(" "):
            if line and len(line) + 1 + len(word) > width - len(prefix):
                lines.append(prefix + line)
                line = word
            else:
                line = f"{line} {word}" if line else word
        lines.append(prefix + line)
        if self.rng.random() < 0.1 and len(lines) > 1:  # a hard line break
            lines[0] += "  "
        return "\n".join(lines) + "\n"

    def paragraph(self, prefix=""):
        return self.wrap(" ".join(self.sentence() for _ in range(self.rng.randint(1, 5))), prefix)

    def heading(self, level):
        title = self.words(2, 6).capitalize()
        if level <= 2 and self.rng.random() < 0.2:
            return f"{title}\n{('=' if level == 1 else '-') * len(title)}\n"
        return f"{'#' * level} {title}\n"

    def items(self, indent, task):
        """A list of 2 to 7 items, some holding a list of their own, three levels at most."""
        out = []
        ordered = self.rng.random() < 0.35 and not task
        bullet = self.rng.choice(["-", "*", "-"])
        for n in range(1, self.rng.randint(2, 7) + 1):
            marker = f"{n}." if ordered else bullet
            box = self.rng.choice(["[ ] ", "[x] ", "[ ] "]) if task else ""
            text = self.sentence() if self.rng.random() < 0.7 else self.words(2, 5)
            out.append(f"{indent}{marker} {box}{text}\n")
            if len(indent) < 4 and self.rng.random() < 0.25:  # under the item's text
                out.append(self.items(" " * (len(indent) + len(marker) + 1), task=False))
        return "".join(out)

    def code(self):
        lines = [self.rng.choice(CODE_LINES) for _ in range(self.rng.randint(3, 15))]
        fence = self.rng.choice(["```", "```", "~~~"])
        return f"{fence}{self.rng.choice(LANGUAGES)}\n" + "\n".join(lines) + f"\n{fence}\n"

    def table(self):
        columns = self.rng.randint(2, 5)
        cell = lambda: self.inline().replace("|", "\\|")
        rows = [
            "| " + " | ".join(self.words(1, 2).capitalize() for _ in range(columns)) + " |",
            "|" + "|".join(self.rng.choice(["---", ":---", "---:", ":---:"])
                           for _ in range(columns)) + "|",
        ]
        for _ in range(self.rng.randint(2, 12)):
            rows.append("| " + " | ".join(cell() for _ in range(columns)) + " |")
        return "\n".join(rows) + "\n"

    def quote(self):
        out = self.paragraph("> ")
        if self.rng.random() < 0.3:
            out += ">\n" + "".join("> " + line + "\n" for line in self.items("", False).splitlines())
        return out

    def raw_html(self):
        return f'<div class="note">\n<p>{self.words(4, 12)}</p>\n</div>\n'

    def block(self):
        kind = self.rng.choices(
            ["paragraph", "list", "tasks", "code", "table", "quote", "rule", "html", "heading"],
            weights=[40, 14, 5, 10, 7, 7, 2, 2, 8])[0]
        if kind == "paragraph":
            return self.paragraph()
        if kind == "list":
            return self.items("", task=False)
        if kind == "tasks":
            return self.items("", task=True)
        if kind == "code":
            return self.code()
        if kind == "table":
            return self.table()
        if kind == "quote":
            return self.quote()
        if kind == "rule":
            return self.rng.choice(["---\n", "***\n", "___\n"])
        if kind == "html":
            return self.raw_html()
        return self.heading(3)

    def section_text(self):
        self.section += 1
        self.refs = []
        blocks = [self.heading(2)] + [self.block() for _ in range(self.rng.randint(6, 14))]
        blocks += [f"[{label}]: https://example.com/{label} \"{label}\"\n" for label in self.refs]
        return "\n".join(blocks) + "\n"


def size_argument(text):
    units = {"K": 1024, "M": 1024 * 1024}
    return int(text[:-1]) * units[text[-1].upper()] if text[-1].upper() in units else int(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("size", type=size_argument)
    parser.add_argument("out")
    parser.add_argument("--seed", type=int, default=41)
    parser.add_argument("--crlf", action="store_true", help="CR LF line breaks, as a text field")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    writer = Writer(rng)
    newline = b"\r\n" if args.crlf else b"\n"
    head = ("# " + writer.words(3, 6).capitalize() + "\n\n").encode()
    chunks, size = [head.replace(b"\n", newline)], len(head)
    while True:
        data = writer.section_text().encode().replace(b"\n", newline)
        if size + len(data) > args.size:
            break
        chunks.append(data)
        size += len(data)
    # The rest is one last paragraph of ASCII words, so that the size comes out exact.
    room = args.size - size
    if room >= len(newline):
        filler = ""
        while len(filler) < room:
            filler += rng.choice(WORDS[:60]) + " "
        chunks.append(filler[: room - len(newline)].encode() + newline)
    temporary = args.out + ".part"
    with open(temporary, "wb") as out:
        out.writelines(chunks)
    os.replace(temporary, args.out)


if __name__ == "__main__":
    main()
