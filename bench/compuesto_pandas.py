"""The same arithmetic as `tarvel-cli composite FILE --storm P --lambda both`,
written as a hydrologist would write it with pandas: read the CSV, work every
column at once with numpy, write the rows with their share and runoff as
tab-separated text with one decimal, then the composite and its runoff.

  python3 bench/compuesto_pandas.py FILE P > OUT
"""

import sys

import numpy as np
import pandas as pd


def retencion(cn, reducida):
    s = 25400 / cn - 254
    return 25.4 * 1.33 * (s / 25.4) ** 1.15 if reducida else s


def escorrentia(cn, p, reducida):
    s = retencion(cn, reducida)
    ia = (0.05 if reducida else 0.2) * s
    exceso = np.maximum(p - ia, 0)
    return exceso * exceso / (exceso + s)


def cn_de_escorrentia(p, q, reducida):
    # The curve number whose runoff over the whole area is q: the root of
    # l^2 S^2 - (2 l P + (1 - l) Q) S + P (P - Q) = 0 with l S <= P.
    l = 0.05 if reducida else 0.2
    b = 2 * l * p + (1 - l) * q
    s = 2 * p * (p - q) / (b + np.sqrt(q * (4 * l * p + (1 - l) ** 2 * q)))
    if reducida:
        s = 25.4 * (s / (25.4 * 1.33)) ** (1 / 1.15)
    return min(25400 / (254 + s), 100.0)


def main():
    archivo, p = sys.argv[1], float(sys.argv[2])
    tabla = pd.read_csv(archivo)
    total = tabla["area"].sum()
    cuota = tabla["area"] / total
    cn = tabla["cn"].to_numpy()
    q = {l: escorrentia(cn, p, l) for l in (False, True)}

    salida = tabla.copy()
    salida["Share (%)"] = 100 * cuota
    salida["Q (mm), λ = 0.2"] = q[False]
    salida["Q (mm), λ = 0.05"] = q[True]
    salida.to_csv(sys.stdout, sep="\t", index=False, float_format="%.1f")

    ponderado = float(np.clip((cuota * cn).sum(), cn.min(), cn.max()))
    condiciones = [4.2 * ponderado / (10 - 0.058 * ponderado), ponderado, 23 * ponderado / (10 + 0.13 * ponderado)]
    print(f"\nTotal area (ha)\t{total:.15g}\nCondition\tCN\tP0 (mm)")
    for nombre, n in zip(("I", "II", "III"), condiciones):
        print(f"{nombre}\t{n:.1f}\t{(5080 - 50.8 * n) / n:.1f}")
    print(f"\nP (mm)\t{p:.15g}\nλ\tArea-weighted Q (mm)\tCN giving that Q\tQ of the weighted CN (mm)")
    for l, nombre in ((False, "0.2"), (True, "0.05")):
        qp = float(np.clip((cuota * q[l]).sum(), q[l].min(), q[l].max()))
        print(f"{nombre}\t{qp:.1f}\t{cn_de_escorrentia(p, qp, l):.1f}\t{escorrentia(np.array([ponderado]), p, l)[0]:.1f}")


main()
