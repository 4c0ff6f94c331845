# Debian packages of the install components, built by scripts/package.sh with CPack, named and split
# as Debian names and splits a library:
#   libvornbutton2-1    runtime  the shared libraries (the package name carries the SONAME)
#   libvornbutton2-dev  dev      headers, the CMake package, pkg-config files, the library links
#   vornform            tools    the command-line host, its bash completion, documentation, examples
# Dependencies on Debian's libraries come from dpkg-shlibdeps; those between the three packages ask
# for the same version.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornbutton2)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "glass-styled user-interface controls")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "vornButton2 developers <vornbutton2@packages.invalid>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev tools)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package's own libraries, as built, for dpkg-shlibdeps to find (they are no Debian package's).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/library ${PROJECT_BINARY_DIR}/host)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libvornbutton2-${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# A shlibs file, so that packages built against these libraries depend on this version or later.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# Text is drawn in DejaVu Sans unless a form asks for another font; the pictures depend on it.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "glass-styled user-interface controls (shared libraries)
 Hand-painted push button, scroll bar, slider, progress bar, popup menu, toolbar and text box, with
 their automation surface (libvornbutton2), a deterministic headless host with form documents
 (libvornheadless) and a desktop host on SDL2 (libvorndesktop).")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libvornbutton2-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "nlohmann-json3-dev (>= 3), libsdl2-dev")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_COMPONENT_DEV_DESCRIPTION "glass-styled user-interface controls (development files)
 Headers, the CMake package (find_package(vornButton2 CONFIG): vornButton2::controls,
 vornButton2::headless, vornButton2::desktop) and pkg-config files (vornbutton2,
 vornbutton2-desktop).")

set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME vornform)
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION graphics)
set(CPACK_COMPONENT_TOOLS_DEPENDS runtime)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION "form documents of the vornButton2 controls: render, replay, compare, run
 vornform loads form documents, renders them, replays scripted input, compares screenshots, runs
 forms in a window and saves them back. With documentation and example forms.")

include(CPack)
