#!/usr/bin/env python3
"""Checks what a built sendpage.exe carries besides its code.

Reads the PE file directly (no Windows needed) and checks:
  - the application manifest (RT_MANIFEST, resource 1): asInvoker, the
    Common Controls 6 dependency, system DPI awareness, supported systems;
  - the version resource: fixed and string versions equal --version,
    product name, file name, description, copyright;
  - the icon "MAINICON" and the form description "TFORM1";
  - imports: system DLLs only (the C++ and thread run-times are linked in);
  - with --machine, the processor; with --stripped, no symbol table.

Prints one line per check and exits 1 when any check fails.
"""

import argparse
import struct
import sys
import xml.etree.ElementTree as ET

RT_ICON, RT_RCDATA, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 10, 14, 16, 24

MACHINES = {"i386": 0x014C, "x86_64": 0x8664}

# DLLs every supported Windows has in its system directory.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll",
    "msvcrt.dll", "ntdll.dll", "ole32.dll", "oleaut32.dll", "shell32.dll",
    "shlwapi.dll", "user32.dll", "version.dll", "ucrtbase.dll",
}

ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"
COMPAT = "urn:schemas-microsoft-com:compatibility.v1"
WINSET_2005 = "http://schemas.microsoft.com/SMI/2005/WindowsSettings"

