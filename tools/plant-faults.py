#!/usr/bin/env python3
"""Plants faults in a copy of the source, one at a time, and tells which the tests catch.

    python3 tools/plant-faults.py [--faults tools/faults.txt] [--only ID,ID...]
                                  [--keep-going] [--jobs N] [--workdir DIR]

The tree the script runs from is never written. Its files (as git lists them,
uncommitted changes included) are copied to WORKDIR/src (default
/tmp/quorvex-faults), the tests named built in WORKDIR/build, and kept there,
so that a later run builds only what changed; ccache is told to hit across work
folders. Then, fault by fault: the fault's text is replaced in the copy, the
tests it names are built and run one by one in the order given until one
fails, and the file is put back. Build and test logs go to WORKDIR/logs.

A fault is "caught" when the build succeeds and one of its tests fails (or
hangs past the timeout); "missed" when every test passes; "not built" when
the planted code does not compile, which does not count. Before the faults,
every named test runs once on the unplanted copy: a test that fails there
cannot catch anything and is left out of the verdicts ("baseline fails").
The last line reads "caught N of M", M being the faults that built.

The fault list: entries separated by blank lines, "#" starts a comment line,
each entry a set of "key: value" lines:
    id:      a short name (for --only)
    file:    the file, relative to the top of the tree (product code)
    find:    text that occurs exactly once in the file
    replace: what it becomes
    tests:   ctest regexes, separated by spaces, cheapest first
    timeout: seconds for each test (optional, default 300)
    about:   one line saying what the fault does
In find and replace, "\\n" stands for a line break and a backslash before any
other character for that character ("\\\\" for a backslash); the value starts
after the one blank following the colon. An entry whose text is not found
exactly once, or whose tests match nothing, is refused: the run does not
start, or with --keep-going it goes on without the entry.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

KEYS = ("id", "file", "find", "replace", "tests", "timeout", "about")
REQUIRED = ("id", "file", "find", "replace", "tests", "about")


def unescape(text):
    return re.sub(r"\\(.)", lambda m: "\n" if m.group(1) == "n" else m.group(1), text)


def read_faults(path):
    faults, entry = [], {}
    for number, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        if line.startswith("#"):
            continue
        if not line.strip():
            if entry:
                faults.append(entry)
            entry = {}
            continue
        key, sep, value = line.partition(":")
        if not sep or key not in KEYS:
            sys.exit(f"{path}:{number}: expected one of {', '.join(KEYS)} then ':'")
        value = value[1:] if value.startswith(" ") else value
        entry[key] = unescape(value) if key in ("find", "replace") else value.strip()
    if entry:
        faults.append(entry)
    for fault in faults:
        missing = [key for key in REQUIRED if key not in fault]
        if missing:
            sys.exit(f"{path}: entry {fault.get('id', '?')} lacks {', '.join(missing)}")
    return faults


def sync_copy(top, src):
    """Copies the tree's files into src, writing only those that differ."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=top, check=True, capture_output=True).stdout.decode().split("\0")
    wanted = {name for name in listed if name and (top / name).is_file()}
    for name in wanted:
        data, target = (top / name).read_bytes(), src / name
        if not target.is_file() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            shutil.copymode(top / name, target)
    for path in list(src.rglob("*")):
        if path.is_file() and str(path.relative_to(src)) not in wanted:
            path.unlink()


def run(command, cwd, timeout=None, log=None):
    """Runs a command in a process group of its own (killed whole on timeout).
    Returns the exit status, or None on timeout."""
    with subprocess.Popen(command, cwd=cwd, stdout=log or subprocess.DEVNULL,
                          stderr=subprocess.STDOUT, start_new_session=True) as process:
        try:
            return process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return None


def test_names(build, regexes):
    names = []
    for regex in regexes.split():
        listing = subprocess.run(["ctest", "-N", "-R", regex], cwd=build, check=True,
                                 capture_output=True, text=True).stdout
        for name in re.findall(r"Test\s+#\d+: (\S+)", listing):
            if name not in names:
                names.append(name)
    return names


class Runner:
    def __init__(self, build, jobs, logs):
        self.build, self.jobs, self.logs = build, jobs, logs

    def make(self, targets, log_name):
        with open(self.logs / log_name, "w") as log:
            return run(["cmake", "--build", ".", "-j", str(self.jobs), "--target", *targets],
                       self.build, log=log) == 0

    def test(self, name, timeout, log_name):
        """'passed', 'failed' or 'timeout', and the seconds it took."""
        start = time.monotonic()
        with open(self.logs / log_name, "w") as log:
            status = run(["ctest", "-R", f"^{re.escape(name)}$", "--output-on-failure"],
                         self.build, timeout, log)
        verdict = "timeout" if status is None else "passed" if status == 0 else "failed"
        return verdict, time.monotonic() - start


