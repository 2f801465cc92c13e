#!/usr/bin/env python3
"""Holds every 32-bit deliverable to the systems it must load on.

Walks build/i686/bin/ (every .exe, .dll and .ocx below it), lists each
file's imports with objdump from the mingw binutils and compares them with
the reviewed table scripts/imports/allowed-imports.tsv. Fails on:
  - an import the table lacks (review it, then add a row),
  - an import some target system lacks (load it by name with a fallback,
    or record a reasoned exception in scripts/imports/exceptions.tsv),
  - an import that 95, 98 and Me export only as a stub that fails, in a
    deliverable scripts/imports/stubs-9x.tsv does not allow it in,
  - a static TLS directory in a DLL (Windows 95 cannot load such a DLL at
    run time; NT before Vista loads it without setting its TLS up),
  - a subsystem version other than 4.0 or a 64-bit file.

  check-imports.py [BIN_DIR]   check the deliverables (default build/i686/bin)
  check-imports.py --self-test build tiny programs and check that the check
                               catches what it must
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
TABLE = os.path.join(HERE, "imports", "allowed-imports.tsv")
EXCEPTIONS = os.path.join(HERE, "imports", "exceptions.tsv")
STUBS = os.path.join(HERE, "imports", "stubs-9x.tsv")
OBJDUMP = "i686-w64-mingw32-objdump"
COMPILER = "i686-w64-mingw32-g++-win32"
# What every 32-bit deliverable links to run on 9x (cmake/Velmora.cmake).
RUNTIME = os.path.join(ROOT, "platform", "runtime")
DLL_START = [os.path.join(RUNTIME, "dll_start.cpp"), "-Wl,--entry,_VelmoraDllStart@12"]
SUFFIXES = (".exe", ".dll", ".ocx")

# The two lines of target systems, oldest first. "+IE4": with Internet
# Explorer 4 or later installed (its own DLLs, not its optional shell update).
LINES = {
    "9x": ["95", "95+IE4", "98", "Me", "-"],
    "nt": ["NT4", "NT4+IE4", "2000", "XP", "Vista", "7", "-"],
}
# Every deliverable loads beside Internet Explorer 4 or later on 95 and NT 4.
TARGETS = {"9x": "95+IE4", "nt": "NT4+IE4"}


class TableError(Exception):
    pass


def read_rows(path, columns):
    """The file's rows as lists of `columns` fields; '#' starts a comment."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < columns[0] or len(fields) > columns[1]:
                raise TableError("%s:%d: %d fields, expected %d to %d" %
                                 (path, number, len(fields), columns[0], columns[1]))
            rows.append((number, [field.strip() for field in fields]))
    return rows


def load_table(path):
    """{(dll, function): (9x, nt, note)} with dll in lower case."""
    table = {}
    for number, fields in read_rows(path, (4, 5)):
        dll, function, since9x, sincent = fields[:4]
        if since9x not in LINES["9x"] or sincent not in LINES["nt"]:
            raise TableError("%s:%d: unknown system '%s' or '%s'" % (path, number, since9x, sincent))
        key = (dll.lower(), function)
        if key in table:
            raise TableError("%s:%d: %s %s listed twice" % (path, number, dll, function))
        table[key] = (since9x, sincent, fields[4] if len(fields) > 4 else "")
    return table


def load_exceptions(path):
    """{(deliverable, dll, function): reason}, names in lower case but the function."""
    exceptions = {}
    for number, fields in read_rows(path, (4, 4)):
        deliverable, dll, function, reason = fields
        if not reason:
            raise TableError("%s:%d: an exception needs its reason" % (path, number))
        exceptions[(deliverable.lower(), dll.lower(), function)] = reason
    return exceptions


def load_stubs(path):
    """{(dll, function): (set of deliverables allowed, reason)}, names in lower
    case but the function; "*" allows every deliverable, "-" none."""
    stubs = {}
    for number, fields in read_rows(path, (4, 4)):
        dll, function, where, reason = fields
        if not reason:
            raise TableError("%s:%d: a stub needs the reason it may be imported (or not)" %
                             (path, number))
        allowed = set() if where == "-" else {name.strip().lower() for name in where.split(",")}
        stubs[(dll.lower(), function)] = (allowed, reason)
    return stubs


