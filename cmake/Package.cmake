# `make package`: a Debian package of what `cmake --install` puts in place, under /usr, built
# once for every classroom machine. Its Depends come from the libraries the binary links, so a
# machine gets Qt's run-time libraries and never the compiler or the -dev packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON) # the debug information stays in the build
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "teaching program: why do some frogs in two ponds grow a fifth leg?")
# Wrapped as dpkg shows it, a line at most 80 wide.
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop teaching program: a student investigates why some frogs in two ponds
grow a fifth leg. Tadpoles, frogs and parasitic worms swim in two ponds and
four pools, age, breed, get exposed and die, one simulated day per timer tick.
The student picks one of four hidden scenarios, runs and pauses the ponds,
drags animals between them, samples frogs to compare the risk between the
ponds, and finally has the scenario revealed after typing a password.")
# Who looks after the package: its Maintainer and the signer of its changelog. `make package
# MAINTAINER="Name <address>"` sets it; empty, it is a placeholder (whose address lintian
# calls bogus).
set(_maintainer_doc
    "The Debian package's maintainer, \"Name <address>\", or empty for the placeholder")
set(TARNWICK_MAINTAINER "" CACHE STRING "${_maintainer_doc}")
if(TARNWICK_MAINTAINER STREQUAL "")
  set(TARNWICK_PACKAGE_MAINTAINER "Tarnwick developers <tarnwick@localhost>")
elseif(TARNWICK_MAINTAINER MATCHES "^[^<>]*[^<> ] <[^<>@ ]+@[^<>@ ]+>$")
  set(TARNWICK_PACKAGE_MAINTAINER "${TARNWICK_MAINTAINER}")
else()
  set(_bad "${TARNWICK_MAINTAINER}")
  # Not kept, so that the next build does not stop here again.
  set(TARNWICK_MAINTAINER "" CACHE STRING "${_maintainer_doc}" FORCE)
  message(FATAL_ERROR "MAINTAINER is \"${_bad}\", not \"Name <address>\"")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARNWICK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# "Go there" hands the page to xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tarnwick_<version>_<arch>.deb

# What Debian's policy asks of every package, in /usr/share/doc/tarnwick: the terms in the
# machine-readable copyright format, and the changelog of a native package, compressed with
# gzip -9n. Only the package has them: `cmake --install` leaves out their component, which
# CPack installs after the rest.
configure_file(${CMAKE_SOURCE_DIR}/cmake/debian/changelog.in
               ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nkf changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/debian
  DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog)
add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarnwick
        COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
include(CPack)
