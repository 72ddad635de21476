#!/usr/bin/python3
"""Writes data/dic.dat, the Wubi 86 dictionary that the program carries.

The source is the table wubi-jidian86.db of Debian's package ibus-table-wubi (SQLite; table
`phrases`, columns `tabkeys` and `phrase`; licensed "freely redistributable without
restriction"). Its single-character rows give each character every code it has: the
first-level code, the two- and three-letter short codes and the full code. The format of the
file, and the rules that turn those codes into an entry, are described in data/FORMAT.md.

usage: tools/gen_dic.py [--table DB] [--output FILE]

Prints the counts of the entry forms. Fails, and writes nothing, when the table does not give
the file its fixed shape (the anchored entries, positions and size below).
"""

import argparse
import pathlib
import sqlite3
import sys

DEFAULT_TABLE = "/usr/share/ibus-table/tables/wubi-jidian86.db"
DEFAULT_OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "data" / "dic.dat"

CODE_LETTERS = set("abcdefghijklmnopqrstuvwxy")

# The one character from outside the GB2312 hanzi area, E9 46.
RONG = b"\xe9\x46".decode("gbk")

# The table also lists these first-level characters with a fourth letter (mgkd, ylyi, xcag);
# the tool shows their three-letter codes as the full codes.
FULL_CODE_OVERRIDES = {"同": "mgk", "为": "yly", "经": "xca"}

# Entries whose trailing spaces are fixed; every other entry's are spread evenly (see
# spreadTrailingSpaces).
FIXED_TRAILING_SPACES = {
    "啊": 4, "阿": 17, "埃": 10, "哀": 16, "皑": 8, "爱": 1, "安": 11,
    "的": 11, "有": 10, "我": 10, "人": 1, RONG: 11, "齄": 4,
}

# 1-based byte positions that entries must start at, and the file's size.
ANCHORS = {"啊": 1, RONG: 110_566, "齄": 140_242}
FILE_SIZE = 140_259
MAX_TRAILING_SPACES = 17

# The first two entries write four spaces after their three-letter short code instead of one.
WIDE_SHORT_CODE = {"啊", "阿"}


def dictionaryCharacters():
    """GB2312's 6,763 hanzi and 镕, in the order of their GBK codes."""
    chars = []
    for lead in range(0xB0, 0xF8):
        for trail in range(0xA1, 0xFF):
            if lead == 0xD7 and trail >= 0xFA:
                continue
            chars.append(bytes([lead, trail]).decode("gbk"))
    chars.append(RONG)
    chars.sort(key=lambda ch: ch.encode("gbk"))
    return chars


def readCodes(table, chars):
    """Every code of every character, as a set; codes beginning with z are left out."""
    wanted = set(chars)
    codes = {ch: set() for ch in chars}
    uri = pathlib.Path(table).resolve().as_uri() + "?mode=ro"
    with sqlite3.connect(uri, uri=True) as db:
        rows = db.execute("SELECT tabkeys, phrase FROM phrases WHERE length(phrase) = 1")
        for code, phrase in rows:
            if phrase not in wanted or code.startswith("z"):
                continue
            if not (1 <= len(code) <= 4 and set(code) <= CODE_LETTERS):
                sys.exit(f"gen_dic: unexpected code {code!r} for {phrase}")
            codes[phrase].add(code)
    return codes


def entryFields(ch, codes):
    """The ASCII fields of one entry before its trailing spaces, and the names of their forms."""
    longest = max(len(code) for code in codes)
    fulls = sorted(code for code in codes if len(code) == longest)
    if len(fulls) != 1 and ch not in FULL_CODE_OVERRIDES:
        sys.exit(f"gen_dic: {ch} has several full codes {fulls}")
    full = FULL_CODE_OVERRIDES.get(ch, fulls[0])
    if len(full) < 3:
        sys.exit(f"gen_dic: {ch} has no full code of three or four letters")
    # The first-level letter need not be the full code's first (我 q, trnt). A longer code
    # that is not a prefix of the full code belongs to another spelling of the character (纛
    # has gxf beside its full code gxgi); it is left out, like the codes beyond the full code.
    first_level = sorted(code for code in codes if len(code) == 1)
    by_length = {len(code): code for code in codes if len(code) >= 2 and full.startswith(code)}

    if first_level:
        short, short_form = first_level[0] + "   ", "first-level"
    elif 2 in by_length and 3 in by_length and len(full) == 4:
        gap = "    " if ch in WIDE_SHORT_CODE else " "
        short, short_form = by_length[3] + gap, "three-letter"
    else:
        short, short_form = "    ", "spaces"
    if ch in WIDE_SHORT_CODE and short_form != "three-letter":
        sys.exit(f"gen_dic: {ch} has no three-letter short code")

    last = by_length[min(by_length)]
    return full.ljust(4) + short + last, short_form, len(last), first_level


