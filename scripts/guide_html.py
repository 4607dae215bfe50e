#!/usr/bin/python3
"""One install guide of docs/ as the HTML page of the release folder.

    guide_html.py GUIDE.md OTHER.html OTHER_LINK_TEXT OUT.html

The page is the guide as Python-Markdown (Debian's python3-markdown) converts it, with its
tables and code blocks, in a document a browser opens from the folder with a double click:
UTF-8, the language of the guide, the guide's title, a link to the guide in the other
language, and the pictures it names beside it. The same guide gives the same bytes.
"""
import html
import re
import sys

import markdown

# A line break inside a Japanese sentence: a browser would show it as a blank between two
# characters that are written without one.
WIDE = "\u3000-\u30ff\u3400-\u9fff\uff00-\uffef"
JOINED = re.compile("([" + WIDE + "])\n[ \t]*(?=[" + WIDE + "])")
PRE = re.compile(r"(<pre>.*?</pre>)", re.S)

STYLE = """body { font-family: "Yu Gothic UI", "Meiryo UI", "Meiryo", sans-serif;
  line-height: 1.6; max-width: 60em; margin: 1em auto; padding: 0 1em; }
table { border-collapse: collapse; margin: 0.5em 0; }
th, td { border: 1px solid #999; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
th { background: #eee; }
code { font-family: "MS Gothic", "Consolas", monospace; background: #f4f4f4; }
pre { background: #f4f4f4; padding: 0.5em; overflow-x: auto; }
img { max-width: 100%; }
.other { text-align: right; }"""


def main(guide, other, other_text, out):
    with open(guide, encoding="utf-8") as f:
        source = f.read()
    body = markdown.markdown(source, extensions=["tables", "fenced_code"])
    # Code blocks keep their lines; elsewhere a Japanese sentence runs on.
    body = "".join(part if PRE.fullmatch(part) else JOINED.sub(r"\1", part)
                   for part in PRE.split(body))
    title = re.search(r"<h1>(.*?)</h1>", body, re.S)
    title = re.sub(r"<[^>]+>", "", title.group(1)) if title else ""
    lang = "ja" if ".ja." in guide else "en"
    page = (
        "<!DOCTYPE html>\n"
        f'<html lang="{lang}">\n<head>\n<meta charset="utf-8">\n'
        f"<title>{title}</title>\n<style>\n{STYLE}\n</style>\n</head>\n<body>\n"
        f'<p class="other"><a href="{html.escape(other)}">{html.escape(other_text)}</a></p>\n'
        f"{body}\n</body>\n</html>\n"
    )
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit("usage: guide_html.py GUIDE.md OTHER.html OTHER_LINK_TEXT OUT.html")
    main(*sys.argv[1:])
