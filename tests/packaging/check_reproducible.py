#!/usr/bin/env python3
"""Builds Parsiva a second time and checks that its Debian package is byte for byte the first.

  check_reproducible.py SOURCE_DIR BUILD_DIR SOURCE_DATE_EPOCH JOBS -- CMAKE_ARGUMENTS...

The first package comes from BUILD_DIR, packed under umask 022. The second comes from a copy of
the source tree made now, so its files have other times, configured with CMAKE_ARGUMENTS (the
first build's settings), built and packed under umask 077 in another folder. The copy keeps the
first tree's layout of source and build folder, so a compiler cache serves the second build.
When the packages differ, diffoscope says where.
"""

import os
import shutil
import subprocess
import sys
import tempfile


def run(args, umask, **kwargs):
    print(f"$ {' '.join(args)}  (umask {umask:03o})", flush=True)
    return subprocess.run(args, preexec_fn=lambda: os.umask(umask), **kwargs)


def tree_files(source):
    """The files a build reads: git's tracked and new files where git knows the tree."""
    listing = subprocess.run(
        ["git", "-C", source, "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        capture_output=True)
    if listing.returncode == 0:
        names = [n for n in listing.stdout.decode().split("\0") if n]
        return [n for n in names if os.path.isfile(os.path.join(source, n))]
    found = []
    for directory, folders, names in os.walk(source):
        folders[:] = [f for f in folders if not f.startswith(("build", ".git"))]
        found += [os.path.relpath(os.path.join(directory, n), source) for n in names]
    return found


def package(build_dir, out_dir, umask):
    result = run(["cpack", "-G", "DEB", "-B", out_dir], umask, cwd=build_dir,
                 capture_output=True, text=True)
    debs = [n for n in os.listdir(out_dir) if n.endswith(".deb")] if result.returncode == 0 else []
    if len(debs) != 1:
        print(result.stdout, result.stderr)
        sys.exit(f"cpack in {build_dir} made {debs}, not one package")
    return os.path.join(out_dir, debs[0])


def main():
    if len(sys.argv) < 6 or sys.argv[5] != "--":
        sys.exit(__doc__)
    source, build, epoch, jobs = sys.argv[1:5]
    cmake_arguments = sys.argv[6:]
    if not epoch:
        print("skipped: no commit time (not a git checkout, no SOURCE_DATE_EPOCH) pins the times")
        sys.exit(77)

    work = tempfile.mkdtemp(prefix="reproducible-", dir=build)
    try:
        first = package(build, os.path.join(work, "first"), 0o022)

        # The same layout of source and build folder, under another folder.
        common = os.path.commonpath([source, build])
        source2 = os.path.normpath(os.path.join(work, "tree", os.path.relpath(source, common)))
        build2 = os.path.normpath(os.path.join(work, "tree", os.path.relpath(build, common)))
        for name in tree_files(source):
            target = os.path.join(source2, name)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy(os.path.join(source, name), target)

        env = {**os.environ, "SOURCE_DATE_EPOCH": epoch}
        for step in (["cmake", "-S", source2, "-B", build2, *cmake_arguments],
                     ["cmake", "--build", build2, "-j", jobs]):
            if run(step, 0o077, env=env).returncode != 0:
                sys.exit("the second build failed")
        second = package(build2, os.path.join(work, "second"), 0o077)

        with open(first, "rb") as a, open(second, "rb") as b:
            same = a.read() == b.read()
        if same:
            print(f"{os.path.basename(first)}: the two packages are identical")
            return
        print("The two packages differ:", flush=True)
        if shutil.which("diffoscope"):
            subprocess.run(["diffoscope", "--text", "-", first, second])
        else:
            subprocess.run(["cmp", first, second])
        sys.exit(1)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