def dump(path):
    """(is PE32, subsystem version, has a TLS directory, [(dll, function)]) of one file."""
    text = subprocess.run([OBJDUMP, "-p", path], check=True, capture_output=True,
                          text=True, errors="replace").stdout
    pe32 = "file format pei-i386" in text
    major = re.search(r"^MajorSubsystemVersion\s+(\d+)", text, re.M)
    minor = re.search(r"^MinorSubsystemVersion\s+(\d+)", text, re.M)
    version = "%s.%s" % (major.group(1) if major else "?", minor.group(1) if minor else "?")
    tls = re.search(r"^Entry 9 ([0-9a-fA-F]+) ([0-9a-fA-F]+) Thread Storage Directory", text, re.M)
    has_tls = bool(tls) and int(tls.group(1), 16) != 0
    imports = []
    section = None
    dll = None
    for line in text.splitlines():
        if line[:1] not in ("", " ", "\t"):
            section = line
            dll = None
        named = re.match(r"^\tDLL Name: (\S+)", line)
        if named:
            dll = named.group(1)
            continue
        entry = re.match(r"^\t[0-9a-fA-F]+\s+(\d+)\s+(\S+)", line)
        if dll and entry and section.startswith("The Import Tables"):
            hint, name = entry.groups()
            # Imports by ordinal have no name: the table lists them as #n.
            imports.append((dll, "#" + hint if name == "<none>" else name))
    return pe32, version, has_tls, imports


def missing_on(since):
    """The target lines on which a function available `since` is missing."""
    return [line for line, first in zip(("9x", "nt"), since)
            if LINES[line].index(first) > LINES[line].index(TARGETS[line])]


def never(first):
    return "no system" if first == "-" else first


def check_file(path, shown, table, exceptions, stubs):
    """(problems as text lines, number of imports, the 9x stubs it imports)."""
    problems = []
    try:
        pe32, version, has_tls, imports = dump(path)
    except subprocess.CalledProcessError as error:
        return ["%s: objdump cannot read it: %s" % (shown, error.stderr.strip())], 0, []
    if not pe32:
        problems.append("%s: not a 32-bit (PE32) file" % shown)
    if version != "4.0":
        problems.append("%s: subsystem version %s; Windows 95 and NT 4 need 4.0" % (shown, version))
    name = os.path.basename(path).lower()
    if has_tls and name.endswith((".dll", ".ocx")):
        problems.append("%s: carries a static TLS directory: Windows 95 cannot load it at run time "
                        "(error 1114) and NT before Vista leaves its TLS unset" % shown)
    stubbed = []
    for dll, function in imports:
        key = (dll.lower(), function)
        if key in stubs:
            allowed, reason = stubs[key]
            if "*" in allowed or name in allowed:
                stubbed.append(function)
            else:
                problems.append("%s: imports %s %s, which 95, 98 and Me export only as a stub that "
                                "fails; stubs-9x.tsv allows it in %s only (%s)" %
                                (shown, dll, function, ", ".join(sorted(allowed)) or "no deliverable",
                                 reason))
        since = table.get(key) or table.get((dll.lower(), "*"))
        if (name, key[0], function) in exceptions or ("*", key[0], function) in exceptions:
            continue
        if since is None:
            problems.append("%s: imports %s %s, which allowed-imports.tsv lacks" % (shown, dll, function))
        elif missing_on(since[:2]):
            problems.append("%s: imports %s %s, which the targets lack (it came with %s on the 9x "
                            "line, %s on the NT line); load it by name with a fallback%s" %
                            (shown, dll, function, never(since[0]), never(since[1]),
                             " (%s)" % since[2] if since[2] else ""))
    return problems, len(imports), stubbed


def deliverables(bin_dir):
    for folder, _, files in sorted(os.walk(bin_dir)):
        for file in sorted(files):
            if file.lower().endswith(SUFFIXES):
                yield os.path.join(folder, file)


def check(bin_dir, table_path=TABLE, exceptions_path=EXCEPTIONS, stubs_path=STUBS, quiet=False):
    """0 when every deliverable below bin_dir passes, else 1 (problems printed)."""
    try:
        table = load_table(table_path)
        exceptions = load_exceptions(exceptions_path)
        stubs = load_stubs(stubs_path)
    except (OSError, TableError) as error:
        print("check-imports: %s" % error)
        return 1
    files = list(deliverables(bin_dir))
    if not files:
        print("check-imports: no deliverable below %s (build the i686 target first)" % bin_dir)
        return 1
    failed = False
    for path in files:
        shown = os.path.relpath(path, bin_dir)
        problems, count, stubbed = check_file(path, shown, table, exceptions, stubs)
        for problem in problems:
            print("check-imports: " + problem)
        failed = failed or bool(problems)
        if not quiet and not problems:
            print("check-imports: ok %s (%d imports%s)" %
                  (shown, count, "; stubs on 9x: " + ", ".join(stubbed) if stubbed else ""))
    return 1 if failed else 0