SUPPORTED_OS = {
    "Windows Vista": "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
    "Windows 7": "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "Windows 8": "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "Windows 8.1": "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "Windows 10 and 11": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, sections, _, self.symbol_table, self.symbol_count,
         optional_size, _) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        magic = struct.unpack_from("<H", data, opt)[0]
        dirs_at = {0x10B: 96, 0x20B: 112}.get(magic)
        if dirs_at is None:
            raise ValueError("unknown optional header 0x%x" % magic)
        self.pe32plus = magic == 0x20B
        count = struct.unpack_from("<I", data, opt + dirs_at - 4)[0]
        self.directories = [struct.unpack_from("<II", data, opt + dirs_at + 8 * i)
                            for i in range(count)]
        self.sections = []
        table = opt + optional_size
        for i in range(sections):
            vsize, vaddr, rawsize, rawptr = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((vaddr, max(vsize, rawsize), rawptr, rawsize))

    def offset(self, rva):
        for vaddr, size, rawptr, rawsize in self.sections:
            if vaddr <= rva < vaddr + size:
                if rva - vaddr >= rawsize:
                    raise ValueError("RVA 0x%x lies beyond the section's data" % rva)
                return rawptr + rva - vaddr
        raise ValueError("RVA 0x%x is in no section" % rva)

    def cstring(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def imports(self):
        """Names of the imported DLLs."""
        if len(self.directories) < 2 or self.directories[1][0] == 0:
            return []
        names = []
        at = self.offset(self.directories[1][0])
        while True:
            descriptor = struct.unpack_from("<IIIII", self.data, at)
            if descriptor == (0, 0, 0, 0, 0):
                return names
            names.append(self.cstring(descriptor[3]))
            at += 20

    def resources(self):
        """{(type, name): [data, ...]}, a name or type being an int or a str."""
        found = {}
        if len(self.directories) < 3 or self.directories[2][0] == 0:
            return found
        base = self.offset(self.directories[2][0])

        def label(value):
            if value & 0x80000000:
                at = base + (value & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, at)[0]
                return self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
            return value

        def entries(at):
            named, numbered = struct.unpack_from("<HH", self.data, at + 12)
            for i in range(named + numbered):
                yield struct.unpack_from("<II", self.data, at + 16 + 8 * i)

        for type_label, type_dir in entries(base):
            for name_label, name_dir in entries(base + (type_dir & 0x7FFFFFFF)):
                for _, leaf in entries(base + (name_dir & 0x7FFFFFFF)):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    at = self.offset(rva)
                    key = (label(type_label), label(name_label))
                    found.setdefault(key, []).append(self.data[at:at + size])
        return found


def version_tree(blob, at=0):
    """Parses one node of a VS_VERSIONINFO block: (key, value, children)."""
    length, value_length, kind = struct.unpack_from("<HHH", blob, at)
    end = at + length
    p = at + 6
    key_end = p
    while blob[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = blob[p:key_end].decode("utf-16-le")
    p = (key_end + 2 + 3) & ~3
    if kind == 1:  # text, counted in characters
        value = blob[p:p + 2 * value_length].decode("utf-16-le").rstrip("\0")
        p += 2 * value_length
    else:
        value = blob[p:p + value_length]
        p += value_length
    children = []
    p = (p + 3) & ~3
    while p < end:
        child, p = version_tree(blob, p)
        children.append(child)
        p = (p + 3) & ~3
    return (key, value, children), end


class Report:
    def __init__(self):
        self.failures = 0

    def check(self, ok, what):
        print(("ok:   " if ok else "FAIL: ") + what)
        if not ok:
            self.failures += 1
        return ok


def check_manifest(report, resources):
    manifests = {k: v for k, v in resources.items() if k[0] == RT_MANIFEST}
    if not report.check((RT_MANIFEST, 1) in manifests, "RT_MANIFEST resource 1 present"):
        return
    report.check(len(manifests) == 1 and len(manifests[(RT_MANIFEST, 1)]) == 1,
                 "exactly one manifest (found %d)" % sum(map(len, manifests.values())))
    text = manifests[(RT_MANIFEST, 1)][0]
    try:
        root = ET.fromstring(text)
    except ET.ParseError as error:
        report.check(False, "manifest is well-formed XML (%s)" % error)
        return
    report.check(root.tag == "{%s}assembly" % ASM_V1, "manifest root is an asm.v1 assembly")

    levels = [e.get("level") for e in root.iter("{%s}requestedExecutionLevel" % ASM_V3)]
    report.check(levels == ["asInvoker"], "execution level asInvoker (found %s)" % levels)

    controls = [e for e in root.iter("{%s}assemblyIdentity" % ASM_V1)
                if e.get("name") == "Microsoft.Windows.Common-Controls"]
    report.check(len(controls) == 1
                 and controls[0].get("version") == "6.0.0.0"
                 and controls[0].get("publicKeyToken") == "6595b64144ccf1df"
                 and controls[0].get("type") == "win32",
                 "depends on Common Controls 6.0.0.0")

    dpi = [(e.text or "").strip().lower() for e in root.iter("{%s}dpiAware" % WINSET_2005)]
    report.check(dpi == ["true"], "system DPI aware (dpiAware %s)" % dpi)

    declared = {e.get("Id", "").lower() for e in root.iter("{%s}supportedOS" % COMPAT)}
    for system, guid in SUPPORTED_OS.items():
        report.check(guid in declared, "declares support for " + system)


def check_version(report, resources, version):
    blobs = resources.get((RT_VERSION, 1), [])
    if not report.check(len(blobs) == 1, "RT_VERSION resource 1 present"):
        return
    (key, fixed, children), _ = version_tree(blobs[0])
    report.check(key == "VS_VERSION_INFO", "version block is VS_VERSION_INFO")
    parts = [int(x) for x in version.split(".")] + [0, 0, 0, 0]
    expected = tuple(parts[:4])
    text = "%d.%d.%d.%d" % expected
    if report.check(len(fixed) >= 52 and struct.unpack_from("<I", fixed)[0] == 0xFEEF04BD,
                    "fixed file information present"):
        ms, ls, pms, pls = struct.unpack_from("<IIII", fixed, 8)
        numbers = lambda hi, lo: (hi >> 16, hi & 0xFFFF, lo >> 16, lo & 0xFFFF)
        report.check(numbers(ms, ls) == expected, "fixed file version %s (found %s)"
                     % (text, ".".join(map(str, numbers(ms, ls)))))
        report.check(numbers(pms, pls) == expected, "fixed product version %s (found %s)"
                     % (text, ".".join(map(str, numbers(pms, pls)))))
        file_type = struct.unpack_from("<I", fixed, 36)[0]
        report.check(file_type == 1, "file type VFT_APP")

    strings = {}
    for block in children:
        if block[0] == "StringFileInfo":
            for table in block[2]:
                strings.update({k: v for k, v, _ in table[2]})
    expectations = [
        ("ProductName", lambda v: v == "sendpage", "sendpage"),
        ("ProductVersion", lambda v: v == text, text),
        ("FileVersion", lambda v: v == text, text),
        ("OriginalFilename", lambda v: v == "sendpage.exe", "sendpage.exe"),
        ("FileDescription", lambda v: bool(v.strip()), "not empty"),
        ("LegalCopyright", lambda v: "sendpage developers" in v, "names sendpage developers"),
    ]
    for name, ok, wanted in expectations:
        value = strings.get(name)
        report.check(value is not None and ok(value),
                     "version string %s: %s (found %r)" % (name, wanted, value))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("exe")
    parser.add_argument("--version", required=True, help="expected version, e.g. 1.0.0")
    parser.add_argument("--machine", choices=sorted(MACHINES))
    parser.add_argument("--stripped", action="store_true", help="require no symbol table")
    args = parser.parse_args()

    with open(args.exe, "rb") as f:
        pe = PeFile(f.read())
    report = Report()

    if args.machine:
        report.check(pe.machine == MACHINES[args.machine],
                     "machine %s (found 0x%04x)" % (args.machine, pe.machine))
    if args.stripped:
        report.check(pe.symbol_table == 0 and pe.symbol_count == 0,
                     "stripped (%d symbols)" % pe.symbol_count)

    resources = pe.resources()
    check_manifest(report, resources)
    check_version(report, resources, args.version)
    report.check((RT_GROUP_ICON, "MAINICON") in resources
                 and any(k[0] == RT_ICON for k in resources), "icon MAINICON present")
    report.check((RT_RCDATA, "TFORM1") in resources, "form description TFORM1 present")

    imported = pe.imports()
    report.check(bool(imported), "import table present")
    for dll in imported:
        report.check(dll.lower() in SYSTEM_DLLS or dll.lower().startswith("api-ms-win-"),
                     "imports system DLL only: " + dll)

    print("%s: %d check(s) failed" % (args.exe, report.failures) if report.failures
          else "%s: all checks passed" % args.exe)
    return 1 if report.failures else 0


if __name__ == "__main__":
    sys.exit(main())
