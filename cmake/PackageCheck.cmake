# Read by cpack before it builds a package.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(KORVEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(NOT KORVEL_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "Building the Debian package needs dpkg-shlibdeps, which works out its "
                        "dependencies: install dpkg-dev (apt-get install dpkg-dev).")
  endif()
endif()
