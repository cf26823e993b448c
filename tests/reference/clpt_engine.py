"""The reference calculation's engine: every formula in the program's order,
so that the figures agree bit for bit."""

import math

from clpt_numbers import PI, div, sqrt, mat_zero, invert, matvec  # noqa: F401


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

    def _half_angle(self, cosine):
        """(degrees, approximated): half the angle of a cosine, 0 or 90 when
        the cosine lies outside [-1, 1] by more than rounding."""
        cosine = self._clamp_unit(cosine)
        if cosine > 1:
            return 0.0, True
        if cosine < -1:
            return 90.0, True
        return (90 / PI) * math.acos(cosine), False

    def _dd_pair(self, V1, V3):
        normal = True
        dsc = ((0.5 * V3) - V1 * V1) + 0.5
        psi, approx_psi = self._half_angle(V1 + math.sqrt(dsc) if dsc >= 0 else V1)
        phi, approx_phi = self._half_angle(2 * V1 - math.cos(((2 * psi) * PI) / 180))
        approx = approx_psi or approx_phi
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
