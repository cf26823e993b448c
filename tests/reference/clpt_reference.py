#!/usr/bin/env python3
"""Independent reference calculation of the laminate report.

A second, deliberately separate implementation of the analysis in plain
Python, written from the engineering formulas rather than from the C++ code.
Python floats are IEEE doubles and Python never contracts a*b+c into a fused
multiply-add, so evaluating every formula in the same order as the program
(left to right, powers as repeated products from the left) reproduces its
figures bit for bit. The regression tests compare the program's batch output
with this script's output for the example data files.

Usage: clpt_reference.py input.vcl > expected-report.txt
The output is the batch program's output file: the report with CR LF line
ends followed by one CR LF.
"""

import math
import re
import sys

PI = 3.14159265358979


# ---------------------------------------------------------------- formatting

def _fix_exponent(text):
    m = re.search(r"([eE])([+-])(\d+)$", text)
    if not m:
        return text
    digits = m.group(3).rjust(3, "0")
    return text[: m.start()] + m.group(1) + m.group(2) + digits


def fmt(spec, value):
    """One printf conversion with three-digit exponents, no negative zero,
    inf/nan as letters."""
    m = re.fullmatch(r"%(-?)(\d*)(?:\.(\d+))?([defgs])", spec)
    assert m, spec
    left, width, prec, conv = m.groups()
    width = int(width) if width else 0
    if conv == "s":
        body = str(value)
    elif conv == "d":
        body = "%d" % value
    else:
        v = float(value)
        if math.isnan(v):
            body = "-nan" if math.copysign(1.0, v) < 0 else "nan"
        elif math.isinf(v):
            body = "-inf" if v < 0 else "inf"
        else:
            if v == 0.0:
                v = 0.0  # no minus sign on a negative zero
            p = "" if prec is None else "." + prec
            body = _fix_exponent(("%" + p + conv) % v)
    if left:
        return body.ljust(width)
    return body.rjust(width)


def printf(fmtstr, *values):
    out = []
    vals = list(values)
    pos = 0
    for m in re.finditer(r"%-?\d*(?:\.\d+)?[defgs]", fmtstr):
        out.append(fmtstr[pos : m.start()])
        out.append(fmt(m.group(0), vals.pop(0)))
        pos = m.end()
    out.append(fmtstr[pos:])
    assert not vals
    return "".join(out)


def page_round(value):
    """A number as it comes back from a page: rounded to 5 significant digits."""
    return float("%.5g" % value)


# ----------------------------------------------------------------- data file

class Laminate:
    pass


def read_data_file(path):
    with open(path, "rb") as f:
        raw = f.read().decode("latin-1")
    lines = raw.replace("\r\n", "\n").split("\n")
    lines = [ln for ln in lines if not ln.startswith("$")]
    d = Laminate()
    # token stream with line tracking for the description and strength lines
    li = 0
    toks = []

    def next_tok():
        nonlocal li, toks
        while not toks:
            toks = lines[li].split()
            li += 1
        return toks.pop(0)

    d.nm = int(next_tok())
    d.E1, d.E2, d.G12, d.v12 = [0.0] * 11, [0.0] * 11, [0.0] * 11, [0.0] * 11
    d.CTE1, d.CTE2, d.CME1, d.CME2 = [0.0] * 11, [0.0] * 11, [0.0] * 11, [0.0] * 11
    d.desc = [""] * 11
    for m in range(1, d.nm + 1):
        next_tok()
        d.E1[m], d.E2[m], d.G12[m], d.v12[m] = (float(next_tok()) for _ in range(4))
        d.CTE1[m], d.CTE2[m], d.CME1[m], d.CME2[m] = (float(next_tok()) for _ in range(4))
        d.desc[m] = " ".join(toks).strip() if toks else ""
        # the description is the rest of the line as written
        rest = lines[li - 1]
        parts = rest.split(None, 9)
        d.desc[m] = parts[9].strip() if len(parts) > 9 else ""
        toks = []
    d.nl = int(next_tok())
    d.mat = [0] * 101
    d.ang = [0.0] * 101
    d.t = [0.0] * 101
    for k in range(1, d.nl + 1):
        next_tok()
        d.mat[k] = int(next_tok())
        d.ang[k] = float(next_tok())
        d.t[k] = float(next_tok())
    d.kind = int(next_tok())
    d.mech = [0.0] * 7
    d.strain = [0.0] * 7
    if d.kind == 1:
        for i in range(1, 7):
            d.mech[i] = float(next_tok())
    elif d.kind == 2:
        for i in range(1, 7):
            d.strain[i] = float(next_tok())
    d.dT = float(next_tok())
    d.dM = float(next_tok())
    toks = []
    d.Xt, d.Xc, d.Yt, d.Yc, d.S = ([0.0] * 11 for _ in range(5))
    for m in range(1, d.nm + 1):
        pieces = lines[li].split()
        li += 1
        if len(pieces) == 6:
            pieces = pieces[1:]
        d.Xt[m], d.Xc[m], d.Yt[m], d.Yc[m], d.S[m] = (float(p) for p in pieces[:5])
    opts = " ".join(lines[li:]).split()
    o = [int(x) for x in opts]
    d.showApparent, d.showABD, d.showLayer, d.showLoadVectors = (v != 0 for v in o[0:4])
    d.showPly = o[4] != 0
    d.total = o[5] != 1
    d.showFailure = o[6] != 0
    d.dd = (o[7] != 0) if len(o) > 7 else False
    return d