def spreadTrailingSpaces(entries, fixed, total):
    """Trailing spaces for a run of entries that must take `total` bytes in all.

    Entries in `fixed` keep their number; the spaces left over are spread as evenly as
    possible over the others, in order: the j-th of n such entries gets
    floor((j + 1) * F / n) - floor(j * F / n) of the F spaces.
    """
    free = [ch for ch, _ in entries if ch not in fixed]
    spare = total - sum(2 + len(fields) for _, fields in entries)
    spare -= sum(fixed[ch] for ch, _ in entries if ch in fixed)
    if spare < 0 or spare > MAX_TRAILING_SPACES * len(free):
        sys.exit(f"gen_dic: {spare} trailing spaces do not fit {len(free)} entries")
    spaces = dict((ch, fixed[ch]) for ch, _ in entries if ch in fixed)
    for j, ch in enumerate(free):
        spaces[ch] = (j + 1) * spare // len(free) - j * spare // len(free)
    return spaces


def buildDictionary(table):
    chars = dictionaryCharacters()
    codes = readCodes(table, chars)
    missing = [ch for ch in chars if not codes[ch]]
    if missing:
        sys.exit(f"gen_dic: no code for {''.join(missing)}")

    fields, short_forms, last_lengths = {}, {}, {}
    first_level = {}
    for ch in chars:
        fields[ch], short_forms[ch], last_lengths[ch], letters = entryFields(ch, codes[ch])
        for letter in letters:
            first_level.setdefault(letter, []).append(ch)
    if sorted(first_level) != sorted(CODE_LETTERS) or any(len(v) != 1 for v in first_level.values()):
        sys.exit(f"gen_dic: first-level codes are not one per letter: {first_level}")

    # The anchors cut the file into runs whose lengths are fixed; each run gets its spaces.
    index = {ch: i for i, ch in enumerate(chars)}
    cuts = sorted(ANCHORS.items(), key=lambda item: item[1]) + [(None, FILE_SIZE + 1)]
    spaces = {}
    for (start_ch, start), (end_ch, end) in zip(cuts, cuts[1:]):
        stop = index[end_ch] if end_ch else len(chars)
        run = [(ch, fields[ch]) for ch in chars[index[start_ch] : stop]]
        spaces.update(spreadTrailingSpaces(run, FIXED_TRAILING_SPACES, end - start))

    out = bytearray()
    for ch in chars:
        if ch in ANCHORS and len(out) + 1 != ANCHORS[ch]:
            sys.exit(f"gen_dic: {ch} would stand at {len(out) + 1}, not {ANCHORS[ch]}")
        out += ch.encode("gbk") + (fields[ch] + " " * spaces[ch]).encode("ascii")
    if len(out) != FILE_SIZE:
        sys.exit(f"gen_dic: {len(out)} bytes instead of {FILE_SIZE}")

    counts = {
        "short-code field": {
            form: sum(1 for f in short_forms.values() if f == form)
            for form in ("spaces", "first-level", "three-letter")
        },
        "last code": {
            f"{n} letters": sum(1 for n_ in last_lengths.values() if n_ == n) for n in (2, 3, 4)
        },
        "three-letter full codes": sum(1 for ch in chars if fields[ch][3] == " "),
        "trailing spaces": {
            "min": min(spaces.values()),
            "max": max(spaces.values()),
        },
    }
    return bytes(out), counts


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--table", default=DEFAULT_TABLE, help="the wubi-jidian86.db to read")
    parser.add_argument("--output", default=str(DEFAULT_OUTPUT), help="the dic.dat to write")
    args = parser.parse_args()

    if not pathlib.Path(args.table).is_file():
        sys.exit(f"gen_dic: {args.table} not found (Debian package ibus-table-wubi)")
    data, counts = buildDictionary(args.table)
    output = pathlib.Path(args.output)
    temporary = output.with_name(output.name + ".tmp")
    temporary.write_bytes(data)
    temporary.replace(output)
    print(f"gen_dic: wrote {len(data)} bytes to {output}")
    for name, value in counts.items():
        print(f"  {name}: {value}")


if __name__ == "__main__":
    main()