def main():
    top = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--faults", default=str(top / "tools" / "faults.txt"))
    parser.add_argument("--only", help="comma-separated ids of the faults to run")
    parser.add_argument("--keep-going", action="store_true",
                        help="skip refused entries instead of not starting")
    parser.add_argument("--jobs", type=int, default=2, help="parallel build jobs")
    parser.add_argument("--workdir", default="/tmp/quorvex-faults")
    args = parser.parse_args()

    faults = read_faults(args.faults)
    if args.only:
        only = args.only.split(",")
        unknown = set(only) - {f["id"] for f in faults}
        if unknown:
            sys.exit(f"unknown fault ids: {', '.join(sorted(unknown))}")
        faults = [f for f in faults if f["id"] in only]

    work = Path(args.workdir).resolve()
    src, build, logs = work / "src", work / "build", work / "logs"
    for folder in (src, build, logs):
        folder.mkdir(parents=True, exist_ok=True)
    os.environ.update(CCACHE_BASEDIR=str(work), CCACHE_NOHASHDIR="1")
    started = time.monotonic()
    sync_copy(top, src)
    # Configured every time: the list of tests may have changed with the tree.
    subprocess.run(["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"],
                   check=True, stdout=subprocess.DEVNULL)
    runner = Runner(build, args.jobs, logs)

    refused = []
    for fault in faults:
        path = src / fault["file"]
        found = path.read_text(encoding="utf-8").count(fault["find"]) if path.is_file() else 0
        fault["names"] = test_names(build, fault["tests"])
        if found != 1 or not fault["names"]:
            why = f"text found {found} times" if found != 1 else "no test matches"
            refused.append(f"{fault['id']}: {why}")
    if refused:
        print("refused: " + "; ".join(refused), flush=True)
        if not args.keep_going:
            sys.exit(1)
        faults = [f for f in faults if not any(r.startswith(f["id"] + ":") for r in refused)]

    # Only the tests the faults name are built.
    needed = list(dict.fromkeys(name for fault in faults for name in fault["names"]))
    if not runner.make(needed, "build-clean.log"):
        sys.exit(f"the unplanted copy does not build: see {logs / 'build-clean.log'}")
    print(f"copy synced and built in {time.monotonic() - started:.0f} s", flush=True)
    baseline, baseline_start = {}, time.monotonic()
    for fault in faults:
        for name in fault["names"]:
            if name not in baseline:
                baseline[name] = runner.test(name, int(fault.get("timeout", 300)),
                                             f"baseline-{name}.log")
    broken = sorted(name for name, (verdict, _) in baseline.items() if verdict != "passed")
    print(f"baseline: {len(baseline)} tests in {time.monotonic() - baseline_start:.0f} s"
          + (f"; failing unplanted: {', '.join(broken)}" if broken else ""), flush=True)

    counts = {"caught": 0, "missed": 0, "not built": 0, "baseline fails": 0}
    missed = []
    for index, fault in enumerate(faults, 1):
        fault_start = time.monotonic()
        path = src / fault["file"]
        original = path.read_text(encoding="utf-8")
        path.write_text(original.replace(fault["find"], fault["replace"]), encoding="utf-8")
        try:
            names = [n for n in fault["names"] if n not in broken]
            detail = ""
            if not names:
                verdict = "baseline fails"
            elif not runner.make(names, f"build-{fault['id']}.log"):
                verdict = "not built"
            else:
                verdict = "missed"
                for name in names:
                    result, seconds = runner.test(name, int(fault.get("timeout", 300)),
                                                  f"test-{fault['id']}-{name}.log")
                    detail += f" {name} {result} {seconds:.0f}s;"
                    if result != "passed":
                        verdict = "caught"
                        break
        finally:
            path.write_text(original, encoding="utf-8")
        counts[verdict] += 1
        if verdict == "missed":
            missed.append(fault["id"])
        print(f"[{index:2}/{len(faults)}] {verdict:9} {fault['id']:28} {fault['about']}\n"
              f"        {fault['file']}:{detail or ' -'} ({time.monotonic() - fault_start:.0f} s)",
              flush=True)

    built = counts["caught"] + counts["missed"]
    print(f"not built {counts['not built']}, baseline fails {counts['baseline fails']}, "
          f"missed: {', '.join(missed) or 'none'}; {time.monotonic() - started:.0f} s in all")
    print(f"caught {counts['caught']} of {built}")


if __name__ == "__main__":
    main()
