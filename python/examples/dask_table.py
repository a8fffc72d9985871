# SPDX-License-Identifier: GPL-3.0-or-later
"""A large (T, P) table of IF-97 enthalpies, computed block by block on a
local cluster of worker processes with Dask.

The same code runs on a real cluster: give Client() the scheduler's address
instead of a LocalCluster. Each worker imports hydrelix and computes its
blocks in one C++ loop.

    python3 dask_table.py [ROWS COLUMNS]
"""
import sys

import dask.array as da
import numpy as np
from dask.distributed import Client, LocalCluster

import hydrelix


def enthalpy_block(T, P):
    return hydrelix.if97.state_tp(T, P).h


def table(rows, columns, client):
    T = da.from_array(np.linspace(280.0, 1000.0, columns)[None, :], chunks=(1, max(1, columns // 4)))
    P = da.from_array(np.geomspace(0.001, 100.0, rows)[:, None], chunks=(max(1, rows // 4), 1))
    T, P = da.broadcast_arrays(T, P)
    blocks = da.map_blocks(enthalpy_block, T, P, dtype=float)
    return client.compute(blocks).result()


def main():
    rows, columns = (int(a) for a in sys.argv[1:3]) if len(sys.argv) > 2 else (400, 500)
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        h = table(rows, columns, client)
    print(f"{h.shape[0]} x {h.shape[1]} enthalpies, {np.isnan(h).sum()} outside the formulation")


if __name__ == "__main__":
    main()