def pages_round_trip(d):
    """Show the file on the pages and copy them back, as a run does."""
    r = page_round
    for m in range(1, d.nm + 1):
        for name in ("E1", "E2", "G12", "v12", "CTE1", "CTE2", "CME1", "CME2",
                     "Xt", "Xc", "Yt", "Yc", "S"):
            getattr(d, name)[m] = r(getattr(d, name)[m])
    for k in range(1, d.nl + 1):
        d.ang[k] = r(d.ang[k])
        d.t[k] = r(d.t[k])
    # load boxes: kind 1/2 check all three boxes, then zero values clear them
    d.mechOn = d.kind in (1, 2)
    d.forces = d.kind != 2
    d.strainsGiven = d.kind == 2
    d.thermOn = d.kind in (1, 2) and d.dT != 0.0
    d.moistOn = d.kind in (1, 2) and d.dM != 0.0
    if d.kind == 0:
        d.thermOn = d.dT != 0.0
        d.moistOn = d.dM != 0.0
    d.mech = [r(v) for v in d.mech] if (d.mechOn and d.forces) else [0.0] * 7
    d.strain = [r(v) for v in d.strain] if (d.mechOn and d.strainsGiven) else [0.0] * 7
    d.dT = r(d.dT) if d.thermOn else 0.0
    d.dM = r(d.dM) / 100 if d.moistOn else 0.0
    for m in range(1, d.nm + 1):
        if d.Xc[m] > 0:
            d.Xc[m] = -d.Xc[m]
        if d.Yc[m] > 0:
            d.Yc[m] = -d.Yc[m]
    d.deg = d.ang[:]
    d.rad = [0.0] * 101
    for k in range(1, d.nl + 1):
        d.rad[k] = (d.ang[k] * PI) / 180
    h = 0.0
    for k in range(1, d.nl + 1):
        h = h + d.t[k]
    d.h = h


# ---------------------------------------------------------------- the engine

def div(a, b):
    """IEEE division: a zero divisor gives an infinity or NaN, as in C."""
    try:
        return a / b
    except ZeroDivisionError:
        if a == 0 or a != a:
            return math.nan
        return math.copysign(math.inf, a) * math.copysign(1.0, b)


def sqrt(x):
    """IEEE square root: NaN for a negative or NaN argument."""
    if x != x or x < 0:
        return math.nan
    return math.sqrt(x)


def mat_zero(n):
    return [[0.0] * (n + 1) for _ in range(n + 1)]


def invert(A6):
    n = 6
    A = [[A6[r + 1][c + 1] for c in range(n)] for r in range(n)]
    B = [[1.0 if r == c else 0.0 for c in range(n)] for r in range(n)]
    p = 1.0
    for k in range(n):
        if k != n - 1:
            piv = k
            for i in range(k + 1, n):
                if abs(A[i][k]) > abs(A[piv][k]):
                    piv = i
            if piv != k:
                for j in range(k, n):
                    A[k][j], A[piv][j] = A[piv][j], A[k][j]
                for j in range(n):
                    B[k][j], B[piv][j] = B[piv][j], B[k][j]
        p = p * A[k][k]
        if abs(p) < 1.0e-20:
            return None
        rec = 1.0 / A[k][k]
        for j in range(k, n):
            A[k][j] = A[k][j] * rec
        for j in range(n):
            B[k][j] = B[k][j] * rec
        for i in range(n):
            if i == k:
                continue
            f = A[i][k]
            for j in range(k, n):
                A[i][j] = A[i][j] - f * A[k][j]
            for j in range(n):
                B[i][j] = B[i][j] - f * B[k][j]
    out = mat_zero(6)
    for r in range(n):
        for c in range(n):
            out[r + 1][c + 1] = B[r][c]
    return out


def matvec(M, v):
    out = [0.0] * 7
    for i in range(1, 7):
        s = 0.0
        for j in range(1, 7):
            s = s + M[i][j] * v[j]
        out[i] = s
    return out


