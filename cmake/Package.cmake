# A Debian package of the installed files: `cpack -G DEB` in the build
# folder. Its dependencies are read from the program's libraries.
set(CPACK_PACKAGE_NAME cirquet)
set(CPACK_PACKAGE_VENDOR "Quillonex PCB Design, Inc.")
set(CPACK_PACKAGE_CONTACT "Quillonex PCB Design, Inc. <sales@quillonex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculator for printed-circuit-board designers")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quillonex.example")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The summary above is the first line; these lines follow it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Cirquet puts nineteen calculators for printed-circuit-board design in one
window: conductor and differential-pair impedance, conductor properties,
spacing, fusing current, thermal management, vias and padstacks, and more,
with a shared Options panel and an Imperial/Metric switch.")
include(CPack)
