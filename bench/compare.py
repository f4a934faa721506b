#!/usr/bin/python3
"""Brush selection timings of one or more base builds beside the working tree.

Each base is a commit, built in a scratch worktree under /tmp, or a build
directory that holds bench/bench_match. A commit is built with the working
tree's bench_match.cpp, so that every build runs the same cases on its own
library, or with its own where those do not build against it. The working
tree is built in build/native (native preset, RelWithDebInfo, target
bench_match only).

The builds run in turn (A B A B ...) for the given repetitions within this one
run, so that a busy machine's noise falls on all of them alike; each case's
median per build is printed, with its ratio to the first base, and the ratios
between cases that selection's speed is judged by. Times are CPU times per
parcel: on a shared machine they leave out the time other processes take.

Every run is held to one processor (the lowest this process may use, or
--cpu): on a virtual machine one processor can be slowed for a while by
its host, by a third or more, and a run that landed on it would otherwise
count that against whichever build it happened to be.

  bench/compare.py e049670 9ed4587
  bench/compare.py -r 7 -f 'Date|Integer|PlainScan' build/native-old
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BENCH = os.path.join("bench", "bench_match")
# Case ratios within one build, per brush count: (case, reference case).
WITHIN = [("Date", "Integer"), ("DateRange", "Integer"), ("Integer", "PlainScan"),
          ("RegistryDate", "RegistryInteger")]


def run(*args, cwd=ROOT):
    subprocess.run(args, cwd=cwd, check=True, stdout=subprocess.DEVNULL)


def build(source, *options):
    run("cmake", "--preset", "native", *options, cwd=source)
    run("cmake", "--build", "--preset", "native", "--target", "bench_match", cwd=source)
    return os.path.join(source, "build", "native")


def build_commit(commit):
    sha = subprocess.run(["git", "rev-parse", "--verify", commit + "^{commit}"], cwd=ROOT,
                         check=True, capture_output=True, text=True).stdout.strip()
    tree = os.path.join("/tmp", "velmora-bench-" + sha[:12])
    if os.path.isdir(tree):
        run("git", "checkout", "--quiet", "--force", "--detach", sha, cwd=tree)
    else:
        run("git", "worktree", "add", "--quiet", "--detach", tree, sha)
    shutil.copy(os.path.join(ROOT, "bench", "bench_match.cpp"), os.path.join(tree, "bench"))
    try:
        return build(tree, "-DBUILD_TESTING=OFF")
    except subprocess.CalledProcessError:
        # The cases name what the commit's library does not have yet: the
        # commit's own cases run instead, and the rest show as "-".
        print(f"{commit}: the working tree's cases do not build there; its own run",
              file=sys.stderr)
        run("git", "checkout", "--quiet", "--", os.path.join("bench", "bench_match.cpp"), cwd=tree)
        return build(tree, "-DBUILD_TESTING=OFF")


def times(directory, args, cpu):
    out = subprocess.run([os.path.join(directory, BENCH), "--benchmark_format=json"] + args,
                         check=True, capture_output=True, text=True,
                         preexec_fn=lambda: os.sched_setaffinity(0, {cpu})).stdout
    return {b["name"]: b["cpu_time"] for b in json.loads(out)["benchmarks"]}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("bases", nargs="+", help="commits or build directories")
    parser.add_argument("-r", "--repetitions", type=int, default=5)
    parser.add_argument("-f", "--filter", default=".", help="bench_match's case filter")
    parser.add_argument("--min-time", default="0.2", help="seconds per case and run")
    parser.add_argument("--cpu", type=int, default=min(os.sched_getaffinity(0)),
                        help="the processor every run is held to")
    options = parser.parse_args()

    builds = []
    for base in options.bases:
        directory = base if os.path.isfile(os.path.join(base, BENCH)) else build_commit(base)
        builds.append((base, directory))
    builds.append(("work", build(ROOT)))

    args = ["--benchmark_filter=" + options.filter, "--benchmark_min_time=" + options.min_time]
    samples = [{} for _ in builds]
    for rep in range(options.repetitions):
        print(f"repetition {rep + 1}/{options.repetitions}", file=sys.stderr)
        for (_, directory), sample in zip(builds, samples):
            for name, time in times(directory, args, options.cpu).items():
                sample.setdefault(name, []).append(time)
    medians = [{name: statistics.median(t) for name, t in s.items()} for s in samples]

    labels = [label.replace("/build/native", "").rstrip("/")[-12:] for label, _ in builds]
    head = f"{'case (median ns)':<20}" + "".join(f"{label:>13}" for label in labels)
    head += "".join(f"{label + '/' + labels[0][:5]:>13}" for label in labels[1:])
    print(head)
    for name in samples[-1]:
        row = [m.get(name) for m in medians]
        line = f"{name:<20}" + "".join(f"{t:13.1f}" if t else f"{'-':>13}" for t in row)
        line += "".join(f"{t / row[0]:13.2f}" if t and row[0] else f"{'-':>13}" for t in row[1:])
        print(line)

    print()
    print(f"{'within a build':<20}" + "".join(f"{label:>13}" for label in labels))
    for name in samples[-1]:
        case, _, count = name.partition("/")
        for top, under in WITHIN:
            reference = f"{under}/{count}"
            if case != top or reference not in medians[-1]:
                continue
            ratios = [m[name] / m[reference] if name in m and reference in m else None
                      for m in medians]
            print(f"{top + '/' + under + ' ' + count:<20}" +
                  "".join(f"{r:13.2f}" if r else f"{'-':>13}" for r in ratios))


if __name__ == "__main__":
    main()
