#!/usr/bin/env python3
"""Writes the table of the trade's terms in all sixteen languages into docs/glossary.md.

Each translated language keeps its terms in tools/lang-src/<CODE>/glossary.txt, one line
"English term | term"; the German terms come from the English-German table of the glossary itself.
The table is written between the markers below, replacing what stood there.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent
GLOSSARY = HERE.parent.parent / "docs" / "glossary.md"
BEGIN = "<!-- terms in every language: written by tools/lang-src/merge-glossary.py -->"
END = "<!-- end of the terms in every language -->"
LANGUAGES = [("FRA", "French"), ("ESP", "Spanish"), ("NDL", "Dutch"), ("ITA", "Italian"),
             ("POR", "Portuguese"), ("SWE", "Swedish"), ("RUS", "Russian"), ("POL", "Polish"),
             ("TRK", "Turkish"), ("ROM", "Romanian"), ("GRE", "Greek"), ("HUN", "Hungarian"),
             ("BUL", "Bulgarian"), ("ARA", "Arabic")]


def english_german(text):
    """The rows of the first English | German | Notes table."""
    rows, inside = [], False
    for line in text.splitlines():
        if line.startswith("| English | German"):
            inside = True
            continue
        if inside and line.startswith("|---"):
            continue
        if inside and line.startswith("|"):
            cells = [c.strip() for c in line.strip("|").split("|")]
            rows.append((cells[0], cells[1]))
        elif inside:
            break
    return rows


def terms(code):
    result = {}
    for line in (HERE / code / "glossary.txt").read_text(encoding="utf-8").splitlines():
        if "|" in line and not line.startswith("#"):
            english, term = line.split("|", 1)
            result[english.strip()] = term.strip()
    return result


def table(rows):
    names = ["English", "German"] + [name for _, name in LANGUAGES]
    lines = ["| " + " | ".join(names) + " |", "|" + "---|" * len(names)]
    columns = [terms(code) for code, _ in LANGUAGES]
    for english, german in rows:
        cells = [english, german] + [column.get(english, "") for column in columns]
        lines.append("| " + " | ".join(c.replace("|", "/") for c in cells) + " |")
    return "\n".join(lines)


def main():
    text = GLOSSARY.read_text(encoding="utf-8")
    block = (BEGIN + "\n\n## The terms in every language\n\nTranslate from this table; a new "
             "language adds its column through its own `glossary.txt`.\n\n" +
             table(english_german(text)) + "\n\n" + END)
    if BEGIN in text:
        head, rest = text.split(BEGIN, 1)
        text = head + block + rest.split(END, 1)[1]
    else:
        marker = "## Caption entries that Tessaro shows"
        text = text.replace(marker, block + "\n\n" + marker, 1)
    GLOSSARY.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
