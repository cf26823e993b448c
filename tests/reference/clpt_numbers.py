"""Arithmetic helpers of the independent reference calculation: IEEE
division and square root as the program takes them, and small matrices."""

import math

PI = 3.14159265358979


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
