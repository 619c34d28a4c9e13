#!/usr/bin/env python3
"""Checks what Parsiva installs and the Debian package built from it.

  check_packaging.py install BUILD_DIR VERSION PROGRAM   install into a temporary root, validate it
  check_packaging.py deb BUILD_DIR VERSION PROGRAM       build the .deb with cpack, unpack, lintian

PROGRAM is the built parsiva binary, which both need before they can start.
"""

import configparser
import gzip
import os
import shutil
import struct
import subprocess
import sys
import tarfile
import tempfile
import time
import xml.etree.ElementTree as ET

APP_ID = "example.velmora.Parsiva"
MIME_TYPE = "application/x-parsiva-reading"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
HICOLOR = "usr/share/icons/hicolor"
DESKTOP = f"usr/share/applications/{APP_ID}.desktop"
METAINFO = f"usr/share/metainfo/{APP_ID}.metainfo.xml"
MIME_XML = f"usr/share/mime/packages/{APP_ID}.xml"
CHANGELOG = "usr/share/doc/parsiva/changelog.gz"
COPYRIGHT = "usr/share/doc/parsiva/copyright"
MAN_PAGE = "usr/share/man/man1/parsiva.1.gz"
BINARY = "usr/bin/parsiva"

# Every file the package ships, and nothing else: no test, no helper library, no header.
EXPECTED_FILES = sorted(
    [BINARY, DESKTOP, METAINFO, MIME_XML, CHANGELOG, COPYRIGHT, MAN_PAGE,
     f"{HICOLOR}/scalable/apps/{APP_ID}.svg"]
    + [f"{HICOLOR}/{s}x{s}/apps/{APP_ID}.png" for s in ICON_SIZES])

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(args, **kwargs):
    """Runs a tool, echoing its output so that a failing test shows what the tool said."""
    result = subprocess.run(args, capture_output=True, text=True, **kwargs)
    print(f"$ {' '.join(args)}  -> exit {result.returncode}")
    for stream in (result.stdout, result.stderr):
        if stream.strip():
            print("  " + stream.strip().replace("\n", "\n  "))
    return result


def files_under(root):
    found = []
    for directory, _, names in os.walk(root):
        found += [os.path.relpath(os.path.join(directory, n), root) for n in names]
    return sorted(found)


def check_file_set(root):
    present = files_under(root)
    missing = sorted(set(EXPECTED_FILES) - set(present))
    extra = sorted(set(present) - set(EXPECTED_FILES))
    check(not missing, f"missing from the install: {missing}")
    check(not extra, f"installed but not expected: {extra}")
    return not missing


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", header[16:24])


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


def semicolon_list(value):
    return [item for item in value.split(";") if item]


def check_icons(root):
    for size in ICON_SIZES:
        path = os.path.join(root, HICOLOR, f"{size}x{size}/apps/{APP_ID}.png")
        check(png_size(path) == (size, size),
              f"{size}x{size} icon is {png_size(path)}, not a {size}x{size} PNG")
    svg = ET.parse(os.path.join(root, HICOLOR, f"scalable/apps/{APP_ID}.svg")).getroot()
    check(svg.tag == "{http://www.w3.org/2000/svg}svg", f"scalable icon root is {svg.tag}")


def check_desktop_entry(root):
    path = os.path.join(root, DESKTOP)
    result = run(["desktop-file-validate", path])
    check(result.returncode == 0 and "error" not in result.stdout.lower(),
          "desktop-file-validate rejects the desktop entry")
    entry = read_desktop_entry(path)
    check(entry.get("Name") == "Parsiva", f"desktop Name is {entry.get('Name')!r}")
    check("Education" in semicolon_list(entry.get("Categories", "")),
          "desktop Categories lack Education")
    program = entry.get("Exec", "").split()[0] if entry.get("Exec") else ""
    check(os.path.isfile(os.path.join(root, "usr/bin", program)),
          f"desktop Exec {program!r} is not an installed program")
    # GLib hands a file even to an entry without a field code; other launchers need the %f.
    check(entry.get("Exec", "").split()[1:] == ["%f"],
          f"desktop Exec {entry.get('Exec')!r} does not pass one file (%f)")
    check(entry.get("Icon") == APP_ID, f"desktop Icon {entry.get('Icon')!r} is not the installed icon")
    check(MIME_TYPE in semicolon_list(entry.get("MimeType", "")),
          f"desktop MimeType lacks {MIME_TYPE}")
    check_desktop_launch(path)


STAND_IN = """#!/bin/sh
for argument in "$@"; do printf '%s\\n' "$argument"; done > "$PARSIVA_ARGV_LOG"
"""


