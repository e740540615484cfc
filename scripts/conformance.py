#!/usr/bin/python3
"""Runs CommonMark's examples through a command and prints how many pass.

Usage: conformance.py EXAMPLES.json COMMAND [ARGUMENTS...]
EXAMPLES.json is the list that the npm package commonmark-spec extracts from its text
(objects with markdown, html, section and number). Each example's Markdown goes to the command's
standard input; its standard output is compared with the expected HTML once both are normalised
as the CommonMark project's own test runner does (test/normalize.py there, which ships in no npm
package: the same rules are written out below). CONFORMANCE_DIFFS=1 also prints each failing
example's Markdown, expected and actual HTML.
"""
import html
import json
import os
import re
import subprocess
import sys
from html.entities import name2codepoint
from html.parser import HTMLParser

# The tags around which the CommonMark runner drops white space.
BLOCK_TAGS = frozenset("""article header aside hgroup blockquote hr iframe body li map button
object canvas ol caption output col p colgroup pre dd progress div section dl table td dt tbody
embed textarea fieldset tfoot figcaption th figure thead footer tr form ul h1 h2 h3 h4 h5 h6
video script style""".split())
WHITE_SPACE = re.compile(r"\s+")
# CDATA sections pass through untouched; each tag and each run of text is fed on its own.
CHUNK = re.compile(r"(<!\[CDATA\[.*?\]\]>|<[^>]*>|[^<]+)")


class Normaliser(HTMLParser):
    """Collapses white space outside <pre>, drops it around block tags, sorts attributes, turns
    self-closing tags into start tags and references into characters (but for < > & ")."""

    def __init__(self):
        super().__init__(convert_charrefs=False)
        self.output = ""
        self.last = "starttag"  # the kind of the last thing seen
        self.last_tag = ""
        self.in_pre = False

    def handle_data(self, data):
        after_tag = self.last in ("starttag", "endtag")
        if after_tag and self.last_tag == "br":
            data = data.lstrip("\n")
        if not self.in_pre:
            data = WHITE_SPACE.sub(" ", data)
            if after_tag and self.last_tag in BLOCK_TAGS:
                data = data.lstrip() if self.last == "starttag" else data.strip()
        self.output += data
        self.last = "data"

    def handle_starttag(self, tag, attrs):
        if tag == "pre":
            self.in_pre = True
        if tag in BLOCK_TAGS:
            self.output = self.output.rstrip()
        self.output += "<" + tag
        for name, value in sorted(attrs):
            self.output += " " + name
            if value is not None:
                self.output += '="' + html.escape(value, quote=True) + '"'
        self.output += ">"
        self.last_tag = tag
        self.last = "starttag"

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        self.last = "endtag"

    def handle_endtag(self, tag):
        if tag == "pre":
            self.in_pre = False
        elif tag in BLOCK_TAGS:
            self.output = self.output.rstrip()
        self.output += "</" + tag + ">"
        self.last_tag = tag
        self.last = "endtag"

    def handle_comment(self, data):
        self.output += "<!--" + data + "-->"
        self.last = "comment"

    def handle_decl(self, decl):
        self.output += "<!" + decl + ">"
        self.last = "decl"

    def unknown_decl(self, data):
        self.handle_decl(data)

    def handle_pi(self, data):
        self.output += "<?" + data + ">"
        self.last = "pi"

    def handle_entityref(self, name):
        code = name2codepoint.get(name)
        self.reference(chr(code) if code is not None else None, "&" + name + ";")

    def handle_charref(self, name):
        try:  # only a lower-case x marks a hexadecimal reference here, as in the runner
            character = chr(int(name[1:], 16) if name.startswith("x") else int(name))
        except (ValueError, OverflowError):
            character = None
        self.reference(character, "&" + name + ";")

    def reference(self, character, as_written):
        escaped = {"<": "&lt;", ">": "&gt;", "&": "&amp;", '"': "&quot;"}
        if character is None:
            self.output += as_written
        else:
            self.output += escaped.get(character, character)
        self.last = "ref"


def normalise(text):
    parser = Normaliser()
    for chunk in CHUNK.finditer(text):
        if chunk.group(0).startswith("<![CDATA["):
            parser.output += chunk.group(0)
        else:
            parser.feed(chunk.group(0))
    parser.close()
    return parser.output


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__.split("\n\n")[1])
    with open(sys.argv[1], encoding="utf-8") as file:
        examples = json.load(file)
    command = sys.argv[2:]
    diffs = os.environ.get("CONFORMANCE_DIFFS") == "1"
    failing = {}  # section: example numbers, in the examples' order
    for example in examples:
        # The examples show tabs as arrows; CommonMark's own runners turn them back into tabs.
        markdown = example["markdown"].replace("→", "\t")
        expected = example["html"].replace("→", "\t")
        try:
            run = subprocess.run(command, input=markdown.encode(), capture_output=True, timeout=30)
        except OSError as error:
            sys.exit(f"conformance: cannot run {command[0]}: {error.strerror}")
        except subprocess.TimeoutExpired as timeout:  # a hang fails that example alone
            run = subprocess.CompletedProcess(command, "timeout", timeout.stdout or b"")
        try:
            actual = run.stdout.decode() if run.returncode == 0 else None
            passed = actual is not None and normalise(actual) == normalise(expected)
        except UnicodeDecodeError:
            actual, passed = None, False
        if passed:
            continue
        failing.setdefault(example["section"], []).append(example["number"])
        if diffs:
            print(f"--- example {example['number']} ({example['section']}), Markdown:\n{markdown}"
                  f"--- expected:\n{expected}--- actual (exit status {run.returncode}):\n"
                  f"{actual if actual is not None else run.stdout!r}")
    count = sum(len(numbers) for numbers in failing.values())
    print(f"{len(examples) - count} of {len(examples)} examples pass: {' '.join(command)}")
    for section, numbers in failing.items():
        print(f"  failing in {section}: {', '.join(map(str, numbers))}")


if __name__ == "__main__":
    main()
