# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages, one per install component, made by `cpack -G DEB` from
# a Release tree (scripts/package.sh). A component added to
# HYDRELIX_DEB_COMPONENTS gets a package of its own; its name, section,
# description and dependencies are set below as for `hydrelix`.
set(HYDRELIX_DEB_COMPONENTS hydrelix dev)
if(TARGET _hydrelix)
  list(APPEND HYDRELIX_DEB_COMPONENTS python)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hydrelix)
set(CPACK_PACKAGE_VENDOR "The Hydrelix developers")
set(CPACK_PACKAGE_CONTACT "Hydrelix developers <hydrelix@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_COMPONENTS_ALL ${HYDRELIX_DEB_COMPONENTS})

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/without_maintainer_scripts.cmake)

set(CPACK_DEBIAN_HYDRELIX_PACKAGE_NAME hydrelix)
set(CPACK_DEBIAN_HYDRELIX_PACKAGE_SECTION science)
# The shared-library dependencies come from dpkg-shlibdeps; these are loaded
# at run time: Qt's X11 platform plugin, and the condensed face the window's
# captions are laid out for.
set(CPACK_DEBIAN_HYDRELIX_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-extra")
set(CPACK_COMPONENT_HYDRELIX_DESCRIPTION [=[steam and water properties calculator
Hydrelix computes the thermodynamic and transport properties of water and
steam from any two known quantities (temperature, pressure, quality,
enthalpy, entropy) under IAPWS-IF97 or the older IFC-67 formulation, in IP
or SI engineering units: specific volume, density, heat capacities,
viscosity, thermal conductivity, surface tension, speed of sound, Prandtl
number and isentropic exponent.
.
The package holds the desktop calculator and hydrelix-cli, which computes
single states, compares the two formulations and works through CSV files of
states from the shell.]=])

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libhydrelix-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEV_DESCRIPTION [=[steam and water property engines for C++ (IAPWS-IF97, IFC-67)
The two property engines of Hydrelix as static libraries with their
headers: IAPWS-IF97 (<hydrelix/if97.h>) and the 1967 IFC formulation
(<hydrelix/ifc67.h>), in SI units (K, MPa, kJ/kg, kJ/(kg K), m3/kg), NaN
outside their validity, safe to call from several threads.
.
Other programs find them with find_package(Hydrelix CONFIG COMPONENTS if97
ifc67), which gives the targets Hydrelix::if97 and Hydrelix::ifc67, or with
pkg-config (hydrelix-if97, hydrelix-ifc67).]=])

set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-hydrelix)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
# Built for Debian's own interpreter: its minor version, and NumPy.
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
    "python3 (>= ${HYDRELIX_PYTHON_VERSION}~), python3 (<< ${HYDRELIX_PYTHON_VERSION}.99), python3-numpy")
set(CPACK_COMPONENT_PYTHON_DESCRIPTION [=[steam and water properties for Python (IAPWS-IF97, IFC-67)
The Python module hydrelix computes states of water and steam under
IAPWS-IF97 (hydrelix.if97) and IFC-67 (hydrelix.ifc67) from temperature
and pressure, pressure and enthalpy or entropy, or a saturation
temperature or pressure with a quality, and the saturation line.
.
Scalars give floats; NumPy arrays, broadcast against each other, are
computed in one compiled loop without the interpreter's lock, with NaN
where the formulation does not hold.]=])

include(CPack)
