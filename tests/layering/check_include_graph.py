"""Checks the include graph of the program's sources: which folder may include which, and no
circle. The compiler's include roots already stop a layer from reaching a higher one; this also
keeps the ui topic folders apart (they share ui/base, never each other), keeps ui/base free of
windows, and finds circles, which no include root can see.

Allowed, for a file in:
  core/           core/ and the standard library, never Qt
  platform/       core/, platform/
  ui/base/        core/, platform/, ui/base/
  ui/<topic>/     core/, platform/, ui/base/, its own ui/<topic>/
  app/            all of the above and app/
A .ui file's custom-widget headers count as includes of the window's sources."""

import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

ROOT = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]
LAYERS = ("core", "platform", "ui", "app")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def folder_of(path):
    """The unit a rule speaks of: core, platform, ui/base, ui/<topic> or app."""
    parts = Path(path).parts
    if parts[0] == "ui" and len(parts) > 2:
        return f"ui/{parts[1]}"
    return parts[0]


def allowed(source_folder, target_folder):
    if source_folder == "core":
        return target_folder == "core"
    if source_folder == "platform":
        return target_folder in ("core", "platform")
    if source_folder == "ui/base":
        return target_folder in ("core", "platform", "ui/base")
    if source_folder.startswith("ui/"):
        return target_folder in ("core", "platform", "ui/base", source_folder)
    if source_folder == "app":
        return True
    return False


def includes_of(path):
    text = path.read_text(encoding="utf-8")
    if path.suffix == ".ui":
        headers = [element.text for element in ElementTree.fromstring(text).iter("header")]
        return [("\"", header) for header in headers if header]
    return INCLUDE.findall(text)


def main():
    sources = sorted(p for layer in LAYERS for p in (ROOT / layer).rglob("*")
                     if p.suffix in (".h", ".cpp", ".ui") and p.is_file())
    if not sources:
        print(f"no sources found under {ROOT}")
        return 1
    problems = []
    graph = {}
    for path in sources:
        name = path.relative_to(ROOT).as_posix()
        source_folder = folder_of(name)
        edges = graph.setdefault(name, set())
        for bracket, header in includes_of(path):
            if bracket == "<":
                if source_folder == "core" and header.startswith("Q"):
                    problems.append(f"{name}: the core includes Qt's <{header}>")
                continue
            if header.startswith("ui_"):
                form = Path(name).with_name(header[3:-2] + ".ui").as_posix()
                edges.add(form)
                continue
            if header.split("/")[0] not in LAYERS:
                continue
            target_folder = folder_of(header)
            if not allowed(source_folder, target_folder):
                problems.append(f"{name}: {source_folder} includes {header}")
            edges.add(header)

    # Circles among files, by depth-first search.
    state = {}
    def visit(node, trail):
        state[node] = "open"
        for target in sorted(graph.get(node, ())):
            if state.get(target) == "open":
                circle = trail[trail.index(target):] + [target] if target in trail else [node, target]
                problems.append("circle: " + " -> ".join(circle))
            elif target not in state:
                visit(target, trail + [target])
        state[node] = "done"
    for node in sorted(graph):
        if node not in state:
            visit(node, [node])

    for problem in problems:
        print(problem)
    print(f"{len(sources)} sources checked, {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