class Engine:
    def __init__(self, d):
        self.d = d

    def lamina(self):
        d = self.d
        self.Q = [mat_zero(3) for _ in range(11)]
        self.Sm = [mat_zero(3) for _ in range(11)]
        self.trQ = [0.0] * 11
        for m in range(1, d.nm + 1):
            E1, E2, G12, v12 = d.E1[m], d.E2[m], d.G12[m], d.v12[m]
            Q = self.Q[m]
            Q[1][1] = E1 / (1 - ((v12 * v12) * E2) / E1)
            Q[2][2] = (E2 * Q[1][1]) / E1
            Q[1][2] = v12 * Q[2][2]
            Q[2][1] = Q[1][2]
            Q[3][3] = G12
            S = self.Sm[m]
            S[1][1] = 1 / E1
            S[2][2] = 1 / E2
            S[3][3] = 1 / G12
            S[1][2] = (-v12) / E1
            S[2][1] = S[1][2]
        for m in range(1, d.nm + 1):
            Q = self.Q[m]
            self.trQ[m] = (Q[1][1] + Q[2][2]) + 2 * Q[3][3]
        self.QB = [mat_zero(3) for _ in range(101)]
        self.SB = [mat_zero(3) for _ in range(101)]
        for k in range(1, d.nl + 1):
            Q = self.Q[d.mat[k]]
            m = math.cos(d.rad[k])
            n = math.sin(d.rad[k])
            m2, n2 = m * m, n * n
            m3, n3 = (m * m) * m, (n * n) * n
            m4, n4 = ((m * m) * m) * m, ((n * n) * n) * n
            Q11, Q12, Q22, Q66 = Q[1][1], Q[1][2], Q[2][2], Q[3][3]
            B = self.QB[k]
            B[1][1] = (Q11 * m4 + ((2 * (Q12 + 2 * Q66)) * m2) * n2) + Q22 * n4
            B[2][2] = (Q11 * n4 + ((2 * (Q12 + 2 * Q66)) * m2) * n2) + Q22 * m4
            B[1][2] = ((((Q11 + Q22) - 4 * Q66) * m2) * n2) + Q12 * (m4 + n4)
            B[1][3] = ((((Q11 - Q12) - 2 * Q66) * m3) * n) + (((Q12 - Q22) + 2 * Q66) * m) * n3
            B[2][3] = ((((Q11 - Q12) - 2 * Q66) * m) * n3) + (((Q12 - Q22) + 2 * Q66) * m3) * n
            B[3][3] = (((((Q11 + Q22) - 2 * Q12) - 2 * Q66) * m2) * n2) + Q66 * (m4 + n4)
            B[2][1], B[3][1], B[3][2] = B[1][2], B[1][3], B[2][3]
            S = self.Sm[d.mat[k]]
            S11, S12, S22, S66 = S[1][1], S[1][2], S[2][2], S[3][3]
            C = self.SB[k]
            C[1][1] = (S11 * m4 + ((2 * S12 + S66) * m2) * n2) + S22 * n4
            C[2][2] = (S11 * n4 + ((2 * S12 + S66) * m2) * n2) + S22 * m4
            C[1][2] = (((S11 + S22) - S66) * m2) * n2 + S12 * (m4 + n4)
            C[1][3] = (((2 * S11 - 2 * S12) - S66) * m3) * n - (((2 * S22 - 2 * S12) - S66) * m) * n3
            C[2][3] = (((2 * S11 - 2 * S12) - S66) * m) * n3 - (((2 * S22 - 2 * S12) - S66) * m3) * n
            C[3][3] = ((2 * (((2 * S11 + 2 * S22) - 4 * S12) - S66)) * m2) * n2 + S66 * (m4 + n4)
            C[2][1], C[3][1], C[3][2] = C[1][2], C[1][3], C[2][3]

    def abd(self):
        d = self.d
        z = [0.0] * 101
        z[0] = -d.h * 0.5
        for k in range(1, d.nl + 1):
            z[k] = z[k - 1] + d.t[k]
        self.z = z
        A = mat_zero(6)
        for r in range(1, 7):
            for c in range(1, 7):
                i = r if r <= 3 else r - 3
                j = c if c <= 3 else c - 3
                for k in range(1, d.nl + 1):
                    q = self.QB[k][i][j]
                    zk, zk1 = z[k], z[k - 1]
                    if r <= 3 and c <= 3:
                        A[r][c] = A[r][c] + q * d.t[k]
                    elif r > 3 and c > 3:
                        A[r][c] = A[r][c] + (q * 0.3333333333333333) * ((zk * zk) * zk - (zk1 * zk1) * zk1)
                    else:
                        A[r][c] = A[r][c] + (q * 0.5) * (zk * zk - zk1 * zk1)
        self.ABD = A

    def double_double(self):
        d = self.d
        h = d.h
        h3 = (h * h) * h
        V1 = V3 = W1 = W3 = 0.0
        z = self.z
        for k in range(1, d.nl + 1):
            th = d.rad[k]
            c2, c4 = math.cos(2 * th), math.cos(4 * th)
            w = d.t[k] / h
            V1 = V1 + w * c2
            V3 = V3 + w * c4
            zk, zk1 = z[k], z[k - 1]
            wf = (4 * ((zk * zk) * zk - (zk1 * zk1) * zk1)) / h3
            W1 = W1 + wf * c2
            W3 = W3 + wf * c4
        self.dd = self._dd_pair(V1, V3) + self._dd_pair(W1, W3)
        self.ddRepeat = (d.nl + 3) // 4

    @staticmethod
    def _clamp_unit(v):
        if 1.0 < v <= 1.0 + 1e-12:
            return 1.0
        if -1.0 - 1e-12 <= v < -1.0:
            return -1.0
        return v

    def _dd_pair(self, V1, V3):
        approx = False
        normal = True
        dsc = ((0.5 * V3) - V1 * V1) + 0.5
        x = V1 + math.sqrt(dsc) if dsc >= 0 else V1
        x = self._clamp_unit(x)
        if x > 1:
            approx, psi = True, 0.0
        elif x < -1:
            approx, psi = True, 90.0
        else:
            psi = (90 / PI) * math.acos(x)
        y = 2 * V1 - math.cos(((2 * psi) * PI) / 180)
        y = self._clamp_unit(y)
        if y > 1:
            approx, phi = True, 0.0
        elif y < -1:
            approx, phi = True, 90.0
        else:
            phi = (90 / PI) * math.acos(y)
        tpsi = 0 if math.isnan(psi) else int(abs(psi))
        tphi = 0 if math.isnan(phi) else int(abs(phi))
        if tphi >= 70 and tpsi <= 0.4:
            normal = False
        if tphi >= 89.6 and tpsi <= 20:
            normal = False
        return (psi, phi, approx, normal)

    def apparent(self):
        d = self.d
        I = self.ABDI
        h = d.h
        a = I
        self.EX = 1 / (h * a[1][1])
        self.EY = 1 / (h * a[2][2])
        self.GXY = 1 / (h * a[3][3])
        self.vXY = (-a[1][2]) / a[1][1]
        self.vYX = (self.vXY * self.EY) / self.EX
        h3 = (h * h) * h
        self.EXB = 12 / (h3 * a[4][4])
        self.EYB = 12 / (h3 * a[5][5])
        self.nXYX = a[1][3] / a[1][1]
        self.nXXY = a[1][3] / a[3][3]
        self.nXYY = a[2][3] / a[2][2]
        self.nYXY = a[2][3] / a[3][3]
        self.aX, self.aY, self.aXY = [0.0] * 101, [0.0] * 101, [0.0] * 101
        self.bX, self.bY, self.bXY = [0.0] * 101, [0.0] * 101, [0.0] * 101
        for k in range(1, d.nl + 1):
            mt = d.mat[k]
            m = math.cos(d.rad[k])
            n = math.sin(d.rad[k])
            m2, n2 = m * m, n * n
            self.aX[k] = m2 * d.CTE1[mt] + n2 * d.CTE2[mt]
            self.aY[k] = n2 * d.CTE1[mt] + m2 * d.CTE2[mt]
            self.aXY[k] = ((2 * m) * n) * (d.CTE1[mt] - d.CTE2[mt])
            self.bX[k] = m2 * d.CME1[mt] + n2 * d.CME2[mt]
            self.bY[k] = n2 * d.CME1[mt] + m2 * d.CME2[mt]
            self.bXY[k] = ((2 * m) * n) * (d.CME1[mt] - d.CME2[mt])
        TN, TM, MN, MM = [0.0] * 4, [0.0] * 4, [0.0] * 4, [0.0] * 4
        z = self.z
        for k in range(1, d.nl + 1):
            Qb = self.QB[k]
            d2 = z[k] * z[k] - z[k - 1] * z[k - 1]
            for i in range(1, 4):
                s = (Qb[i][1] * self.aX[k] + Qb[i][2] * self.aY[k]) + Qb[i][3] * self.aXY[k]
                TN[i] = TN[i] + s * d.t[k]
                TM[i] = TM[i] + (s * 0.5) * d2
                s = (Qb[i][1] * self.bX[k] + Qb[i][2] * self.bY[k]) + Qb[i][3] * self.bXY[k]
                MN[i] = MN[i] + s * d.t[k]
                MM[i] = MM[i] + (s * 0.5) * d2
        self.thermalLoad = [0.0] + [d.dT * TN[1], d.dT * TN[2], d.dT * TN[3],
                                    d.dT * TM[1], d.dT * TM[2], d.dT * TM[3]]
        self.moistureLoad = [0.0] + [d.dM * MN[1], d.dM * MN[2], d.dM * MN[3],
                                     d.dM * MM[1], d.dM * MM[2], d.dM * MM[3]]
        self.CTE = [(a[i][1] * TN[1] + a[i][2] * TN[2]) + a[i][3] * TN[3] for i in (1, 2, 3)]
        self.CME = [(a[i][1] * MN[1] + a[i][2] * MN[2]) + a[i][3] * MN[3] for i in (1, 2, 3)]

    def first_ply_failure(self):
        d = self.d
        self.fpf = None
        for m in range(1, d.nm + 1):
            if 0.0 in (d.Xt[m], d.Xc[m], d.Yt[m], d.Yc[m], d.S[m]):
                return
        saved = (d.mechOn, d.forces, d.strainsGiven, d.mech[:], d.strain[:])
        d.mechOn, d.forces, d.strainsGiven = True, True, False
        fpf = [[0.0] * 5 for _ in range(5)]
        for case in range(3):
            d.mech = [0.0] * 7
            d.mech[case + 1] = 10000.0
            d.strain = [0.0] * 7
            self.strains()
            self.failure()
            for c in range(5):
                if case < 2:
                    fpf[c][2 * case] = (self.minP[c] * 10000) / d.h
                    fpf[c][2 * case + 1] = (self.minM[c] * 10000) / d.h
                else:
                    fpf[c][4] = (self.minP[c] * 10000) / d.h
        d.mechOn, d.forces, d.strainsGiven, d.mech, d.strain = saved
        self.fpf = fpf

    def strains(self):
        d = self.d
        I = self.ABDI
        self.thermalStrain = matvec(I, self.thermalLoad)
        self.moistureStrain = matvec(I, self.moistureLoad)
        if d.mechOn and d.strainsGiven:
            eps = d.strain[:]
            prod = matvec(self.ABD, eps)
            d.mech = [0.0] + [(prod[i] - self.thermalLoad[i]) - self.moistureLoad[i] for i in range(1, 7)]
        else:
            tot = [0.0] + [(d.mech[i] + self.thermalLoad[i]) + self.moistureLoad[i] for i in range(1, 7)]
            eps = matvec(I, tot)
            d.strain = eps
        self.eps = eps
        z = self.z
        iface = []
        for j in range(0, d.nl + 1):
            iface.append([eps[1] + z[j] * eps[4], eps[2] + z[j] * eps[5], eps[3] + z[j] * eps[6]])
        self.ply = [None] * 101
        dT, dM = d.dT, d.dM
        for k in range(1, d.nl + 1):
            mt = d.mat[k]
            m = math.cos(d.rad[k])
            n = math.sin(d.rad[k])
            m2, n2 = m * m, n * n
            lo, up = iface[k - 1], iface[k]
            mid = [(lo[i] + up[i]) * 0.5 for i in range(3)]
            sxy = [lo, up, mid]

            def to12(e):
                return [(m2 * e[0] + n2 * e[1]) + (m * n) * e[2],
                        (n2 * e[0] + m2 * e[1]) - (m * n) * e[2],
                        2 * ((((-m) * n) * e[0] + (m * n) * e[1]) + (0.5 * (m2 - n2)) * e[2])]
            l12, u12 = to12(lo), to12(up)
            s12 = [l12, u12, [(l12[i] + u12[i]) * 0.5 for i in range(3)]]

            def effxy(e):
                return [(e[0] - self.aX[k] * dT) - self.bX[k] * dM,
                        (e[1] - self.aY[k] * dT) - self.bY[k] * dM,
                        (e[2] - self.aXY[k] * dT) - self.bXY[k] * dM]
            el, eu = effxy(lo), effxy(up)
            exy = [el, eu, [(el[i] + eu[i]) * 0.5 for i in range(3)]]
            e12 = []
            for s in range(3):
                e = s12[s]
                e12.append([(e[0] - d.CTE1[mt] * dT) - d.CME1[mt] * dM,
                            (e[1] - d.CTE2[mt] * dT) - d.CME2[mt] * dM,
                            e[2]])
            Qb = self.QB[k]
            stxy, st12 = [], []
            for s in range(3):
                e = exy[s]
                sig = []
                for i in range(1, 4):
                    acc = 0.0
                    for j in range(1, 4):
                        acc = acc + Qb[i][j] * e[j - 1]
                    sig.append(acc)
                stxy.append(sig)
                SX, SY, SXY = sig
                st12.append([(m2 * SX + n2 * SY) + ((2 * m) * n) * SXY,
                             (n2 * SX + m2 * SY) - ((2 * m) * n) * SXY,
                             (((-m) * n) * SX + (m * n) * SY) + (m2 - n2) * SXY])
            self.ply[k] = dict(sxy=sxy, exy=exy, stxy=stxy, s12=s12, e12=e12, st12=st12)

    def failure(self):
        d = self.d
        self.fP = [None] * 101
        self.fM = [None] * 101
        for k in range(1, d.nl + 1):
            mt = d.mat[k]
            s1, s2, t12 = self.ply[k]["st12"][2]
            e1, e2, g12 = self.ply[k]["e12"][2]
            Xt, Xc, Yt, Yc, S = d.Xt[mt], d.Xc[mt], d.Yt[mt], d.Yc[mt], d.S[mt]
            plus = [0.0] * 5
            minus = [0.0] * 5
            plus[0], minus[0] = self._max_crit(s1, s2, t12, Xt, Xc, Yt, Yc, S)
            e1t, e1c = div(Xt, d.E1[mt]), div(Xc, d.E1[mt])
            e2t, e2c = div(Yt, d.E2[mt]), div(Yc, d.E2[mt])
            g12u = div(S, d.G12[mt])
            plus[1], minus[1] = self._max_crit(e1, e2, g12, e1t, e1c, e2t, e2c, g12u)
            plus[2], minus[2] = self._tsai_hill(s1, s2, t12, Xt, Xc, Yt, Yc, S)
            F1 = div(1, Xt) + div(1, Xc)
            F2 = div(1, Yt) + div(1, Yc)
            F11 = div(-1, Xt * Xc)
            F22 = div(-1, Yt * Yc)
            F66 = div(1, S * S)
            base = ((F66 * (t12 * t12) + F11 * (s1 * s1)) + (F1 * s1 + F2 * s2)) + F22 * (s2 * s2)
            plus[3], minus[3] = self._quadratic(base - (F11 * s1) * s2, F1, F2, s1, s2)
            plus[4], minus[4] = self._quadratic(base - (sqrt(F11 * F22) * s1) * s2, F1, F2, s1, s2)
            plus = [9999.0 if math.isnan(v) else v for v in plus]
            minus = [-9999.0 if math.isnan(v) else v for v in minus]
            self.fP[k], self.fM[k] = plus, minus
        self.minP = [10000.0] * 5
        self.minM = [10000.0] * 5
        for k in range(1, d.nl + 1):
            for c in range(5):
                if abs(self.fP[k][c]) < abs(self.minP[c]):
                    self.minP[c] = self.fP[k][c]
                if abs(self.fM[k][c]) < abs(self.minM[c]):
                    self.minM[c] = self.fM[k][c]

    @staticmethod
    def _quadratic(V, F1, F2, s1, s2):
        if abs(V) < 1.0e-8:
            return 9999.0, -9999.0
        b = F1 * s1 + F2 * s2
        a = V - b
        b = V - a
        disc = b * b + 4 * a
        if not disc >= 0:
            return 9999.0, -9999.0
        D = math.sqrt(disc)
        p = div(D - b, 2 * a)
        q = div(-b - D, 2 * a)
        p = 9999.0 if (math.isnan(p) or p > 9999) else p
        q = -9999.0 if (math.isnan(q) or q < -9999) else q
        # Both roots of one sign: the other load direction never fails.
        p = 9999.0 if not p > 0 else p
        q = -9999.0 if not q < 0 else q
        return p, q

    @staticmethod
    def _max_crit(s1, s2, t, Xt, Xc, Yt, Yc, S):
        X, Xp = (Xc, Xt) if s1 < 0 else (Xt, Xc)
        Y, Yp = (Yc, Yt) if s2 < 0 else (Yt, Yc)
        lim = []
        if s1 != 0:
            lim.append(div(X, s1))
        if s2 != 0:
            lim.append(div(Y, s2))
        if t != 0:
            lim.append(div(S, abs(t)))
        p = min(lim) if lim else 9999.0
        p = min(p, 9999.0)
        lim = []
        if s1 != 0:
            lim.append(div(-Xp, s1))
        if s2 != 0:
            lim.append(div(-Yp, s2))
        if t != 0:
            lim.append(div(S, abs(t)))
        q = -(min(lim)) if lim else -9999.0
        q = max(q, -9999.0)
        return p, q

    @staticmethod
    def _tsai_hill(s1, s2, t, Xt, Xc, Yt, Yc, S):
        X, Xp = (Xc, Xt) if s1 < 0 else (Xt, Xc)
        Y, Yp = (Yc, Yt) if s2 < 0 else (Yt, Yc)
        s11, s22, tt = s1 * s1, s2 * s2, t * t

        def val(X, Y):
            X2, Y2 = X * X, Y * Y
            return abs(((div(s11, X2) - div(s1 * s2, X2)) + div(s22, Y2)) + div(tt, S * S))
        P = val(X, Y)
        N = val(Xp, Yp)
        p = 9999.0 if P < 1.0e-8 else div(1, sqrt(P))
        p = 9999.0 if p > 9999 else p
        q = -9999.0 if N < 1.0e-8 else div(-1, sqrt(N))
        q = -9999.0 if q < -9999 else q
        return p, q

    def run(self):
        d = self.d
        self.lamina()
        self.abd()
        d.single = d.nl >= 1 and all(d.mat[k] == d.mat[1] for k in range(2, d.nl + 1))
        if d.dd and d.single:
            self.double_double()
        self.ABDI = invert(self.ABD)
        if self.ABDI is None:
            raise SystemExit("singular")
        self.apparent()
        self.first_ply_failure()
        loads = d.mechOn or d.thermOn or d.moistOn
        self.strained = False
        if d.showLoadVectors or d.showPly or d.showFailure:
            if loads:
                self.strains()
                self.strained = True
                if d.showFailure:
                    self.failure()
            else:
                d.showPly = False
                d.showFailure = False


