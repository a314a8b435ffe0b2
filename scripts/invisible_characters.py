#!/usr/bin/env python3
# Writes startup/invisible_characters.cpp: the code points that do not show as themselves
# (controls, format characters, default-ignorables, line and paragraph separators) as a
# table of ranges, from the Unicode character database's own files.
#   scripts/invisible_characters.py [UCD_FOLDER] > startup/invisible_characters.cpp
# UCD_FOLDER holds UnicodeData.txt and DerivedCoreProperties.txt (/usr/share/unicode).
import os
import re
import sys

# Cc controls, Cf format characters, Zl and Zp: a terminal acts on them, or they reorder,
# join, hide or break what follows instead of showing.
CATEGORIES = {"Cc", "Cf", "Zl", "Zp"}


def code_points_of_categories(path):
    points = set()
    range_first = None
    with open(path, encoding="utf-8") as data:
        for line in data:
            fields = line.split(";")
            code, name, category = int(fields[0], 16), fields[1], fields[2]
            if name.endswith(", First>"):
                range_first = code
                continue
            first = range_first if name.endswith(", Last>") else code
            range_first = None
            if category in CATEGORIES:
                points.update(range(first, code + 1))
    return points


def default_ignorables(path):
    points = set()
    pattern = re.compile(r"^([0-9A-F]+)(?:\.\.([0-9A-F]+))?\s*;\s*Default_Ignorable_Code_Point\b")
    with open(path, encoding="utf-8") as data:
        for line in data:
            match = pattern.match(line)
            if match:
                first = int(match.group(1), 16)
                last = int(match.group(2) or match.group(1), 16)
                points.update(range(first, last + 1))
    return points


def unicode_version(path):
    with open(path, encoding="utf-8") as data:
        match = re.search(r"DerivedCoreProperties-([0-9.]+)\.txt", data.readline())
    return match.group(1) if match else "unknown"


def ranges_of(points):
    ranges = []
    for point in sorted(points):
        if ranges and ranges[-1][1] + 1 == point:
            ranges[-1][1] = point
        else:
            ranges.append([point, point])
    return ranges


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
    derived = os.path.join(folder, "DerivedCoreProperties.txt")
    points = code_points_of_categories(os.path.join(folder, "UnicodeData.txt")) | default_ignorables(derived)
    ranges = ranges_of(points)
    cells = ["{0x%04X, 0x%04X}," % (first, last) for first, last in ranges]
    rows = [" ".join(cells[at:at + 5]) for at in range(0, len(cells), 5)]
    print("// The code points that do not show as themselves, as ranges: written by")
    print("// scripts/invisible_characters.py from Unicode %s's UnicodeData.txt (categories Cc, Cf," % unicode_version(derived))
    print("// Zl, Zp) and DerivedCoreProperties.txt (Default_Ignorable_Code_Point). Do not edit.")
    print('#include "startup/invisible_characters.h"')
    print()
    print('#include "startup/code_point_ranges.h"')
    print()
    print("namespace {")
    print()
    print("constexpr CodePointRange kInvisible[] = {")
    for row in rows:
        print("    " + row)
    print("};")
    print()
    print("}  // namespace")
    print()
    print("bool IsInvisibleCharacter(char32_t code_point) { return InRanges(kInvisible, code_point); }")


if __name__ == "__main__":
    main()
