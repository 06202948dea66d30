# Installation of the program and its Debian package. `cmake --install` puts the binary beside the
# desktop integration files of resources/; `cpack` in the build directory makes vexorin_3.0_amd64.deb.
include(GNUInstallDirs)

install(TARGETS vexorin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexorin)
set(CPACK_PACKAGE_CONTACT "Quorvane <packages@quorvane.invalid>"
    CACHE STRING "Maintainer of the Debian package: name and e-mail address")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small scientific calculator in extended precision")
set(CPACK_PACKAGE_DESCRIPTION
    "QV Vexorin 3.0 is a desktop calculator with a single-line display, a keypad,
a one-value memory and a panel of trigonometric, hyperbolic and logarithmic
functions, angle conversions, powers and a hypotenuse key. It computes in the
x87 80-bit extended format. Its interface is in Russian.")
# The build type carries debug information; the package ships the binary without it.
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the binary links come from dpkg-shlibdeps; what it opens by name is added here.
# The layouts' captions are measured in the Tahoma and MS Sans Serif faces of fonts-wine, which the
# program loads from that package's folder: without them the stand-ins are wider and long captions
# ("CycleToRad") no longer fit their keys. Liberation Sans stands in for Arial, metric for metric, on
# the digit keys; without it another sans face draws them, which only looks different.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wine)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

include(CPack)
