#!/usr/bin/env python3
"""Checks what a user's machine gets from the build.

install BUILD: `cmake --install` into a temporary prefix; the programs, the
desktop entry, the MIME package, the icons and the manual are in place, and
the desktop's own tools (update-mime-database, xdg-mime) name our file types
for an .aef and an .fdv, by extension and by content, and our program as the
one that opens them.

package BUILD: CPack builds the Debian package; it declares its
dependencies and holds the same files.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

EH_TYPE = "application/x-kestrovane-einheitspapier"
DV1_TYPE = "application/x-kestrovane-dv1"
DESKTOP = "kestrovane-import.desktop"

# Paths below the prefix that the installation must hold.
EXPECTED = [
    "bin/kestrovane-import",
    "bin/kestrovane",
    "share/applications/" + DESKTOP,
    "share/mime/packages/kestrovane-import.xml",
    "share/icons/hicolor/48x48/apps/kestrovane-import.png",
    "share/icons/hicolor/256x256/apps/kestrovane-import.png",
    "share/icons/hicolor/48x48/mimetypes/application-x-kestrovane-einheitspapier.png",
    "share/icons/hicolor/48x48/mimetypes/application-x-kestrovane-dv1.png",
    "share/kestrovane-import/help/index.html",
]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FEHLER: " + message)


def run(args, env=None, **kwargs):
    result = subprocess.run(args, env=env, capture_output=True, text=True, **kwargs)
    if result.returncode != 0:
        print("$ " + " ".join(args) + "\n" + result.stdout + result.stderr)
    return result


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def check_tree(prefix):
    for rel in EXPECTED:
        check(os.path.isfile(os.path.join(prefix, rel)), "fehlt: " + rel)
    for program in ("kestrovane-import", "kestrovane"):
        path = os.path.join(prefix, "bin", program)
        check(os.access(path, os.X_OK), program + " ist nicht ausführbar")
    for size in (16, 32, 48, 128, 256):
        for rel in ("apps/kestrovane-import.png", "mimetypes/application-x-kestrovane-dv1.png"):
            path = os.path.join(prefix, "share/icons/hicolor/%dx%d" % (size, size), rel)
            check(os.path.isfile(path) and png_size(path) == (size, size),
                  "Symbol %s in %d Pixeln fehlt oder hat die falsche Größe" % (rel, size))


def check_desktop_lookups(prefix, scratch):
    share = os.path.join(prefix, "share")
    desktop = os.path.join(share, "applications", DESKTOP)
    if shutil.which("desktop-file-validate"):
        result = run(["desktop-file-validate", desktop])
        check(result.returncode == 0 and not result.stdout.strip(),
              "desktop-file-validate beanstandet den Eintrag: " + result.stdout)
    with open(desktop, encoding="utf-8") as f:
        entry = f.read()
    check("Exec=kestrovane-import %f" in entry, "Exec-Zeile des Desktop-Eintrags")
    check("Icon=kestrovane-import" in entry, "Icon-Zeile des Desktop-Eintrags")

    check(run(["update-mime-database", os.path.join(share, "mime")]).returncode == 0,
          "update-mime-database schlägt fehl")
    if shutil.which("update-desktop-database"):
        check(run(["update-desktop-database", os.path.join(share, "applications")]).returncode == 0,
              "update-desktop-database schlägt fehl")

    # Only the installed package may answer: no user folders, no system
    # MIME database beside ours.
    home = os.path.join(scratch, "home")
    os.makedirs(home)
    env = dict(os.environ)
    for key in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"):
        env.pop(key, None)
    env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, ".local/share"),
               XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_DATA_DIRS=share)

    files = {
        "Anmeldung.aef": (b"QZN-EHForm@2.10\x00" + bytes(64), EH_TYPE),
        "Zollwert.fdv": (b"QZN-DV1Form@1.00\x00" + bytes(64), DV1_TYPE),
        # A file whose name says nothing is known by its first bytes.
        "anhang.dat": (b"QZN-EHForm@2.10\x00" + bytes(64), EH_TYPE),
        "alt.dat": (b"QZN-AEForm@1.00\x00" + bytes(64), EH_TYPE),
        "wert.bin": (b"QZN-DV1Form@1.00\x00" + bytes(64), DV1_TYPE),
    }
    for name, (content, expected) in files.items():
        path = os.path.join(scratch, name)
        with open(path, "wb") as f:
            f.write(content)
        result = run(["xdg-mime", "query", "filetype", path], env=env)
        answer = result.stdout.strip().split(";")[0]
        check(answer == expected, "xdg-mime nennt für %s %r statt %s" % (name, answer, expected))

    for mime in (EH_TYPE, DV1_TYPE):
        result = run(["xdg-mime", "query", "default", mime], env=env)
        check(result.stdout.strip() == DESKTOP,
              "xdg-mime nennt für %s das Programm %r" % (mime, result.stdout.strip()))


def check_programs(prefix, scratch):
    result = run([os.path.join(prefix, "bin/kestrovane"), "--help"],
                 env=dict(os.environ, HOME=os.path.join(scratch, "home")))
    check(result.returncode == 0 and "dump" in result.stdout, "kestrovane --help aus der Installation")


def install(build):
    scratch = tempfile.mkdtemp(prefix="kv-install-")
    try:
        prefix = os.path.join(scratch, "usr")
        result = run(["cmake", "--install", build, "--prefix", prefix])
        check(result.returncode == 0, "cmake --install schlägt fehl")
        check_tree(prefix)
        if not failures:
            check_desktop_lookups(prefix, scratch)
            check_programs(prefix, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def package(build):
    scratch = tempfile.mkdtemp(prefix="kv-package-")
    try:
        result = run(["cpack", "-G", "DEB", "-B", scratch, "--config", os.path.join(build, "CPackConfig.cmake")],
                     cwd=build)
        check(result.returncode == 0, "cpack schlägt fehl")
        debs = [f for f in os.listdir(scratch) if f.endswith(".deb")]
        check(len(debs) == 1, "cpack hat kein Debian-Paket geschrieben: %s" % debs)
        if failures:
            return
        deb = os.path.join(scratch, debs[0])
        fields = {}
        for field in ("Package", "Version", "Architecture", "Depends", "Maintainer", "Description"):
            fields[field] = run(["dpkg-deb", "-f", deb, field]).stdout.strip()
        check(fields["Package"] == "kestrovane-import", "Paketname %r" % fields["Package"])
        check(fields["Architecture"] == run(["dpkg", "--print-architecture"]).stdout.strip(),
              "Architektur %r" % fields["Architecture"])
        depends = [d.strip().split(" ")[0] for d in fields["Depends"].split(",")]
        # What the programs link, found by dpkg-shlibdeps, and what they load
        # at run time, declared by hand.
        for needed in ("libqt6widgets6", "libqt6printsupport6", "libqt6network6", "libc6", "libstdc++6",
                       "qt6-qpa-plugins", "fonts-liberation", "shared-mime-info"):
            check(needed in depends, "Abhängigkeit %s fehlt: %s" % (needed, fields["Depends"]))
        listing = run(["dpkg-deb", "-c", deb]).stdout
        for rel in EXPECTED:
            check("./usr/" + rel in listing, "Paket enthält %s nicht" % rel)
        check("kestrovane-icons" not in listing, "das Werkzeug zum Zeichnen der Symbole gehört nicht ins Paket")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    mode, build = sys.argv[1], sys.argv[2]
    {"install": install, "package": package}[mode](build)
    if failures:
        print("%d Fehler" % len(failures))
        return 1
    print("in Ordnung")
    return 0


if __name__ == "__main__":
    sys.exit(main())
