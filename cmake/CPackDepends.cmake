# Run by cpack: the package's Depends, read off the built binary by
# dpkg-shlibdeps. It runs here rather than through CPack's own switch so that
# packaging/shlibs.local can widen the SDL 1.2 dependency to either of
# Debian's two implementations; plain dpkg-shlibdeps would tie the package to
# the one that happens to be on the build machine.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(_dir ${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps)
  file(REMOVE_RECURSE ${_dir})
  file(MAKE_DIRECTORY ${_dir}/debian)
  file(WRITE ${_dir}/debian/control "")
  configure_file(${CPACK_MORVEX_SHLIBS_LOCAL} ${_dir}/debian/shlibs.local COPYONLY)
  execute_process(COMMAND dpkg-shlibdeps -O ${CPACK_MORVEX_BINARY}
    WORKING_DIRECTORY ${_dir}
    OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _rc OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "dpkg-shlibdeps failed: ${_err}")
  endif()
  string(REGEX REPLACE "^.*Depends=" "" _depends "${_out}")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${_depends}, fonts-dejavu-core")
  message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()
