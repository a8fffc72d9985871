# SPDX-License-Identifier: GPL-3.0-or-later
"""The Python module against IAPWS's own check values, and its array rules."""
import csv
import math
import os

import numpy as np
import pytest

import hydrelix
from hydrelix import if97, ifc67

DATA = os.path.join(os.path.dirname(__file__), "..", "data", "if97", "verification.csv")
FORWARD = {"v": "v", "h": "h", "u": "u", "s": "s", "cp": "cp", "w": "w"}


def half_last_digit(text):
    """Half a unit of the last digit printed in a check value like 0.115331273e3."""
    mantissa, _, exponent = text.lower().partition("e")
    decimals = len(mantissa.split(".")[1]) if "." in mantissa else 0
    return 0.5 * 10.0 ** (int(exponent or 0) - decimals)


def rows(predicate):
    with open(DATA, newline="") as f:
        for row in csv.DictReader(f):
            if predicate(row):
                inputs = dict(item.split("=") for item in row["inputs"].split(";"))
                yield row, {k: float(v) for k, v in inputs.items()}


def forward_row(row):
    return row["property"] in FORWARD and set(row["inputs"].replace("=", ";").split(";")[::2]) == {"T_K", "p_MPa"} \
        and row["region"] in ("1", "2", "5")


FORWARD_ROWS = list(rows(forward_row))


@pytest.mark.parametrize("row,inputs", FORWARD_ROWS, ids=[f"{r['region']}-{r['inputs']}-{r['property']}" for r, _ in FORWARD_ROWS])
def test_forward_check_values(row, inputs):
    state = if97.state_tp(inputs["T_K"], inputs["p_MPa"])
    assert abs(getattr(state, FORWARD[row["property"]]) - float(row["value"])) <= half_last_digit(row["value"])


def test_forward_check_values_as_one_array():
    T = np.array([i["T_K"] for _, i in FORWARD_ROWS])
    P = np.array([i["p_MPa"] for _, i in FORWARD_ROWS])
    states = if97.state_tp(T, P)
    for k, (row, _) in enumerate(FORWARD_ROWS):
        assert abs(getattr(states, FORWARD[row["property"]])[k] - float(row["value"])) <= half_last_digit(row["value"])


@pytest.mark.parametrize("row,inputs", list(rows(lambda r: r["property"] in ("ps_of_T", "Ts_of_p"))))
def test_saturation_check_values(row, inputs):
    value = if97.psat(inputs["T_K"]) if row["property"] == "ps_of_T" else if97.tsat(inputs["p_MPa"])
    assert abs(value - float(row["value"])) <= half_last_digit(row["value"])


def test_scalars_give_floats_and_words():
    state = if97.state_ph(0.1, 2000.0)
    assert isinstance(state.T, float) and isinstance(state.phase, str)
    assert state.phase == "Wet steam" and state.region == 4
    assert 0 < state.x < 1 and math.isnan(state.cp)
    assert if97.state_tp(1000.0, 30.0).phase == "Supercritical fluid"
    assert if97.state_tp(300.0, 3.0).phase == "Compressed liquid"
    assert if97.state_px(1.0, 1.0).phase == "Saturated vapor"
    assert ifc67.state_px(1.0, 0.0).phase == "Saturated liquid"
    assert ifc67.state_tx(400.0, 0.5).region is None


def test_bad_elements_are_nan_exactly_there():
    T = np.array([300.0, 200.0, np.nan, 500.0, 3000.0])
    P = np.array([3.0, 3.0, 3.0, -1.0, 1.0])
    states = if97.state_tp(T, P)
    bad = np.array([False, True, True, True, True])
    for name in ("T", "P", "v", "rho", "u", "h", "s", "cp", "cv", "w"):
        values = getattr(states, name)
        assert np.isnan(values[bad]).all(), name
        assert np.isfinite(values[~bad]).all(), name
    assert list(states.phase[bad]) == [""] * 4 and list(states.region[bad]) == [0] * 4
    # A quality outside 0..1 is no state either.
    assert np.isnan(if97.state_px(1.0, np.array([0.5, 1.5, -0.1])).h[1:]).all()


def test_arrays_broadcast_and_agree_with_scalars():
    T = np.linspace(300.0, 800.0, 6)
    P = np.array([[0.1], [1.0], [10.0]])
    for formulation in (if97, ifc67):
        states = formulation.state_tp(T, P)
        assert states.h.shape == (3, 6) and states.phase.shape == (3, 6)
        for i in range(3):
            for j in range(6):
                one = formulation.state_tp(T[j], P[i, 0])
                assert states.h[i, j] == one.h and states.phase[i, j] == one.phase


def test_inverse_pairs_return_the_state():
    for formulation in (if97, ifc67):
        for T, P in [(300.0, 3.0), (500.0, 0.5), (700.0, 30.0), (900.0, 5.0), (400.0, 10.0)]:
            state = formulation.state_tp(T, P)
            assert formulation.state_ph(P, state.h).T == pytest.approx(T, abs=1e-6)
            assert formulation.state_ps(P, state.s).T == pytest.approx(T, abs=1e-6)
        wet = formulation.state_tx(450.0, 0.3)
        assert formulation.state_ph(wet.P, wet.h).x == pytest.approx(0.3, abs=1e-9)
        assert formulation.state_px(wet.P, 0.3).T == pytest.approx(450.0, abs=1e-7)


def test_ifc67_takes_cv_and_speed_of_sound_from_if97():
    assert ifc67.state_tp(500.0, 3.0).cv == pytest.approx(if97.state_tp(500.0, 3.0).cv, rel=1e-12)
    assert "IAPWS-IF97" in ifc67.state_tp.__doc__


def test_submodules_import_by_name():
    import hydrelix.if97 as module
    assert module is hydrelix.if97
