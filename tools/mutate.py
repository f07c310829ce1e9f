#!/usr/bin/env python3
"""Plants single-token faults in the core and reports how many the core tests catch.

For a seeded random sample of code lines of src/core, one fault per line: an operator swapped,
a constant changed by one, a condition negated, a statement removed or a letter changed inside a
string literal. Each fault is built into the core test binary (incrementally, through ccache when
the build folder uses it) and the binary is run with a timeout. A fault is

  caught     the tests fail (or time out),
  survived   every test passes: a gap in the tests, or a fault that changes no behaviour,
  invalid    the fault does not compile (not counted),
  unbuilt    the build did not finish in time: nothing is known of the fault (not counted,
             listed; rerun on a quieter machine).

The source file is restored after every fault, and the binary rebuilt at the end.

    tools/mutate.py [--count 30] [--seed 1] [--build-dir build] [--timeout 120]
"""

import argparse
import os
import pathlib
import random
import re
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORE = ROOT / "src" / "core"
TARGET = "regforge_core_tests"

# Operator swaps, longest first so "<=" is not taken for "<".
SWAPS = [
    ("==", "!="), ("!=", "=="), ("<=", "<"), (">=", ">"), ("&&", "||"), ("||", "&&"),
    ("<", "<="), (">", ">="), ("+", "-"), ("-", "+"),
]
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.])")
LITERAL = re.compile(r'"(?:[^"\\]|\\.)*"|\'(?:[^\'\\]|\\.)*\'|//')


def literals(line):
    """The string and character literals of the line's code, and where its // comment begins
    (the line's length when it has none). A "//" inside a literal starts no comment."""
    found = []
    for m in LITERAL.finditer(line):
        if m.group(0) == "//":
            return found, m.start()
        found.append(m)
    return found, len(line)


def code_spans(line):
    """(start, end) spans of the line outside string and character literals and comments."""
    found, cut = literals(line)
    spans, pos = [], 0
    for m in found:
        spans.append((pos, m.start()))
        pos = m.end()
    spans.append((pos, cut))
    return spans


def in_code(line, at, length):
    return any(s <= at and at + length <= e for s, e in code_spans(line))


def operator_swaps(line):
    out = []
    taken = set()
    for old, new in SWAPS:
        for m in re.finditer(re.escape(old), line):
            at = m.start()
            if any(t in taken for t in range(at, at + len(old))) or not in_code(line, at, len(old)):
                continue
            before = line[at - 1] if at > 0 else " "
            after = line[at + len(old)] if at + len(old) < len(line) else " "
            if len(old) == 1:
                # Skip ++, --, ->, <<, >>, templates and includes.
                if before in "+-<>=!&|" or after in "+-<>=>&|":
                    continue
                if old in "<>" and not (before == " " and after == " "):
                    continue
                if old in "+-" and not (before == " " and after == " "):
                    continue
            taken.update(range(at, at + len(old)))
            out.append((f"'{old}' -> '{new}'", line[:at] + new + line[at + len(old):]))
    return out


def constant_changes(line):
    out = []
    for m in NUMBER.finditer(line):
        if not in_code(line, m.start(), len(m.group(1))):
            continue
        value = int(m.group(1))
        for new in (value + 1, value - 1):
            if new >= 0:
                out.append((f"{value} -> {new}", line[:m.start()] + str(new) + line[m.end():]))
    return out


def negations(line):
    out = []
    for m in re.finditer(r"\b(if|while) \(", line):
        if not in_code(line, m.start(), len(m.group(0))):
            continue
        start = m.end()
        depth = 1
        for k in range(start, len(line)):
            if line[k] == "(":
                depth += 1
            elif line[k] == ")":
                depth -= 1
                if depth == 0:
                    # "if (init; cond)" negates the condition; a declaration as the
                    # condition cannot be negated.
                    begin = line.rfind(";", start, k) + 1 or start
                    cond = line[begin:k].strip()
                    if cond and not re.match(r"^(const\s+)?(auto|[\w:<>]+\s*[*&]?\s+\w+\s*=)", cond):
                        out.append((f"{m.group(1)} condition negated",
                                    line[:begin] + (" " if begin > start else "") + "!(" + cond + ")" + line[k:]))
                    break
    return out


def removals(line):
    text = line.strip()
    if not text.endswith(";") or text.startswith(("return", "using", "case", "default", "}", "throw")):
        return []
    # Plain statements: calls, assignments, increments.
    if re.match(r"^[\w:.\->\[\]()*]+\s*(\(|[-+*/|&]?=|\+\+|--)", text):
        indent = line[: len(line) - len(line.lstrip())]
        return [("statement removed", indent + ";")]
    return []


