#!/usr/bin/python3
# Where the browser's WebAssembly spends its bytes: the sizes of its sections, and of its
# functions' code by the family of library or program code they belong to. It needs a
# build whose functions keep their names: the web build's own link command
# (build/web-tree/platform/web/CMakeFiles/zorbel_web.dir/link.txt) with --profiling-funcs.
#
# wasm_parts.py WASM [FUNCTIONS_SHOWN]
import re
import sys
from collections import defaultdict

# Families of functions, the first that matches a name counts it. The stream and locale
# families are what a program pays for formatting through iostreams.
FAMILIES = [
    ("streams", r"basic_(i|o|io)stream|basic_[io]?stringstream|basic_stringbuf|basic_streambuf|"
                r"basic_filebuf|basic_ios|ios_base|__stdoutbuf|__stdinbuf|std::__2::(cout|cerr|cin|clog|wcout|wcerr|wcin|wclog)|"
                r"ostreambuf_iterator|istreambuf_iterator|DoIOSInit|__put_character_sequence|__pad_and_output|"
                r"\bstd::__2::(endl|flush|ws)\b"),
    ("locale", r"locale|ctype|codecvt|num_put|num_get|numpunct|moneypunct|money_get|money_put|"
               r"time_get|time_put|__time_get|messages|collate|__num_get|__num_put|__money|__scan_keyword|"
               r"__do_nothing|__narrow_to_utf8|__widen_from_utf8|__libcpp_.*_l\b|\w+_l$|strto\w+_l|"
               r"__check_grouping|__stage2|__sso_allocator|mbsrtowcs|wcsnrtombs|mbsnrtowcs|wcrtomb|mbrtowc|"
               r"mbrlen|mbtowc|btowc|wctob|wcslen|__cxx_atomic|__call_once|call_once"),
    ("printf and number text", r"printf|fmt_fp|pop_arg|printf_core|out$|pad$|fmt_[xuo]\b|__fwritex|"
                               r"frexp|strto[dfl]|__floatscan|__intscan|scanf|__shgetc|__shlim|"
                               r"decfloat|hexfloat|scanexp|__uflow|__toread|__towrite|copysign|"
                               r"fmodl|__lctrans|strerror"),
    # The program's own functions, and the library's wrappers around its lambdas.
    ("program", r"^(std::__2::__function::__func<|\(anonymous namespace\)::|zorbel_|[A-Z])"),
]


def uleb(data, at):
    value = shift = 0
    while True:
        byte = data[at]
        at += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if byte < 0x80:
            return value, at


def sections(data):
    at = 8
    while at < len(data):
        kind = data[at]
        size, body = uleb(data, at + 1)
        name = None
        if kind == 0:
            length, start = uleb(data, body)
            name = data[start:start + length].decode()
        yield kind, name, body, body + size, body - at + size
        at = body + size


def function_names(data, start, end):
    names = {}
    at = start
    length, at = uleb(data, at)
    at += length  # the section's own name, "name"
    while at < end:
        kind = data[at]
        size, body = uleb(data, at + 1)
        if kind == 1:
            count, at2 = uleb(data, body)
            for _ in range(count):
                index, at2 = uleb(data, at2)
                length, at2 = uleb(data, at2)
                names[index] = data[at2:at2 + length].decode(errors="replace")
                at2 += length
        at = body + size
    return names


def imported_functions(data, start):
    count, at = uleb(data, start)
    functions = 0
    for _ in range(count):
        for _ in range(2):
            length, at = uleb(data, at)
            at += length
        kind = data[at]
        at += 1
        if kind == 0:
            _, at = uleb(data, at)
            functions += 1
        elif kind == 1:
            at += 1
            flags, at = uleb(data, at)
            _, at = uleb(data, at)
            if flags & 1:
                _, at = uleb(data, at)
        elif kind == 2:
            flags, at = uleb(data, at)
            _, at = uleb(data, at)
            if flags & 1:
                _, at = uleb(data, at)
        elif kind == 3:
            at += 2
        elif kind == 4:
            at += 1
            _, at = uleb(data, at)
    return functions


def main():
    data = open(sys.argv[1], "rb").read()
    shown = int(sys.argv[2]) if len(sys.argv) > 2 else 25
    section_names = {1: "type", 2: "import", 3: "function", 4: "table", 5: "memory", 6: "global", 7: "export",
                     8: "start", 9: "element", 10: "code", 11: "data", 12: "data count", 13: "tag"}
    imports = 0
    names = {}
    bodies = []
    print(f"{len(data)} bytes in all")
    for kind, custom, start, end, size in sections(data):
        print(f"  {size:8d}  {custom or section_names.get(kind, kind)}")
        if kind == 2:
            imports = imported_functions(data, start)
        elif kind == 10:
            count, at = uleb(data, start)
            for _ in range(count):
                length, body = uleb(data, at)
                bodies.append(body + length - at)
                at = body + length
        elif custom == "name":
            names = function_names(data, start, end)
    if not names:
        sys.exit("the functions have no names: link with --profiling-funcs")
    by_family = defaultdict(int)
    of_family = defaultdict(list)
    for number, size in enumerate(bodies):
        name = names.get(imports + number, "?")
        family = next((f for f, pattern in FAMILIES if re.search(pattern, name)), "other library code")
        by_family[family] += size
        of_family[family].append((size, name))
    print(f"code by family ({sum(bodies)} bytes in {len(bodies)} functions):")
    for family, size in sorted(by_family.items(), key=lambda item: -item[1]):
        print(f"  {size:8d}  {family} ({len(of_family[family])} functions)")
    for family in ("streams", "locale", "program", "other library code"):
        print(f"largest of {family}:")
        for size, name in sorted(of_family[family], reverse=True)[:shown]:
            print(f"  {size:8d}  {name[:150]}")


if __name__ == "__main__":
    main()
