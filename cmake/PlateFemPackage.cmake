# The installed set as one Debian package, "platefem": the programs in bin/
# and their desktop files (from their own folders), and the examples where
# Debian keeps a package's examples. `cpack -G DEB` in the build folder writes
# platefem_<version>_<architecture>.deb.
set(CPACK_PACKAGE_NAME platefem)
set(CPACK_PACKAGE_VENDOR "PlateFem developers")
set(CPACK_PACKAGE_CONTACT "PlateFem developers <platefem@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plane-stress plate analysis with four-node quadrilaterals")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Linear static analysis of thin plates in plane stress by the finite-element method."
  "Kestrix models a plate (points, polygons, structured quadrilateral meshes, constraints,"
  "forces and edge loads), runs the console solver Solvane on it and shows the deformed"
  "shape and the result tables; Ambrel draws the stresses as a contour plot, in a window"
  "or as a PNG without a display. Examples, with verification against published"
  "benchmarks, are in /usr/share/doc/platefem/examples.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The dependencies are the packages of the shared libraries the programs link
# (Qt 6, the C++ runtime), as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME}/examples
  PATTERN __pycache__ EXCLUDE)

include(CPack)
