#!/usr/bin/env bash
# The manual page renders without a warning from man or groff, and names the same
# options and keys, with the same words, as the program's --help.
set -euo pipefail
: "${TV_BIN:?TV_BIN must name the built program}"
: "${TV_SOURCE_DIR:?TV_SOURCE_DIR must name the source tree}"
fail() { echo "FAIL: $*" >&2; exit 1; }

page="$TV_SOURCE_DIR/packaging/tinselvale.6"
# As lintian checks pages: every warning groff knows, in a UTF-8 rendering.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES ENVIRONMENT "EXIT STATUS"; do
  grep -qx "$heading" <<<"$text" || fail "the manual page has no $heading section"
done

help_text=$("$TV_BIN" --help) || fail "--help failed"
python3 - "$page" "$help_text" <<'EOF' || fail "--help and the manual page say different things"
import re, sys
page, help_text = open(sys.argv[1], encoding="utf-8").read(), sys.argv[2]

def terms_from_page(section):
    """The .TP entries of a section: the term line (font macros and escapes taken away)
    and the text lines after it, joined."""
    body = re.search(r"^\.SH " + section + r"\n(.*?)(?=^\.SH )", page, re.S | re.M).group(1)
    entries = []
    for block in body.split(".TP\n")[1:]:
        lines = block.strip("\n").split("\n")
        macro, _, rest = lines[0].partition(" ")
        words = [a or b for a, b in re.findall(r'"([^"]*)"|(\S+)', rest)]
        # Alternating-font macros run their words together; the others space them.
        term = ("" if macro in (".BR", ".IR") else " ").join(words)
        text = " ".join(l for l in lines[1:] if not l.startswith("."))
        entries.append((term.replace("\\-", "-"), text.replace("\\-", "-")))
    return entries

def terms_from_help(heading):
    """The indented lines under a heading of --help, split at the first wide gap; a
    deeply indented line carries the text of the line before on."""
    body = help_text.split("\n" + heading, 1)[1].split("\n\n", 1)[0]
    entries = []
    for line in body.split("\n")[1:]:
        if line.startswith(" " * 10) and entries:
            entries[-1] = (entries[-1][0], entries[-1][1] + " " + line.strip())
        else:
            entries.append(tuple(re.split(r"\s{2,}", line.strip(), maxsplit=1)))
    return entries

wrong = 0
for section, heading in (("OPTIONS", "Options:"), ("KEYS", "Keys ")):
    page_terms, help_terms = terms_from_page(section), terms_from_help(heading)
    if page_terms != help_terms:
        wrong = 1
        print(section + " differ:\n  page: " + repr(page_terms) + "\n  help: " + repr(help_terms))
sys.exit(wrong)
EOF
echo "manual page ok"
