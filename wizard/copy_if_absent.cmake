# cmake -DSOURCE=… -DTARGET=… -P copy_if_absent.cmake
if(NOT EXISTS "${TARGET}")
  configure_file("${SOURCE}" "${TARGET}" COPYONLY)
endif()
