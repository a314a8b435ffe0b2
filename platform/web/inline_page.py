"""Writes the site's index.html from the page's source: each stylesheet link and script of
the page's own folder is put inline, so the page arrives in one response instead of a
request for every file. Usage: inline_page.py SOURCE_HTML OUTPUT_HTML FOLDER...
(each file is read from the first FOLDER that holds it)."""

import os
import re
import sys

source, output, folders = sys.argv[1], sys.argv[2], sys.argv[3:]
page = open(source, encoding="utf-8").read()


def contents(name, closing):
    path = next((os.path.join(f, name) for f in folders if os.path.exists(os.path.join(f, name))), None)
    if path is None:
        sys.exit("%s is in none of %s" % (name, ", ".join(folders)))
    text = open(path, encoding="utf-8").read()
    # The text must not end its own element early.
    if closing in text.lower():
        sys.exit("%s holds %s and cannot be put inline" % (name, closing))
    return text.rstrip("\n")


def inline_style(match):
    return "<style>\n%s\n</style>" % contents(match.group(1), "</style")


def inline_script(match):
    return "<script>\n%s\n</script>" % contents(match.group(1), "</script")


page = re.sub(r'<link rel="stylesheet" href="([\w.-]+)">', inline_style, page)
page = re.sub(r'<script src="([\w.-]+)"(?: async)?></script>', inline_script, page)
with open(output, "w", encoding="utf-8") as out:
    out.write(page)
