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


from clpt_numbers import PI, div, sqrt, mat_zero, invert, matvec  # noqa: E402,F401
from clpt_engine import Engine  # noqa: E402


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