def letter_changes(line):
    out = []
    # Only string literals of the code: a quoted word in a comment changes nothing.
    for m in literals(line)[0]:
        if not m.group(0).startswith('"'):
            continue
        body = m.group(0)[1:-1]
        letters = [k for k, c in enumerate(body) if c.isalpha() and (k == 0 or body[k - 1] != "\\")]
        if not letters:
            continue
        k = letters[len(letters) // 2]
        c = body[k]
        new = c.lower() if c.isupper() else ("a" if c == "z" else chr(ord(c) + 1))
        if c.islower() and new == c:
            continue
        at = m.start() + 1 + k
        out.append((f"string letter '{c}' -> '{new}'", line[:at] + new + line[at + 1:]))
    return out


def mutations(line):
    stripped = line.strip()
    if (not stripped or stripped.startswith(("//", "#", "*", "/*", "namespace", "static_assert"))
            or stripped in ("{", "}", "};", "} // namespace")):
        return []
    return operator_swaps(line) + constant_changes(line) + negations(line) + removals(line) + letter_changes(line)


def candidates():
    found = []
    for path in sorted(CORE.rglob("*.cpp")):
        lines = path.read_text(encoding="latin-1").split("\n")
        for index, line in enumerate(lines):
            options = mutations(line)
            if options:
                found.append((path, index, options))
    return found


TIMED_OUT = "timed out"


def run(command, timeout):
    """The command's exit code, or TIMED_OUT. A command that overruns is stopped with everything
    it started (a build's compilers too), so no compiler left behind writes an object of a fault
    after its source was restored."""
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return TIMED_OUT


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--count", type=int, default=30, help="faults to plant (default 30)")
    parser.add_argument("--seed", type=int, default=1, help="random seed (default 1)")
    parser.add_argument("--build-dir", default="build", help="configured build folder (default build)")
    parser.add_argument("--timeout", type=int, default=120, help="seconds for one test run (default 120)")
    parser.add_argument("--build-timeout", type=int, default=900,
                        help="seconds for building one fault (default 900)")
    parser.add_argument("--jobs", type=int, default=2, help="ninja jobs (default 2)")
    args = parser.parse_args()

    build = (ROOT / args.build_dir).resolve()
    binary = build / "tests" / TARGET
    ninja = ["ninja", "-C", str(build), f"-j{args.jobs}", TARGET]
    if run(ninja, 1800) != 0 or run([str(binary), "--gtest_brief=1"], args.timeout) != 0:
        sys.exit("mutate: the unchanged core tests must build and pass first")

    rng = random.Random(args.seed)
    pool = candidates()
    sample = rng.sample(pool, min(args.count, len(pool)))
    results = {"caught": 0, "survived": 0, "invalid": 0, "unbuilt": 0}
    survivors, unbuilt, hung = [], [], 0
    started = time.time()
    for number, (path, index, options) in enumerate(sample, 1):
        label, new_line = rng.choice(options)
        original = path.read_bytes()
        lines = original.decode("latin-1").split("\n")
        lines[index] = new_line
        where = f"{path.relative_to(ROOT)}:{index + 1}"
        try:
            path.write_bytes("\n".join(lines).encode("latin-1"))
            built = run(ninja, args.build_timeout)
            note = ""
            if built == TIMED_OUT:
                # Says nothing of the fault: neither "did not compile" nor caught.
                outcome = "unbuilt"
            elif built != 0:
                outcome = "invalid"
            else:
                code = run([str(binary), "--gtest_brief=1"], args.timeout)
                outcome = "survived" if code == 0 else "caught"
                if code == TIMED_OUT:
                    hung += 1
                    note = " (the tests hung)"
        finally:
            path.write_bytes(original)
        results[outcome] += 1
        if outcome == "survived":
            survivors.append(f"{where}: {label}\n        {new_line.strip()}")
        if outcome == "unbuilt":
            unbuilt.append(f"{where}: {label}")
        print(f"[{number:3}/{len(sample)}] {outcome:8} {where}: {label}{note}", flush=True)

    if run(ninja, 1800) != 0:
        print("mutate: the final rebuild failed: the test binary may still hold the last fault",
              file=sys.stderr)
    valid = results["caught"] + results["survived"]
    share = 100.0 * results["caught"] / valid if valid else 0.0
    print()
    print(f"seed {args.seed}: {len(sample)} faults, {results['invalid']} did not compile, "
          f"{results['caught']} of {valid} caught ({share:.0f}%"
          + (f", {hung} by hanging the tests" if hung else "")
          + f") in {time.time() - started:.0f} s")
    if unbuilt:
        print(f"Not measured, the build overran {args.build_timeout} s (rerun on a quieter machine):")
        for u in unbuilt:
            print("  " + u)
    if survivors:
        print("Survived (a test gap, or a fault that changes no behaviour):")
        for s in survivors:
            print("  " + s)


if __name__ == "__main__":
    main()
