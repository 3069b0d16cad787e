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
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarnwick developers <tarnwick@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# "Go there" hands the page to xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tarnwick_<version>_<arch>.deb
include(CPack)