def check_desktop_launch(desktop_entry):
    """Opens a reading with the entry the way a file manager does, through GLib's launcher, and
    checks that the program is handed the file. A stand-in earlier in PATH records its
    arguments, so nothing is installed and no display is needed."""
    with tempfile.TemporaryDirectory() as scratch:
        stand_in = os.path.join(scratch, "bin", "parsiva")
        os.makedirs(os.path.dirname(stand_in))
        with open(stand_in, "w", encoding="utf-8") as f:
            f.write(STAND_IN)
        os.chmod(stand_in, 0o755)
        reading = os.path.join(scratch, "my june.zod")
        open(reading, "wb").close()
        log = os.path.join(scratch, "argv.log")
        env = {"PATH": f"{os.path.dirname(stand_in)}:/usr/bin:/bin", "HOME": scratch,
               "PARSIVA_ARGV_LOG": log,
               # No session bus: GLib's launch notice has nowhere to go and none is started.
               "DBUS_SESSION_BUS_ADDRESS": f"unix:path={scratch}/no-bus"}
        result = run(["gio", "launch", desktop_entry, reading], env=env)
        if not check(result.returncode == 0, "gio launch cannot start the desktop entry"):
            return
        for _ in range(50):
            if os.path.exists(log):
                break
            time.sleep(0.1)
        argv = open(log, encoding="utf-8").read().splitlines() if os.path.exists(log) else None
        check(argv == [reading], f"the desktop entry hands the program {argv}, not [{reading!r}]")


def check_metainfo(root, version):
    path = os.path.join(root, METAINFO)
    result = run(["appstreamcli", "validate", "--no-net", path])
    check(result.returncode == 0, "appstreamcli validate rejects the metainfo")
    # The tree check also proves the launchable desktop entry is installed and agrees.
    result = run(["appstreamcli", "validate-tree", "--no-net", root])
    check(result.returncode == 0, "appstreamcli validate-tree rejects the installed tree")

    component = ET.parse(path).getroot()
    check(component.findtext("id") == APP_ID, f"metainfo id is {component.findtext('id')!r}")
    check(component.findtext("launchable[@type='desktop-id']") == os.path.basename(DESKTOP),
          "metainfo launchable is not the installed desktop entry")
    check(component.findtext("provides/binary") == "parsiva", "metainfo does not provide parsiva")
    check(component.findtext("provides/mediatype") == MIME_TYPE,
          "metainfo does not provide the reading file type")
    check(component.findtext("developer_name") == "Velmora Softwares", "metainfo developer name")
    check(component.findtext("url[@type='homepage']") == "https://www.velmora.example",
          "metainfo homepage")
    releases = [r.get("version") for r in component.iterfind("releases/release")]
    check(releases[:1] == [version], f"newest metainfo release is {releases[:1]}, not {version}")


def check_mime_type(root):
    # Compile the package's mime XML alone, the way the system does after installing it.
    with tempfile.TemporaryDirectory() as scratch:
        mime_dir = os.path.join(scratch, "mime")
        os.makedirs(os.path.join(mime_dir, "packages"))
        shutil.copy(os.path.join(root, MIME_XML), os.path.join(mime_dir, "packages"))
        result = run(["update-mime-database", mime_dir])
        # It exits 0 even on a broken file, so its complaints are the signal.
        check(not any(w in result.stderr for w in ("Error", "Failed", "error :")),
              "update-mime-database complains about the mime XML")

        def read(name):
            path = os.path.join(mime_dir, name)
            return open(path, encoding="utf-8").read() if os.path.exists(path) else ""

        check(f":{MIME_TYPE}:*.zod" in read("globs2"), "*.zod is not mapped to the reading type")
        check(f"{MIME_TYPE}:{APP_ID}\n" in read("icons"), "the reading type has not the Parsiva icon")
        type_xml = read(f"{MIME_TYPE}.xml")
        comment = ET.fromstring(type_xml).findtext(
            "{http://www.freedesktop.org/standards/shared-mime-info}comment") if type_xml else None
        check(comment == "Parsiva reading", f"reading type description is {comment!r}")


def check_install(build_dir, version):
    with tempfile.TemporaryDirectory() as root:
        result = run(["cmake", "--install", build_dir, "--prefix", "/usr"],
                     env={**os.environ, "DESTDIR": root})
        if not check(result.returncode == 0, "cmake --install failed"):
            return
        if not check_file_set(root):
            return
        check_icons(root)
        check_desktop_entry(root)
        check_metainfo(root, version)
        check_mime_type(root)


def control_fields(deb):
    names = ["Package", "Version", "Architecture", "Section", "Maintainer", "Homepage",
             "Depends", "Recommends", "Description"]
    out = subprocess.run(["dpkg-deb", "-f", deb] + names, capture_output=True, text=True,
                         check=True).stdout
    fields, current = {}, None
    for line in out.splitlines():
        if line.startswith(" ") and current:
            fields[current] += "\n" + line
        else:
            current, _, value = line.partition(": ")
            fields[current] = value
    return fields


