# SPDX-License-Identifier: GPL-3.0-or-later
"""The distributed example gives the numbers of one in-process call."""
import os
import sys

import numpy as np

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "python", "examples"))


def test_local_cluster_table_matches_one_call():
    from dask.distributed import Client, LocalCluster

    import dask_table
    import hydrelix

    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        distributed = dask_table.table(60, 80, client)
    T = np.linspace(280.0, 1000.0, 80)[None, :]
    P = np.geomspace(0.001, 100.0, 60)[:, None]
    expected = hydrelix.if97.state_tp(T, P).h
    assert distributed.shape == (60, 80)
    np.testing.assert_array_equal(distributed, expected)
