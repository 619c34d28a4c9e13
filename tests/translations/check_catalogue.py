"""Checks the Persian catalogue against the sources, without touching the checked-in file.

    check_catalogue.py SOURCE_ROOT TS_FILE LUPDATE SOURCES_LIST WORK_DIR
        Copies TS_FILE into WORK_DIR, brings the copy up to date with lupdate, and checks it.
    check_catalogue.py SOURCE_ROOT --faults FOLDER
        Checks each .ts file of FOLDER as it stands; each must fail, naming the fault that its
        first line's comment announces.

A catalogue fails on a marked text without a finished translation, on a text known from the
sources that it lacks (lupdate skips some spellings without a word), and on a translation with
Arabic yeh or kaf, with an ASCII digit outside placeholders and addresses (the version comes in as one), or with
other placeholders, access keys or line breaks than its source.
"""

import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%\d")
ADDRESS = re.compile(r"(?:https?://|www\.)[^\s\u2066-\u2069]*")
ACCESS_KEY = re.compile(r"&(?!&)")
CR = "\uE00D"  # lupdate writes a carriage return as <byte value="xd"/>, which XML cannot hold


def read_catalogue(path):
    """(context, source) -> (translation, type) for every message."""
    text = Path(path).read_text(encoding="utf-8").replace('<byte value="xd"/>', CR)
    messages = {}
    for context in ET.fromstring(text).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            messages[(name, message.findtext("source"))] = (
                translation.text or "", translation.get("type", "finished"))
    return messages


# --- What the sources hold, read without lupdate.

CPP_STRING = r'"((?:[^"\\]|\\.)*)"'


def unescape(literal):
    """A C++ string literal's bytes as UTF-8 text."""
    out = bytearray()
    i = 0
    while i < len(literal):
        c = literal[i]
        if c != "\\":
            out += c.encode("utf-8")
            i += 1
            continue
        nxt = literal[i + 1]
        if nxt == "x":
            digits = re.match(r"[0-9A-Fa-f]+", literal[i + 2:]).group(0)
            out.append(int(digits, 16))
            i += 2 + len(digits)
        else:
            out += {"n": b"\n", "r": b"\r", "t": b"\t"}.get(nxt, nxt.encode())
            i += 2
    return out.decode("utf-8").replace("\r", CR)


def adjacent_literals(text, start):
    """The concatenated literals from start on, across white space and comments."""
    parts = []
    pos = start
    pattern = re.compile(r'\s*(?://[^\n]*\n\s*)*' + CPP_STRING)
    while True:
        match = pattern.match(text, pos)
        if not match:
            return "".join(parts)
        parts.append(unescape(match.group(1)))
        pos = match.end()


def known_texts(root):
    known = set()
    root = Path(root)
    for source in sorted(list(root.glob("core/**/*.h")) + list(root.glob("core/**/*.cpp")) +
                         list(root.glob("ui/**/*.cpp")) + list(root.glob("app/**/*.cpp"))):
        text = source.read_text(encoding="utf-8")
        for match in re.finditer(r'QT_TRANSLATE_NOOP\(\s*"([^"]+)",', text):
            known.add((match.group(1), adjacent_literals(text, match.end())))
        for match in re.finditer(r'QCoreApplication::translate\(\s*"([^"]+)",', text):
            known.add((match.group(1), adjacent_literals(text, match.end())))
        # A window's own tr() files the text under its class, which the call does not name.
        for match in re.finditer(r'\btr\(', text):
            known.add((None, adjacent_literals(text, match.end())))
    known = {(context, source) for context, source in known if source}
    for form in sorted(root.glob("ui/**/*.ui")):
        tree = ET.parse(form).getroot()
        context = tree.find("widget").get("name")
        for string in tree.iter("string"):
            if string.get("notr") != "true" and string.text:
                known.add((context, string.text))
    return known


# --- The checks.

def faults_of(messages, known):
    faults = []
    for (context, source), (translation, kind) in sorted(messages.items()):
        where = f"{context}: {source[:60]!r}"
        if kind in ("vanished", "obsolete"):
            continue
        if kind != "finished" or not translation:
            faults.append(f"unfinished: {where}")
            continue
        if re.search("[\u064A\u0643]", translation):
            faults.append(f"Arabic yeh or kaf: {where}")
        rest = PLACEHOLDER.sub("", ADDRESS.sub("", translation))
        if re.search("[0-9]", rest):
            faults.append(f"ASCII digit: {where}")
        for name, pattern in (("placeholders", PLACEHOLDER), ("access keys", ACCESS_KEY)):
            if sorted(pattern.findall(source)) != sorted(pattern.findall(translation)):
                faults.append(f"other {name} than the source: {where}")
        if source.count(CR) != translation.count(CR) or source.count("\n") != translation.count("\n"):
            faults.append(f"other line breaks than the source: {where}")
    sources = {source for _, source in messages}
    for context, source in sorted(known, key=str):
        if (context, source) not in messages and not (context is None and source in sources):
            faults.append(f"missing: {context or 'any'}: {source[:60]!r}")
    return faults


def check(path, known):
    messages = read_catalogue(path)
    faults = faults_of(messages, known)
    for fault in faults:
        print(fault)
    print(f"{len(messages)} texts checked, {len(faults)} fault(s)")
    return faults


def main(argv):
    root = argv[1]
    known = known_texts(root)
    if argv[2] == "--faults":
        failures = 0
        for fixture in sorted(Path(argv[3]).glob("*.ts")):
            expected = re.search(r"<!-- fault: (.*?) -->", fixture.read_text(encoding="utf-8")).group(1)
            print(f"--- {fixture.name}")
            faults = check(fixture, known)
            if not any(fault.startswith(expected) for fault in faults):
                print(f"NOT FOUND: {expected}")
                failures += 1
        return 1 if failures else 0
    ts_file, lupdate, sources_list, work = argv[2:6]
    work = Path(work)
    work.mkdir(parents=True, exist_ok=True)
    copy = work / Path(ts_file).name
    shutil.copyfile(ts_file, copy)
    done = subprocess.run([lupdate, "-silent", "-locations", "none", f"@{sources_list}", "-ts", str(copy)],
                          capture_output=True, text=True)
    if done.returncode != 0:
        print(done.stdout + done.stderr)
        return 1
    return 1 if check(copy, known) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