def build(folder, name, source, extra=()):
    path = os.path.join(folder, name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    code = os.path.join(folder, "probe.cpp")
    with open(code, "w") as f:
        f.write("#include <windows.h>\n" + source)
    shared = ["-shared"] if name.lower().endswith(".dll") else []
    subprocess.run([COMPILER, "-O1", "-D_WIN32_WINNT=0x0600", "-static", "-o", path, code] +
                   shared + list(extra), check=True, capture_output=True)


def self_test():
    """Builds probes and checks that the check tells them apart; 0 when it does."""
    ticks = "int main(void) { return (int)GetTickCount%s(); }\n"
    dll = "extern \"C\" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }\n"
    semaphore = "int main(void) { return CreateSemaphoreW(NULL, 0, 1, NULL) != NULL; }\n"
    failures = []

    def expect(title, bin_dir, status, text, **tables):
        import io
        import contextlib
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            got = check(bin_dir, quiet=True, **tables)
        if got != status or text not in out.getvalue():
            failures.append("%s: status %d, output:\n%s" % (title, got, out.getvalue()))

    with tempfile.TemporaryDirectory() as scratch:
        def table_file(name, text):
            path = os.path.join(scratch, name)
            with open(path, "w") as f:
                f.write(text)
            return path

        good = os.path.join(scratch, "good")
        build(good, "Family/Good.exe", ticks % "")
        expect("a program importing only Windows 95 functions", good, 0, "")

        newer = os.path.join(scratch, "newer")
        build(newer, "Family/Good.exe", ticks % "")
        build(newer, "Family/Sub/Late.exe", ticks % "64")
        expect("a program importing GetTickCount64", newer, 1,
               "Family/Sub/Late.exe: imports KERNEL32.dll GetTickCount64")

        exceptions = table_file("exceptions.tsv",
                                "late.exe\tkernel32.dll\tGetTickCount64\tonly ever runs on Vista\n")
        expect("an import with a reasoned exception", newer, 0, "", exceptions_path=exceptions)

        table = os.path.join(scratch, "table.tsv")
        with open(TABLE) as source, open(table, "w") as f:
            f.writelines(line for line in source if "\tGetTickCount\t" not in line)
        expect("an import the table lacks", good, 1,
               "imports KERNEL32.dll GetTickCount, which allowed-imports.tsv lacks", table_path=table)

        tls = os.path.join(scratch, "tls")
        build(tls, "Family/Helper.dll", dll)
        expect("a DLL with the C runtime's TLS directory", tls, 1,
               "Family/Helper.dll: carries a static TLS directory")

        started = os.path.join(scratch, "started")
        build(started, "Family/Helper.dll", dll, DLL_START)
        expect("a DLL started by platform/runtime/dll_start.cpp", started, 0, "")

        stub = os.path.join(scratch, "stub")
        build(stub, "Family/Locks.exe", semaphore)
        expect("a program importing the 9x stub CreateSemaphoreW", stub, 1,
               "Family/Locks.exe: imports KERNEL32.dll CreateSemaphoreW, which 95, 98 and Me "
               "export only as a stub")

        stubs = table_file("stubs.tsv", "KERNEL32.dll\tCreateSemaphoreW\tlocks.exe\tcopes with the failure\n")
        expect("a 9x stub where stubs-9x.tsv allows it", stub, 0, "", stubs_path=stubs)

        answered = os.path.join(scratch, "answered")
        build(answered, "Family/Locks.exe", semaphore,
              [os.path.join(RUNTIME, "runtime_semaphore.cpp")])
        expect("CreateSemaphoreW answered by platform/runtime/runtime_semaphore.cpp", answered, 0, "")

        subsystem = os.path.join(scratch, "subsystem")
        build(subsystem, "Family/New.exe", ticks % "", ["-Wl,--subsystem,console:6.0"])
        expect("a program marked for Vista", subsystem, 1, "subsystem version 6.0")

    for failure in failures:
        print("check-imports self-test failed: " + failure)
    if not failures:
        print("check-imports self-test: ok")
    return 1 if failures else 0


def main(arguments):
    for tool in (OBJDUMP,):
        if not shutil.which(tool):
            print("check-imports: %s is missing (scripts/setup.sh installs it)" % tool)
            return 1
    if arguments == ["--self-test"]:
        return self_test()
    if len(arguments) > 1 or (arguments and arguments[0].startswith("-")):
        print(__doc__)
        return 2
    build_root = os.environ.get("VELMORA_BUILD_ROOT", os.path.join(ROOT, "build"))
    return check(arguments[0] if arguments else os.path.join(build_root, "i686", "bin"))


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
