#!/usr/bin/python3
"""Writes data/program/STOFFW12.tsv, the conversion table of the old viscosity units.

Rows of kinematic viscosity (mm²/s) from 1 to 1000 with the equivalent
- Saybolt Universal seconds at 100 °F, by the equation of ASTM D2161,
- Engler degrees, by Ubbelohde's relation  nu = 7.31 E - 6.31 / E,
- Redwood No. 1 seconds, by the relations  nu = 0.260 t - 179 / t  (t <= 100 s)
  and  nu = 0.247 t - 50 / t  (t > 100 s).
The rows are chosen so that linear interpolation between neighbours stays well within
0.5 % of these relations in every column, both ways. Run it by hand; its output is
committed.
"""
import math
import sys


def saybolt(nu):
    return 4.6324 * nu + (1.0 + 0.03264 * nu) / (
        (3930.2 + 262.7 * nu + 23.97 * nu ** 2 + 1.646 * nu ** 3) * 1e-5)


def positive_root(a, c, nu):
    # t with a t - c / t = nu
    return (nu + math.sqrt(nu * nu + 4 * a * c)) / (2 * a)


def engler(nu):
    return positive_root(7.31, 6.31, nu)


def redwood(nu):
    t = positive_root(0.260, 179.0, nu)
    return t if t <= 100 else positive_root(0.247, 50.0, nu)


COLUMNS = (engler, saybolt, redwood)
DECIMALS = (4, 2, 2)


def grid():
    steps = [(1, 2, 0.05), (2, 5, 0.1), (5, 10, 0.25), (10, 20, 0.5), (20, 50, 1),
             (50, 100, 2), (100, 200, 5), (200, 500, 10), (500, 1000, 25)]
    values = []
    for start, end, step in steps:
        n = round((end - start) / step)
        values += [round(start + i * step, 4) for i in range(n)]
    return values + [1000]


def rows():
    return [[nu] + [round(f(nu), d) for f, d in zip(COLUMNS, DECIMALS)] for nu in grid()]


def worst_error(table):
    """Largest relative error of interpolating between rows, in every direction."""
    worst = 0.0
    for lo, hi in zip(table, table[1:]):
        for k in range(1, 20):
            nu = lo[0] + (hi[0] - lo[0]) * k / 20
            for col, f in enumerate(COLUMNS, start=1):
                exact = f(nu)
                x = lo[col] + (hi[col] - lo[col]) * (nu - lo[0]) / (hi[0] - lo[0])
                worst = max(worst, abs(x - exact) / exact)
                back = lo[0] + (hi[0] - lo[0]) * (exact - lo[col]) / (hi[col] - lo[col])
                worst = max(worst, abs(back - nu) / nu)
    return worst


def number(x, decimals):
    return f"{x:.{decimals}f}".rstrip("0").rstrip(".").replace(".", ",")


def main():
    table = rows()
    print(f"worst interpolation error {worst_error(table) * 100:.3f} %, {len(table)} rows",
          file=sys.stderr)
    out = [
        "Umrechnungstabelle kinematische Viskosität (alte Einheiten)",
        "Saybolt: ASTM D2161 (100 °F); Engler: Ubbelohde, v = 7,31 E - 6,31/E; "
        "Redwood Nr. 1: v = 0,260 t - 179/t bis 100 s, v = 0,247 t - 50/t darüber",
        "mm²/s\tEngler-Grad\tSaybolt-Sekunden\tRedwood-Sekunden",
        "cSt\t°E\tSUS\ts",
    ]
    for r in table:
        out.append("\t".join([number(r[0], 4)] +
                             [number(x, d) for x, d in zip(r[1:], DECIMALS)]))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