# ---------------------------------------------------------------- the report

def report(d, e):
    o = []
    w = o.append
    w(" " + "*" * 78 + "\r\n")
    w(" *" + " " * 30 + "The Vellacore" + " " * 33 + "*\r\n")
    w(" *                  Analysis of Composite Laminates Based on                  *\r\n")
    w(" *                      Classical Laminated Plate Theory                      *\r\n")
    w(" " + "*" * 78 + "\r\n")
    w("\r\n\r\n")
    for m in range(1, d.nm + 1):
        w(printf(" Material %d: %s\r\n", m, d.desc[m] or "(no material description given)"))
    w("\r\n\r\n")
    w(" Engineering Properties\r\n **********************\r\n\r\n Matl         E1          E2         G12        v12\r\n\r\n")
    for m in range(1, d.nm + 1):
        w(printf("%4d    %12.3e%12.3e%12.3e%8.3f\r\n", m, d.E1[m], d.E2[m], d.G12[m], d.v12[m]))
    w("\r\n\r\n\r\n Thermal and Moisture Properties\r\n *******************************\r\n\r\n Matl        CTE1        CTE2        CME1        CME2\r\n\r\n")
    for m in range(1, d.nm + 1):
        w(printf("%4d    %12.3e%12.3e%12.3e%12.3e\r\n", m, d.CTE1[m], d.CTE2[m], d.CME1[m], d.CME2[m]))
    w("\r\n\r\n\r\n Stacking Sequence\r\n *****************\r\n\r\n  Layer    Matl     Ply Angle     Ply Thickness\r\n\r\n")
    for k in range(1, d.nl + 1):
        w(printf(" %4d     %4d    %9.1f        %9.3e\r\n", k, d.mat[k], (d.rad[k] * 180) / PI, d.t[k]))
    w("                                   ----------\r\n")
    w(printf("%s        %9.3e\r\n", " Total Laminate Thickness :", d.h))
    six = "%12.3e%12.3e%12.3e%12.3e%12.3e%12.3e"
    if d.mechOn and d.forces:
        w("\r\n\r\n\r\n Laminate Mechanical Input Load Vector\r\n *************************************\r\n\r\n      NX          NY         NXY          MX          MY         MXY\r\n\r\n")
        w(printf(six, *d.mech[1:7]))
    if d.mechOn and d.strainsGiven:
        w("\r\n\r\n\r\n Laminate Total Input Strain Vector\r\n **********************************\r\n\r\n      eX          eY         gXY          KX          KY         KXY\r\n\r\n")
        w(printf(six, *d.strain[1:7]))
    if d.thermOn or d.moistOn:
        w("\r\n\r\n\r\n Laminate Thermal and Moisture Conditions\r\n ****************************************\r\n\r\n  Delta-Temp     Moisture Wt Gain\r\n\r\n")
        w(printf("%10.2f        %9.4f%s", d.dT, d.dM * 100, " %"))
    if d.showLayer:
        w("\r\n\r\n\r\n Layer Stiffness and Compliance Matrices\r\n ***************************************")
        for k in range(1, d.nl + 1):
            mt = d.mat[k]
            w(printf("%s%3d%s", "\r\n\r\n\r\n Layer....", k, "\r\n ------------\r\n\r\n                 Q Matrix                              Q-Bar Matrix\r\n\r\n"))
            for i in range(1, 4):
                w(printf("%13.3e%13.3e%13.3e %13.3e%13.3e%13.3e\r\n", *(e.Q[mt][i][1:4] + e.QB[k][i][1:4])))
            w(printf("\r\n%s%13.3e\r\n", "Trace of Q = ", e.trQ[mt]))
            w("\r\n\r\n\r\n                 S Matrix                              S-Bar Matrix\r\n\r\n")
            for i in range(1, 4):
                w(printf("%13.3e%13.3e%13.3e %13.3e%13.3e%13.3e\r\n", *(e.Sm[mt][i][1:4] + e.SB[k][i][1:4])))
    if d.showABD:
        w("\r\n\r\n\r\n Laminate Matrices\r\n *****************\r\n\r\n\r\n                                 'ABD' Matrix\r\n\r\n")
        for M, title in ((e.ABD, None), (e.ABDI, "\r\n\r\n\r\n                                 'ABD' Inverse\r\n\r\n")):
            if title:
                w(title)
            for i in range(1, 7):
                w(printf("%13.4e%13.4e%13.4e %13.4e%13.4e%13.4e\r\n", *M[i][1:7]))
                if i == 3:
                    w("\r\n")
    if d.showApparent:
        w("\r\n\r\n\r\n Apparent Laminate Stiffness Properties\r\n **************************************\r\n\r\n      EX          EY         GXY         EXB         EYB\r\n\r\n")
        w(printf("%12.3e%12.3e%12.3e%12.3e%12.3e\r\n", e.EX, e.EY, e.GXY, e.EXB, e.EYB))
        w("\r\n\r\n\r\n Apparent Laminate Coupling Coefficients\r\n (Poisson and Shear Coupling)\r\n ***************************************\r\n\r\n     vXY         vYX         nXY,X       nXY,Y       nX,XY       nY,XY\r\n\r\n")
        w(printf("  %7.3f     %7.3f      %7.3f     %7.3f     %7.3f     %7.3f\r\n", e.vXY, e.vYX, e.nXYX, e.nXYY, e.nXXY, e.nYXY))
        w("\r\n\r\n\r\n Apparent Laminate Thermal and Moisture Properties\r\n *************************************************\r\n\r\n     CTEX        CTEY        CTEXY       CMEX        CMEY        CMEXY\r\n\r\n")
        w(printf(six + "\r\n", *(e.CTE + e.CME)))
        if e.fpf is not None:
            w("\r\n\r\n\r\n Apparent Laminate Strength for First Ply Failure\r\n Under Unidirectional Loading: +/-NX, +/-NY, NXY\r\n ************************************************\r\n\r\n Failure        X-Axis     X-Axis       Y-Axis     Y-Axis        XY\r\n Theory         Tension  Compression    Tension  Compression    Shear\r\n\r\n")
            names = (" Max Stress ", " Max Strain ", " Tsai-Hill  ", " Hoffman    ", " Tsai-Wu    ")
            for c in range(5):
                w(printf(names[c] + "%12.3e%12.3e%12.3e%12.3e%12.3e\r\n", *e.fpf[c]))
    if d.dd:
        if d.single:
            titles = ("\r\n\r\n\r\n Equivalent Double-Double Laminate Based on In-plane Stiffness\r\n *************************************************************\r\n\r\n",
                      "\r\n\r\n Equivalent Double-Double Laminate Based on Flexural Stiffness\r\n *************************************************************\r\n\r\n")
            for part in range(2):
                psi, phi, approx, normal = e.dd[4 * part: 4 * part + 4]
                w(titles[part])
                if approx:
                    w(" No exact double-double solution found.  Approximate solution:\r\n")
                psi_line = printf(" psi = %6.1f\r\n", psi)
                phi_line = printf(" phi = %6.1f\r\n", phi)
                w(psi_line)
                w(phi_line)
                p = math.floor(float(psi_line[7:13]) + 0.5)
                f = math.floor(float(phi_line[7:13]) + 0.5)
                unit = (p, -f, -p, f) if normal else (p, -f, f, -p)
                w(printf(" Use: [%3.0f, %3.0f, %3.0f, %3.0f]_%dT\r\n", *unit, e.ddRepeat))
        else:
            w(" \r\n\r\nDouble-double analysis was requested but only one material is allowed.\r\n")
    loads = d.mechOn or d.thermOn or d.moistOn
    if d.showLoadVectors and loads:
        blocks = (
            ("\r\n\r\n\r\n Laminate Mechanical Load Vector\r\n *******************************\r\n\r\n      NX          NY         NXY          MX          MY         MXY\r\n\r\n", d.mech),
            ("\r\n\r\n\r\n Laminate Thermal Load Vector\r\n ****************************\r\n\r\n      NXT         NYT        NXYT         MXT         MYT        MXYT\r\n\r\n", e.thermalLoad),
            ("\r\n\r\n\r\n Laminate Moisture Load Vector\r\n *****************************\r\n\r\n      NXM         NYM        NXYM         MXM         MYM        MXYM\r\n\r\n", e.moistureLoad),
            ("\r\n\r\n\r\n Laminate Total Strain Vector\r\n ****************************\r\n\r\n      eX          eY         gXY          KX          KY         KXY\r\n\r\n", d.strain),
            ("\r\n\r\n\r\n Laminate Thermal Strain Vector\r\n ******************************\r\n\r\n      eXT         eYT        gXYT         KXT         KYT        KXYT\r\n\r\n", e.thermalStrain),
            ("\r\n\r\n\r\n Laminate Moisture Strain Vector\r\n *******************************\r\n\r\n      eXM         eYM        gXYM         KXM         KYM        KXYM\r\n\r\n", e.moistureStrain),
        )
        for head, vec in blocks:
            w(head)
            w(printf(six + "\r\n", *vec[1:7]))
    if d.showPly and loads:
        titles = (" Stresses and Strains in the Global Coordinate System (X,Y) - Lower Surfaces",
                  " Stresses and Strains in the Global Coordinate System (X,Y) - Upper Surfaces",
                  " Stresses and Strains in the Global Coordinate System (X,Y) - Ply Mid-Surfaces",
                  " Stresses and Strains in the Material Coordinate System (1,2) - Lower Surfaces",
                  " Stresses and Strains in the Material Coordinate System (1,2) - Upper Surfaces",
                  " Stresses and Strains in the Material Coordinate System (1,2) - Mid-Surfaces")
        sline = (" Strains are given as Total Strains (Mechanical + Thermal + Moisture)" if d.total
                 else " Strains are given as Effective Strains (Total - Free Thermal - Free Moisture)")
        for b in range(6):
            col = (" Layer     Eps-X       Eps-Y      Gam-XY       Sig-X       Sig-Y      Sig-XY" if b < 3
                   else " Layer     Eps-1       Eps-2      Gam-12       Sig-1       Sig-2      Sig-12")
            w("\r\n\r\n\r\n" + titles[b] + "\r\n" + sline + "\r\n " + "*" * 77 + "\r\n\r\n" + col + "\r\n\r\n")
            s = b % 3
            for k in range(1, d.nl + 1):
                p = e.ply[k]
                if b < 3:
                    strain = p["sxy"][s] if d.total else p["exy"][s]
                    stress = p["stxy"][s]
                else:
                    strain = p["s12"][s] if d.total else p["e12"][s]
                    stress = p["st12"][s]
                w(printf("%4d  " + six + "\r\n", k, *(list(strain) + list(stress))))
    if d.showFailure and loads:
        w("\r\n\r\n\r\n Material Strengths\r\n ******************\r\n\r\n Matl       Xt          Xc          Yt          Yc          S\r\n\r\n")
        for m in range(1, d.nm + 1):
            w(printf("%4d  %12.3e%12.3e%12.3e%12.3e%12.3e\r\n", m, d.Xt[m], d.Xc[m], d.Yt[m], d.Yc[m], d.S[m]))
        w("\r\n\r\n\r\n Load Vector Scale Factors for Ply Failure\r\n  (For Applied (+) and Reversed (-) Loads)\r\n *****************************************\r\n\r\n")
        for sign, fac, mins, tail in (("+", e.fP, e.minP, "\r\n\r\n"), ("-", e.fM, e.minM, "\r\n")):
            w("          Max      Max      Tsai\r\n Layer   Stress   Strain    Hill   Hoffman  Tsai-Wu\r\n")
            w("          ({0})      ({0})      ({0})      ({0})      ({0})\r\n".format(sign))
            for k in range(1, d.nl + 1):
                w(printf("%4d %9.2f%9.2f%9.2f%9.2f%9.2f\r\n", k, *fac[k]))
            w(" ---    ------   ------   ------   ------   ------\r\n")
            w(printf(" Min %9.2f%9.2f%9.2f%9.2f%9.2f" + tail, *mins))
    return "".join(o)


def main():
    d = read_data_file(sys.argv[1])
    pages_round_trip(d)
    e = Engine(d)
    e.run()
    sys.stdout.buffer.write((report(d, e) + "\r\n").encode("latin-1"))


if __name__ == "__main__":
    main()
