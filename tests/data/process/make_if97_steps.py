"""Writes if97_steps.csv: the expected results of process steps under IF-97,
computed independently with python3-iapws (Debian), never by the code under
test. Run once when the cases change:

    /usr/bin/python3 tests/data/process/make_if97_steps.py > tests/data/process/if97_steps.csv

Units: MPa, K, kJ/kg, kJ/(kg K); efficiencies as fractions.
"""
import sys

from iapws import IAPWS97

PSI = 6.894757293168361e-3  # MPa per psia


def kelvin(fahrenheit):
    return (fahrenheit - 32.0) / 1.8 + 273.15


def row(case, key, value):
    print(f"{case},{key},{value if isinstance(value, str) else repr(value)}")


def expand(case, inlet, p2, eta):
    s1, h1 = inlet.s, inlet.h
    ideal = IAPWS97(P=p2, s=s1)
    h2 = h1 - eta * (h1 - ideal.h)
    outlet = IAPWS97(P=p2, h=h2)
    row(case, "h1", h1)
    row(case, "h2s", ideal.h)
    row(case, "x2s", ideal.x if ideal.phase == "Two phases" else "")
    row(case, "h2", h2)
    row(case, "x2", outlet.x if outlet.phase == "Two phases" else "")
    row(case, "T2", outlet.T)
    row(case, "s2", outlet.s)
    row(case, "work", h1 - h2)
    row(case, "isentropic_work", h1 - ideal.h)


def compress(case, inlet, p2, eta):
    ideal = IAPWS97(P=p2, s=inlet.s)
    h2 = inlet.h + (ideal.h - inlet.h) / eta
    outlet = IAPWS97(P=p2, h=h2)
    row(case, "h1", inlet.h)
    row(case, "h2s", ideal.h)
    row(case, "h2", h2)
    row(case, "T2", outlet.T)
    row(case, "work", h2 - inlet.h)
    row(case, "volume_work", inlet.v * (p2 - inlet.P) * 1000.0)


def main():
    print("case,key,value")
    expand("turbine_ip", IAPWS97(P=1000 * PSI, T=kelvin(1000.0)), 2 * PSI, 0.85)
    expand("turbine_si", IAPWS97(P=10.0, T=773.15), 0.01, 0.85)
    expand("turbine_supercritical", IAPWS97(P=25.0, T=873.15), 4.0, 0.85)
    expand("turbine_ideal", IAPWS97(P=10.0, T=773.15), 1.0, 1.0)
    compress("pump", IAPWS97(P=0.01, x=0.0), 10.0, 0.75)

    inlet = IAPWS97(P=10.0, T=773.15)
    outlet = IAPWS97(P=1.0, h=inlet.h)
    row("throttle", "h1", inlet.h)
    row("throttle", "T2", outlet.T)
    row("throttle", "entropy_rise", outlet.s - inlet.s)

    inlet = IAPWS97(P=150 * PSI, x=0.0)
    liquid, vapour = IAPWS97(P=15 * PSI, x=0.0), IAPWS97(P=15 * PSI, x=1.0)
    row("flash", "flash_fraction", (inlet.h - liquid.h) / (vapour.h - liquid.h))
    row("flash", "hf", liquid.h)
    row("flash", "hg", vapour.h)

    inlet = IAPWS97(P=10.0, T=323.15)
    outlet = IAPWS97(P=10.0, T=773.15)
    row("heater", "duty", outlet.h - inlet.h)

    outlet = IAPWS97(P=0.1, T=393.15)
    inlet = IAPWS97(P=1.0, h=outlet.h)
    row("calorimeter", "h2", outlet.h)
    row("calorimeter", "x1", inlet.x)

    water = IAPWS97(P=5.0, T=373.15)
    inlet = IAPWS97(P=10.0, T=773.15)
    target = IAPWS97(P=2.0, T=573.15)
    row("desuperheater", "spray_ratio", (inlet.h - target.h) / (target.h - water.h))


if __name__ == "__main__":
    sys.exit(main())
