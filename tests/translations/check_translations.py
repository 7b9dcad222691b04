#!/usr/bin/env python3
"""Checks the translations against the sources.

usage: check_translations.py LUPDATE SOURCES_LIST INCLUDES_LIST TS_FILE...

SOURCES_LIST and INCLUDES_LIST are files of ";"-separated paths.

Fails when
- a text of the sources that goes through the translations is missing from a
  .ts file (lupdate, run into a copy, finds it new), or a .ts file keeps a
  text no source has any more ("cmake --build build --target
  update_translations" brings them up to date);
- an entry is unfinished or empty;
- a translation loses or adds a placeholder (%1), a line break or the
  mnemonic mark (&), or the space a text ends with (it is put together with
  what follows).
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(ts_path):
    """(context, source) -> (translation text, type) of a .ts file."""
    out = {}
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            t = m.find("translation")
            out[(name, m.findtext("source"))] = (t.text or "", t.get("type", ""))
    return out


def mnemonics(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def entry_problems(context, source, translation, kind):
    where = f"{context}: {source!r}"
    if kind in ("unfinished", "vanished", "obsolete") or not translation.strip():
        return [f"{where} is not translated ({kind or 'empty'})"]
    problems = []
    if sorted(set(re.findall(r"%\d", source))) != sorted(set(re.findall(r"%\d", translation))):
        problems.append(f"{where}: placeholders differ in {translation!r}")
    if source.count("\n") != translation.count("\n"):
        problems.append(f"{where}: line breaks differ in {translation!r}")
    if mnemonics(source) != mnemonics(translation):
        problems.append(f"{where}: mnemonic mark differs in {translation!r}")
    if source.endswith(" ") != translation.endswith(" "):
        problems.append(f"{where}: the ending space differs in {translation!r}")
    return problems


sources_list_path = ""


def lupdate_view(lupdate, sources, includes, ts_path, work):
    copy = os.path.join(work, os.path.basename(ts_path))
    shutil.copy(ts_path, copy)
    # A project as the build's own lupdate target reads it (so that texts get
    # the same contexts).
    project = os.path.join(work, "project.json")
    with open(project, "w", encoding="utf-8") as f:
        json.dump({"projectFile": sources_list_path, "includePaths": includes, "sources": sources, "translations": []}, f)
    subprocess.run([lupdate, "-locations", "none", "-no-obsolete", "-project", project, "-ts", copy],
                   check=True, stdout=subprocess.DEVNULL)
    return messages(copy)


def main(lupdate, sources_list, includes, ts_files):
    global sources_list_path
    sources_list_path = os.path.abspath(sources_list)
    with open(sources_list, encoding="utf-8") as f:
        sources = [line for line in f.read().split(";") if line.strip()]
    problems = []
    with tempfile.TemporaryDirectory() as work:
        for ts in ts_files:
            name = os.path.basename(ts)
            if not os.path.exists(ts):
                problems.append(f"{name} is missing")
                continue
            shipped = messages(ts)
            current = lupdate_view(lupdate, sources, includes, ts, work)
            for key in sorted(set(current) - set(shipped)):
                problems.append(f"{name}: new text {key[0]}: {key[1]!r} (run update_translations and translate it)")
            for key in sorted(set(shipped) - set(current)):
                problems.append(f"{name}: {key[0]}: {key[1]!r} is in no source any more (run update_translations)")
            for (context, source), (translation, kind) in sorted(shipped.items()):
                problems += [f"{name}: {p}" for p in entry_problems(context, source, translation, kind)]
    for p in problems:
        print(p)
    print(f"{len(ts_files)} translation files, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    with open(sys.argv[3], encoding="utf-8") as f:
        include_dirs = [d for d in f.read().split(";") if d.strip()]
    sys.exit(main(sys.argv[1], sys.argv[2], include_dirs, sys.argv[4:]))
