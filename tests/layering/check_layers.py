#!/usr/bin/env python3
"""Fails when a file under src/ includes across a forbidden edge between the layers.

The layers, bottom up, and what each may include besides itself:
  base                 nothing
  platform (*.h/.cpp)  base
  platform/win32       base, platform
  platform/fake        base, platform
  core/<subsystem>     base, platform, and the core subsystems it declares
  ui                   base, platform, platform/win32, core
  app                  base, platform, platform/win32, core, ui

The portable layers (base, platform interfaces, fake, core) include no system header
either: only the C++ standard library, whose headers carry no "." or "/".

Between core subsystems, every include must be declared in the subsystem's library
(CMakeLists.txt writes the declared graph to the build folder), every declaration must
be used, and neither graph may have a cycle.

Usage: check_layers.py --src DIR [--declared FILE]
       check_layers.py --self-test
"""
import argparse
import os
import re
import sys
import tempfile

ALLOWED = {
    "base": set(),
    "platform": {"base"},
    "win32": {"base", "platform"},
    "fake": {"base", "platform"},
    "core": {"base", "platform"},
    "ui": {"base", "platform", "win32", "core"},
    "app": {"base", "platform", "win32", "core", "ui"},
}
PORTABLE = {"base", "platform", "fake", "core"}
SOURCE_SUFFIXES = (".h", ".cpp", ".inc", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(rel):
    """(layer, core subsystem or None) of a path relative to src/, or None outside the layers."""
    parts = rel.split("/")
    top = parts[0]
    if top == "platform":
        if len(parts) == 2:
            return "platform", None
        return (parts[1], None) if parts[1] in ("win32", "fake") else None
    if top == "core":
        return ("core", parts[1]) if len(parts) > 2 else None
    if top in ALLOWED:
        return top, None
    return None


def resolve(src, including_dir, name):
    """The included file relative to src/: beside the including file first, then from src/."""
    for base in (including_dir, src):
        path = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(path):
            return os.path.relpath(path, src).replace(os.sep, "/")
    return None


def read_declared(path):
    """{subsystem: set of subsystems} from lines "name: dep dep"."""
    declared = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if ":" not in line:
                continue
            name, deps = line.split(":", 1)
            declared[name.strip()] = set(deps.replace(";", " ").split())
    return declared


def find_cycle(graph):
    """One cycle as a list of nodes (first repeated at the end), or None."""
    state = {}  # 1 = on the current path, 2 = done
    path = []

    def visit(node):
        state[node] = 1
        path.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == 1:
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        path.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def check(src, declared=None):
    """Every violation as "file:line: message" or "folder: message", relative to src/."""
    problems = []
    uses = {}  # (from subsystem, to subsystem) -> first "file:line"
    subsystems = set()
    for root, dirs, files in os.walk(src):
        dirs.sort()
        for file in sorted(files):
            if not file.endswith(SOURCE_SUFFIXES):
                continue
            path = os.path.join(root, file)
            rel = os.path.relpath(path, src).replace(os.sep, "/")
            where = layer_of(rel)
            if where is None:
                problems.append(f"{rel}: not inside a layer (base, platform, core/<subsystem>, ui, app)")
                continue
            layer, subsystem = where
            if subsystem:
                subsystems.add(subsystem)
            with open(path, encoding="utf-8", errors="replace") as f:
                lines = f.readlines()
            for number, line in enumerate(lines, 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                kind, name = match.groups()
                at = f"{rel}:{number}"
                if kind == "<":
                    if layer in PORTABLE and ("." in name or "/" in name):
                        problems.append(f"{at}: {layer} is portable and may not include <{name}>")
                    continue
                target = resolve(src, root, name)
                if target is None:
                    problems.append(f'{at}: "{name}" is not a file under src/')
                    continue
                to = layer_of(target)
                if to is None:
                    continue  # reported where it lies
                to_layer, to_subsystem = to
                if to_layer != layer and to_layer not in ALLOWED[layer]:
                    problems.append(f"{at}: {layer} may not include {to_layer} ({target})")
                if subsystem and to_subsystem and subsystem != to_subsystem:
                    uses.setdefault((subsystem, to_subsystem), at)

    graph = {}
    for (a, b) in uses:
        graph.setdefault(a, set()).add(b)
    cycle = find_cycle(graph)
    if cycle:
        steps = ", ".join(f"{a} -> {b} ({uses[(a, b)]})" for a, b in zip(cycle, cycle[1:]))
        problems.append(f"core: the subsystems include each other in a cycle: {steps}")

    if declared is not None:
        for sub in sorted(subsystems - declared.keys()):
            problems.append(f"core/{sub}: has no library in CMakeLists.txt (kefelo_core_subsystem)")
        for (a, b), at in sorted(uses.items()):
            if b not in declared.get(a, set()):
                problems.append(f"{at}: core/{a} includes core/{b} without declaring it (DEPENDS {b})")
        for a, deps in sorted(declared.items()):
            for b in sorted(deps):
                if a in subsystems and (a, b) not in uses:
                    problems.append(f"core/{a}: declares {b} but includes nothing from it")
        cycle = find_cycle(declared)
        if cycle:
            problems.append(f"core: the declared subsystems form a cycle: {' -> '.join(cycle)}")
    return problems


def self_test():
    """Each kind of violation in a small tree is reported; the same tree without them is clean."""
    clean = {
        "base/text/codec.h": "#include <string>\n",
        "base/text/codec.cpp": '#include "base/text/codec.h"\n#include "tables.inc"\n',
        "base/text/tables.inc": "",
        "platform/clock.h": '#include "base/text/codec.h"\n',
        "platform/win32/win32_clock.cpp": '#include <windows.h>\n#include "platform/clock.h"\n',
        "platform/fake/fake_clock.h": '#include "platform/clock.h"\n',
        "core/config/model.h": '#include "platform/clock.h"\n',
        "core/app/shell.h": '#include "core/config/model.h"\n',
        "ui/app/window.cpp": '#include "core/app/shell.h"\n#include "platform/win32/win32_clock.cpp"\n',
        "app/main.cpp": '#include "ui/app/window.cpp"\n',
        "app/kefelo.rc": '#include "app/resource.h"\n',
        "app/resource.h": "",
    }
    declared = {"config": set(), "app": {"config"}}
    broken = {
        "base/time/date.h": '#include "platform/clock.h"\n',
        "platform/shell.h": '#include "core/config/model.h"\n#include "ui/app/window.cpp"\n',
        "platform/win32/bad.cpp": '#include "core/app/shell.h"\n',
        "platform/fake/bad.h": '#include <unistd.h>\n',
        "core/config/bad.cpp": '#include "ui/app/window.cpp"\n#include "platform/win32/win32_clock.cpp"\n'
                               '#include "platform/fake/fake_clock.h"\n#include <windows.h>\n'
                               '#include "core/app/shell.h"\n',
        "core/search/walk.h": '#include "core/config/model.h"\n',
        "ui/app/bad.cpp": '#include "platform/fake/fake_clock.h"\n#include "app/resource.h"\n#include "nowhere.h"\n',
        "tools/stray.h": "",
    }
    expected = [
        "base/time/date.h:1: base may not include platform",
        "platform/shell.h:1: platform may not include core",
        "platform/shell.h:2: platform may not include ui",
        "platform/win32/bad.cpp:1: win32 may not include core",
        "platform/fake/bad.h:1: fake is portable and may not include <unistd.h>",
        "core/config/bad.cpp:1: core may not include ui",
        "core/config/bad.cpp:2: core may not include win32",
        "core/config/bad.cpp:3: core may not include fake",
        "core/config/bad.cpp:4: core is portable and may not include <windows.h>",
        "core: the subsystems include each other in a cycle: app -> config",
        "core/config/bad.cpp:5: core/config includes core/app without declaring it",
        "core/search: has no library",
        "core/search/walk.h:1: core/search includes core/config without declaring it",
        "ui/app/bad.cpp:1: ui may not include fake",
        "ui/app/bad.cpp:2: ui may not include app",
        'ui/app/bad.cpp:3: "nowhere.h" is not a file under src/',
        "tools/stray.h: not inside a layer",
    ]

    def build(tree, files):
        for rel, text in files.items():
            path = os.path.join(tree, rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)

    failures = []
    with tempfile.TemporaryDirectory() as tree:
        build(tree, clean)
        found = check(tree, declared)
        if found:
            failures.append("a clean tree was reported:\n  " + "\n  ".join(found))
        if check(tree, {"config": {"app"}, "app": {"config"}}) == []:
            failures.append("a declared cycle and an unused declaration went unreported")
        build(tree, broken)
        found = check(tree, declared)
        for want in expected:
            if not any(problem.startswith(want) for problem in found):
                failures.append(f"not reported: {want}")
        if len(found) != len(expected):
            failures.append("reported:\n  " + "\n  ".join(found))
    for failure in failures:
        print(failure)
    print("self-test:", "FAILED" if failures else f"ok, {len(expected)} kinds of violation caught")
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--src", help="the source root (src/)")
    parser.add_argument("--declared", help="the core subsystems' declared dependencies")
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    if args.self_test:
        return self_test()
    if not args.src:
        parser.error("--src is needed")
    declared = read_declared(args.declared) if args.declared else None
    problems = check(os.path.abspath(args.src), declared)
    for problem in problems:
        print(f"src/{problem}")
    print(f"layering: {len(problems)} violation(s)" if problems else "layering: ok")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
