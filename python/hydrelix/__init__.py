# SPDX-License-Identifier: GPL-3.0-or-later
"""Steam and water properties by IAPWS-IF97 and IFC-67.

    >>> import hydrelix
    >>> hydrelix.if97.state_tp(300.0, 3.0).h      # K, MPa -> kJ/kg
    115.33127302143839

Units: T in K, P in MPa, v in m3/kg, rho in kg/m3, u and h in kJ/kg,
s, cp and cv in kJ/(kg K), w in m/s, x the vapour fraction.
Every state function takes floats or NumPy arrays (broadcast against each
other) and returns NaN, never an exception, where the formulation does not hold.
"""
import sys

from ._hydrelix import State, if97, ifc67

# So that `import hydrelix.if97` works as well as `from hydrelix import if97`.
sys.modules[__name__ + ".if97"] = if97
sys.modules[__name__ + ".ifc67"] = ifc67

__all__ = ["State", "if97", "ifc67"]
