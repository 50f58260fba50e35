#!/usr/bin/env python3
"""Writes the C++ source of ResourceCatalog(): every TResString constant of the program.

The units keep their texts in headers as `inline constexpr TResString name{...}` inside a
namespace named after the unit. This script only finds the names; the compiler reads the
identifiers and texts themselves, so escapes and joined literals need no parsing here, and a
name found wrongly fails the build instead of giving a wrong catalogue.

usage: gen-resource-catalog.py <src folder> <output .cpp>
"""
import os
import re
import sys

DECLARATION = re.compile(r"^\s*inline\s+constexpr\s+TResString\s+(\w+)\s*\{")
NAMESPACE_OPEN = re.compile(r"^\s*namespace\s+(\w+)\s*\{")
ANONYMOUS_OPEN = re.compile(r"^\s*namespace\s*\{")
NAMESPACE_CLOSE = re.compile(r"^\s*\}\s*//\s*namespace")


def scan(root):
    headers, names, problems = [], [], []
    for folder, subfolders, files in os.walk(root):
        subfolders.sort()
        relative_folder = os.path.relpath(folder, root).replace(os.sep, "/")
        # Windows adapters hold no texts, and the native build could not include them.
        if relative_folder.startswith("platform/win32"):
            continue
        for name in sorted(files):
            if not name.endswith(".h"):
                continue
            relative = name if relative_folder == "." else relative_folder + "/" + name
            found = scan_header(os.path.join(folder, name), relative, problems)
            if found:
                headers.append(relative)
                names.extend(found)
    return headers, names, problems


def scan_header(path, relative, problems):
    found, stack = [], []
    with open(path, encoding="utf-8") as header:
        for number, line in enumerate(header, 1):
            if ANONYMOUS_OPEN.match(line):
                stack.append(None)
            elif NAMESPACE_OPEN.match(line):
                stack.append(NAMESPACE_OPEN.match(line).group(1))
            elif NAMESPACE_CLOSE.match(line) and stack:
                stack.pop()
            if "constexpr TResString" not in line:
                continue
            match = DECLARATION.match(line)
            where = f"{relative}:{number}"
            if not match:
                problems.append(f"{where}: write the declaration as 'inline constexpr TResString name{{'")
            elif not stack or None in stack:
                problems.append(f"{where}: a resource string belongs in its unit's namespace")
            else:
                found.append("::".join(stack) + "::" + match.group(1))
    return found


def main():
    root, output = sys.argv[1], sys.argv[2]
    headers, names, problems = scan(root)
    if problems:
        for problem in problems:
            print(problem, file=sys.stderr)
        return 1
    lines = [
        "// Written by tools/gen-resource-catalog.py from the string headers; do not edit.",
        '#include "app/uResourceCatalog.h"',
        "",
    ]
    lines += [f'#include "{header}"' for header in headers]
    lines += ["", "namespace {", "constexpr const TResString* kCatalog[] = {"]
    lines += [f"    &{name}," for name in names]
    lines += [
        "};",
        "}  // namespace",
        "",
        "std::span<const TResString* const> ResourceCatalog() {",
        "  return kCatalog;",
        "}",
        "",
    ]
    text = "\n".join(lines)
    # Unchanged output keeps its time stamp, so nothing is rebuilt for it.
    try:
        with open(output, encoding="utf-8") as existing:
            if existing.read() == text:
                return 0
    except OSError:
        pass
    with open(output, "w", encoding="utf-8") as target:
        target.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
