# Run by CPack (CPACK_POST_BUILD_SCRIPTS) on the finished .deb. CPack gives
# any package with a shared object one folder under /usr/lib a postinst and
# a postrm that run ldconfig. libTarnwick.so lives in the private
# /usr/lib/qelvane, which the loader never searches (the program finds it
# through its RUNPATH, $ORIGIN), so those calls only slow dpkg down. The
# package is rebuilt without them; any other maintainer script stops it.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${CPACK_TOPLEVEL_DIRECTORY}/without-ldconfig")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  foreach(script IN ITEMS postinst postrm)
    set(path "${tree}/DEBIAN/${script}")
    if(EXISTS "${path}")
      file(READ "${path}" text)
      string(REGEX REPLACE "#![^\n]*\n|set -e\n|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then\n\tldconfig\nfi\n|\n" "" rest "${text}")
      if(NOT rest STREQUAL "")
        message(FATAL_ERROR "${script} does more than call ldconfig:\n${text}")
      endif()
      file(REMOVE "${path}")
    endif()
  endforeach()
  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${deb}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
