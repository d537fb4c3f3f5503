#!/usr/bin/python3
"""Runs clang-tidy with the checked-in configuration over the program's own
sources, on every core; any finding fails.

  run_clang_tidy.py <source folder> <build folder with compile_commands.json>

A file found clean is remembered under a key made of what clang-tidy would
read: its version, the configuration, the compile command and the file's
preprocessed text with comments (so NOLINT counts) and every header it
includes. Only files whose key is new are checked again; the keys live in
${XDG_CACHE_HOME:-~/.cache}/welvaro-clang-tidy.
"""
import concurrent.futures
import hashlib
import json
import os
import pathlib
import shlex
import shutil
import subprocess
import sys

FOLDERS = ("numbers", "formulas", "ui", "tools")
SKIP = 77


def preprocess_command(entry):
    """The compile command with its output replaced by preprocessed text on stdout."""
    arguments = shlex.split(entry["command"]) if "command" in entry else entry["arguments"]
    while os.path.basename(arguments[0]) == "ccache":
        arguments = arguments[1:]
    kept = []
    skip_next = False
    for argument in arguments:
        if skip_next:
            skip_next = False
        elif argument in ("-o", "-c"):
            skip_next = argument == "-o"
        else:
            kept.append(argument)
    return kept[:1] + ["-E", "-C"] + kept[1:] + ["-o", "-"]


def key_of(entry, common, folders):
    """The key of one file, the same in every clone: its folders are named alike."""
    text = subprocess.run(preprocess_command(entry), cwd=entry["directory"], check=True,
                          capture_output=True).stdout
    command = " ".join(shlex.split(entry["command"]) if "command" in entry
                       else entry["arguments"]).encode()
    digest = hashlib.sha256(common)
    for part in (command, text):
        for folder, name in folders:
            part = part.replace(folder, name)
        digest.update(part)
    return digest.hexdigest()


def tidy(build, path):
    result = subprocess.run(["clang-tidy", "-p", str(build), "--quiet", str(path)],
                            capture_output=True, text=True)
    noise = ("warnings generated", "warning generated", "Suppressed", "Use -header-filter")
    lines = [line for line in (result.stdout + result.stderr).splitlines()
             if line and not any(part in line for part in noise)]
    return result.returncode, lines


def main():
    source, build = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2]).resolve()
    if shutil.which("clang-tidy") is None:
        print("SKIP: clang-tidy is not installed")
        return SKIP
    entries = {pathlib.Path(e["file"]).resolve(): e
               for e in json.loads((build / "compile_commands.json").read_text())}
    files = sorted(path for folder in FOLDERS for path in (source / folder).rglob("*.cpp"))
    missing = [str(path) for path in files if path not in entries]
    if missing:
        print("no compile command for: " + " ".join(missing))
        return 1
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True, check=True).stdout
    common = version + (source / ".clang-tidy").read_bytes()
    cache = pathlib.Path(os.environ.get("XDG_CACHE_HOME", pathlib.Path.home() / ".cache"))
    cache = cache / "welvaro-clang-tidy"
    cache.mkdir(parents=True, exist_ok=True)

    workers = os.cpu_count() or 1
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        folders = ((bytes(build), b"<build>"), (bytes(source), b"<source>"))
        keys = dict(zip(files, pool.map(lambda path: key_of(entries[path], common, folders),
                                        files)))
        to_check = [path for path in files if not (cache / keys[path]).exists()]
        results = dict(zip(to_check, pool.map(lambda path: tidy(build, path), to_check)))

    failed = False
    log = []
    for path, (status, lines) in results.items():
        log += lines
        if status != 0 or any("warning:" in line or "error:" in line for line in lines):
            failed = True
        else:
            (cache / keys[path]).touch()
    print("\n".join(log))
    (build / "clang-tidy.log").write_text("\n".join(log) + "\n")
    if failed:
        print("clang-tidy found problems")
        return 1
    print(f"clang-tidy: {len(files)} files clean, {len(to_check)} of them checked now, "
          f"the others unchanged since they were found clean")
    return 0


if __name__ == "__main__":
    sys.exit(main())
