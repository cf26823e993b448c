#!/usr/bin/env python3
"""Differential check: random laminate data files through the batch program
and through the independent reference calculation must give the same report,
byte for byte.

Usage: differential_check.py PROGRAM WORKDIR [COUNT] [SEED]
"""

import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import clpt_reference as ref  # noqa: E402


def random_data_file(rnd, layers=(1, 12)):
    nm = rnd.randint(1, 4)
    nl = rnd.randint(*layers)
    out = []
    w = out.append
    w("$ Number of Materials\n")
    w(ref.printf("%-3d\n", nm))
    w("$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name\n")
    for m in range(1, nm + 1):
        e1 = rnd.choice([20.6e6, 132700, rnd.uniform(1e5, 3e7)])
        e2 = e1 * rnd.uniform(0.02, 1.0)
        w(ref.printf("%-3d %10.3e %10.3e %10.3e %5.3f %11.3e %11.3e %7.4f %7.4f %s\n",
                     m, e1, e2, e2 * rnd.uniform(0.3, 0.9), rnd.uniform(0.1, 0.45),
                     rnd.uniform(-1e-6, 1e-5), rnd.uniform(1e-6, 4e-5),
                     rnd.choice([0, 0.01, rnd.uniform(0, 0.05)]), rnd.uniform(0.01, 0.5),
                     rnd.choice(["", "Mat %d" % m, "glass/epoxy  weave"])))
    w("$ Total Number of Layers\n")
    w(ref.printf("%-3d\n", nl))
    w("$ Layer #, Material #, Angle, Thickness\n")
    for k in range(1, nl + 1):
        w(ref.printf("%-3d %2d %6.1f %11.3e\n", k,
                     rnd.randint(1, nm) if rnd.random() < 0.5 else 1,
                     rnd.choice([0, 90, 45, -45, 30, -60, 15, rnd.uniform(-90, 90)]),
                     rnd.choice([0.005, 0.125, rnd.uniform(0.001, 0.3)])))
    kind = rnd.choice([1, 1, 2, 0])
    if kind == 2:
        w("$ Strains/Curvatures: eX, eY, gXY, kX, kY, kXY\n2\n")
        values = [rnd.choice([0, rnd.uniform(-0.01, 0.01)]) for _ in range(6)]
    else:
        w("$ Mechanical Load Vector: 1=forces/moments, 2=strains/curvatures\n%d\n" % kind)
        w("$ Forces/Moments or Strains/Curvatures\n")
        values = [rnd.choice([0, rnd.uniform(-2000, 2000)]) for _ in range(6)]
    if kind != 0:
        for v in values:
            w(ref.printf("%11.3e ", v))
    w("\n$ Temperature Load, Moisture Load\n")
    w(ref.printf("%10.3f %10.2f\n", rnd.choice([0, rnd.uniform(-300, 100)]),
                 rnd.choice([0, rnd.uniform(0, 2)])))
    w("$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S\n")
    for m in range(1, nm + 1):
        st = [rnd.uniform(500, 3e5), -rnd.uniform(500, 3e5), rnd.uniform(50, 1e4),
              -rnd.uniform(50, 4e4), rnd.uniform(50, 2e4)]
        if rnd.random() < 0.1:
            st[rnd.randint(0, 4)] = 0
        if rnd.random() < 0.2:
            st[1] = -st[1]
        w(ref.printf("%-3d %11.3e %11.3e %11.3e %11.3e %11.3e\n", m, *st))
    w("$ Analysis Options\n")
    o = [rnd.randint(0, 1) for _ in range(8)]
    w("%d\n%d\n%d\n%d\n%d %d\n%d\n%d\n" % (o[0], o[1], o[2], o[3], o[4], rnd.choice([1, 2]), o[5], o[6]))
    return "".join(out).replace("\n", "\r\n")


def main():
    program, workdir = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else 1
    os.makedirs(workdir, exist_ok=True)
    rnd = random.Random(seed)
    failures = 0
    for i in range(count):
        path = os.path.join(workdir, "random-%d.vcl" % i)
        report_path = os.path.join(workdir, "random-%d.txt" % i)
        with open(path, "w", newline="") as f:
            f.write(random_data_file(rnd))
        run = subprocess.run([program, path, report_path], capture_output=True)
        if run.returncode != 0:
            print("%s: exit %d: %s" % (path, run.returncode, run.stderr.decode(errors="replace")))
            failures += 1
            continue
        d = ref.read_data_file(path)
        ref.pages_round_trip(d)
        engine = ref.Engine(d)
        engine.run()
        expected = (ref.report(d, engine) + "\r\n").encode("latin-1")
        with open(report_path, "rb") as f:
            actual = f.read()
        if actual != expected:
            print("%s: the report differs from the reference calculation" % path)
            failures += 1
    print("%d passed, %d failed" % (count - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
