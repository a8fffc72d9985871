# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after it has made the packages (CPACK_POST_BUILD_SCRIPTS).
# CPack's DEB generator gives every package with a shared object in a folder
# under /usr/lib a postinst and a postrm that call ldconfig. The program's
# libraries in /usr/lib/hydrelix are private: opened by path, in a folder
# ldconfig does not index. A postrm would also keep the package known to
# dpkg after `apt-get remove` until a purge. So the packages are unpacked
# and built again without those two scripts.
find_program(DPKG_DEB dpkg-deb REQUIRED)
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND ${DPKG_DEB} --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  set(scripts ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
  foreach(script IN LISTS scripts)
    if(EXISTS ${script})
      file(READ ${script} text)
      if(NOT text MATCHES "^#!/bin/sh\n+set -e\n+if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then\n[\t ]*ldconfig\nfi\n*$")
        message(FATAL_ERROR "${script} does more than call ldconfig:\n${text}")
      endif()
      file(REMOVE ${script})
    endif()
  endforeach()
  execute_process(COMMAND ${DPKG_DEB} --root-owner-group --build ${tree} ${deb}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