def check_control(fields, version):
    print("control fields:\n  " + "\n  ".join(f"{k}: {v}" for k, v in fields.items()))
    check(fields.get("Package") == "parsiva", "Package is not parsiva")
    check(fields.get("Version") == version, f"Version is {fields.get('Version')!r}")
    # CPack's own default section is devel; it must have been chosen for this program.
    check(fields.get("Section") not in (None, "", "devel"), f"Section is {fields.get('Section')!r}")
    check(fields.get("Maintainer") == "Velmora Softwares <support@velmora.example>", "Maintainer")
    check(fields.get("Homepage") == "https://www.velmora.example", "Homepage")
    description = fields.get("Description", "").split("\n")
    check(len(description) >= 3 and "Parsiva" in " ".join(description[1:]),
          "Description lacks a one-line summary and a long description")
    # Only dpkg-shlibdeps puts the Qt libraries here.
    depends = [d.split()[0] for d in fields.get("Depends", "").split(", ") if d]
    for library in ("libc6", "libqt6core6", "libqt6widgets6"):
        check(library in depends, f"Depends lacks {library}: {depends}")
    # No linked library brings a platform plugin, and without one no window opens.
    check("qt6-qpa-plugins" in depends, f"Depends lacks qt6-qpa-plugins: {depends}")
    # The Persian interface: Qt's own texts and the font it names; and CUPS, opened to say why
    # a print job was refused.
    for package in ("qt6-translations-l10n", "fonts-noto-ui-core", "libcups2"):
        check(package in depends, f"Depends lacks {package}: {depends}")
    recommends = [d.split()[0] for d in fields.get("Recommends", "").split(", ") if d]
    check(recommends == ["qt6-wayland"], f"Recommends is {recommends}, not qt6-wayland")


def check_archive_modes(deb):
    listing = subprocess.run(["dpkg-deb", "--fsys-tarfile", deb], capture_output=True,
                             check=True).stdout
    with tempfile.TemporaryFile() as tar_file:
        tar_file.write(listing)
        tar_file.seek(0)
        with tarfile.open(fileobj=tar_file) as tar:
            for member in tar.getmembers():
                name = os.path.normpath(member.name)
                wanted = 0o755 if member.isdir() or name == BINARY else 0o644
                check(member.mode == wanted, f"{name} has mode {oct(member.mode)}, not {oct(wanted)}")
                check(member.uid == 0 and member.gid == 0, f"{name} is not owned by root")


def check_docs(root, version):
    with gzip.open(os.path.join(root, CHANGELOG), "rt", encoding="utf-8") as f:
        first = f.readline()
    check(first.startswith(f"parsiva ({version}) "), f"changelog starts {first!r}")
    with gzip.open(os.path.join(root, MAN_PAGE), "rt", encoding="utf-8") as f:
        check(any(line.startswith(".TH PARSIVA 1") for line in f), "man page has no .TH PARSIVA 1")


def check_deb(build_dir, version):
    arch = subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True,
                          check=True).stdout.strip()
    with tempfile.TemporaryDirectory() as out:
        # Packages go to a scratch folder so a run leaves the build folder as it found it.
        result = run(["cpack", "-G", "DEB", "-B", out], cwd=build_dir)
        debs = [n for n in os.listdir(out) if n.endswith(".deb")]
        if not check(result.returncode == 0 and debs == [f"parsiva_{version}_{arch}.deb"],
                     f"cpack made {debs}, not parsiva_{version}_{arch}.deb"):
            return
        deb = os.path.join(out, debs[0])
        check_control(control_fields(deb), version)
        check_archive_modes(deb)

        root = os.path.join(out, "root")
        run(["dpkg-deb", "-x", deb, root])
        if check_file_set(root):
            check(os.access(os.path.join(root, BINARY), os.X_OK), "binary is not executable")
            # CUPS and the dozen libraries it pulls in are opened at print time, not at every
            # start, where loading them cost a tenth of the start-up.
            dynamic = run(["readelf", "-d", os.path.join(root, BINARY)]).stdout
            needed = [line for line in dynamic.splitlines() if "(NEEDED)" in line]
            check(needed and not any("libcups" in line for line in needed),
                  f"the binary links libcups at start: {needed}")
            check_docs(root, version)

        lintian = run(["lintian", "--tag-display-limit", "0", deb])
        complaints = [line for line in lintian.stdout.splitlines()
                      if line.startswith(("E: ", "W: "))]
        check(not complaints and lintian.returncode == 0,
              f"lintian reports errors or warnings: {complaints}")


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in ("install", "deb"):
        sys.exit(__doc__)
    mode, build_dir, version, program = sys.argv[1:]
    if not os.path.isfile(program):
        sys.exit(f"{program} is missing: build the parsiva target first")
    (check_install if mode == "install" else check_deb)(build_dir, version)
    for message in failures:
        print(f"FAIL: {message}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
