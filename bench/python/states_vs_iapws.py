# SPDX-License-Identifier: GPL-3.0-or-later
"""Per-state cost of hydrelix.if97.state_tp and state_ph on a 10**6-element
array against python3-iapws's IAPWS97 on a few hundred of the same states,
in one run.

    PYTHONPATH=build/python /usr/bin/python3 bench/python/states_vs_iapws.py
"""
import time

import numpy as np
from iapws import IAPWS97

import hydrelix


def per_state(function, count, repeats=3):
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        function()
        best = min(best, time.perf_counter() - start)
    return best / count


def main():
    rng = np.random.default_rng(97)
    n = 10**6
    T = rng.uniform(300.0, 1000.0, n)
    P = rng.uniform(0.01, 50.0, n)
    h = hydrelix.if97.state_tp(T, P).h
    few = 300

    ours_tp = per_state(lambda: hydrelix.if97.state_tp(T, P), n)
    ours_ph = per_state(lambda: hydrelix.if97.state_ph(P, h), n)
    theirs_tp = per_state(lambda: [IAPWS97(T=t, P=p) for t, p in zip(T[:few], P[:few])], few, 1)
    theirs_ph = per_state(lambda: [IAPWS97(P=p, h=e) for p, e in zip(P[:few], h[:few])], few, 1)

    print(f"{'pair':8} {'hydrelix us/state':>18} {'iapws us/state':>15} {'ratio':>8}")
    for name, ours, theirs in (("T, P", ours_tp, theirs_tp), ("P, h", ours_ph, theirs_ph)):
        print(f"{name:8} {ours * 1e6:18.3f} {theirs * 1e6:15.1f} {theirs / ours:7.0f}x")


if __name__ == "__main__":
    main()
