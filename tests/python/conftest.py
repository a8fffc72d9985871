# SPDX-License-Identifier: GPL-3.0-or-later
import os
import sys

# The build puts the package in build/python; ctest names that folder.
sys.path.insert(0, os.environ.get("HYDRELIX_PYTHON_PATH", os.path.join(os.path.dirname(__file__), "../../build/python")))
