#!/usr/bin/env python3
"""Every text a player sees has a translation in every language of the game.

Runs lupdate over the sources into copies of translations/*.ts (the tree stays as it is) and
names each text that is new or unfinished: its source file and line, the text, the language.
usage: check_translations.py SOURCE_DIR LUPDATE
"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def missing_in(ts_file, source_dir):
    for context in ET.parse(ts_file).getroot().iter("context"):
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("obsolete", "vanished"):
                continue
            # A text with %n plural forms keeps its translations in <numerusform> children.
            forms = [translation]
            if translation is not None and message.get("numerus") == "yes":
                forms = translation.findall("numerusform") or forms
            if kind == "unfinished" or any(not (f.text or "").strip() for f in forms):
                where = message.find("location")
                if where is None:
                    place = context.findtext("name")
                else:
                    # lupdate writes the file relative to the .ts it updates.
                    path = (ts_file.parent / where.get("filename")).resolve()
                    place = f"{path.relative_to(source_dir)}:{where.get('line')}"
                yield place, message.findtext("source")


def main():
    source_dir, lupdate = pathlib.Path(sys.argv[1]), sys.argv[2]
    ts_files = sorted((source_dir / "translations").glob("slyders_*.ts"))
    if not ts_files:
        print("no translations/slyders_*.ts found")
        return 1
    problems = 0
    with tempfile.TemporaryDirectory() as tmp:
        for ts in ts_files:
            copy = pathlib.Path(tmp) / ts.name
            shutil.copy(ts, copy)
            run = subprocess.run([lupdate, "-silent", "-locations", "absolute", str(source_dir / "src"),
                                  "-ts", str(copy)], capture_output=True, text=True)
            if run.returncode != 0:
                print(f"lupdate failed on {ts.name}:\n{run.stderr}")
                return 1
            for place, text in missing_in(copy, source_dir.resolve()):
                print(f'{place}: "{text}" has no translation in translations/{ts.name}')
                problems += 1
    if problems:
        print(f"{problems} texts to translate (Qt Linguist: linguist translations/<file>.ts)")
        return 1
    print(f"every text translated in {len(ts_files)} languages")
    return 0


if __name__ == "__main__":
    sys.exit(main())
