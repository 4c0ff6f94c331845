# What `cmake --install` puts where (the GNU install folders), and how programs find it afterwards:
# a CMake package (find_package(vornButton2 CONFIG)) and pkg-config files. Components: runtime
# (the shared libraries), dev (headers, package files, the unversioned library links) and tools
# (vornform, its bash completion, the documentation and the example forms); scripts/package.sh
# makes one Debian package of each.
# A build without the hosts or vornform (a cross build of the library alone) installs nothing here.
if(NOT TARGET vornheadless OR NOT TARGET vornform)
  return()
endif()

# The documentation goes to share/doc/vornbutton2 unless told otherwise (the Debian package puts
# it under its own name).
set(CMAKE_INSTALL_DOCDIR share/doc/vornbutton2 CACHE PATH "Documentation (DATAROOTDIR/doc/vornbutton2)")
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VORN_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/vornbutton2)

# vornform's window system goes to lib/vornform; vornform finds it there relative to itself.
file(RELATIVE_PATH vorn_bin_to_window_module ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/vornform)
target_compile_definitions(vornform PRIVATE VORN_WINDOW_MODULE_DIR="${vorn_bin_to_window_module}")
set(VORN_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vornButton2)

# Installed outside the system's library folders, the libraries find each other and vornform finds
# them by a path relative to themselves, so the tree can also be moved; under /usr nothing is set.
if(NOT "${CMAKE_INSTALL_FULL_LIBDIR}" IN_LIST CMAKE_PLATFORM_IMPLICIT_LINK_DIRECTORIES AND
   NOT "${CMAKE_INSTALL_FULL_LIBDIR}" IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
  file(RELATIVE_PATH vorn_bin_to_lib ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  foreach(lib vornbutton2_shared vornheadless vorndesktop)
    if(TARGET ${lib})
      set_target_properties(${lib} PROPERTIES INSTALL_RPATH "$ORIGIN")
    endif()
  endforeach()
  set_target_properties(vornform PROPERTIES INSTALL_RPATH "$ORIGIN/${vorn_bin_to_lib}")
  if(TARGET vornform_window)
    set_target_properties(vornform_window PROPERTIES INSTALL_RPATH "$ORIGIN/..")
  endif()
endif()

install(TARGETS vornbutton2_shared vornheadless EXPORT vornButton2Targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
        INCLUDES DESTINATION ${VORN_INCLUDE_DIR})
install(EXPORT vornButton2Targets NAMESPACE vornButton2:: DESTINATION ${VORN_CMAKE_DIR} COMPONENT dev)
if(TARGET vorndesktop)
  install(TARGETS vorndesktop EXPORT vornButton2DesktopTargets
          LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
          INCLUDES DESTINATION ${VORN_INCLUDE_DIR})
  install(EXPORT vornButton2DesktopTargets NAMESPACE vornButton2:: DESTINATION ${VORN_CMAKE_DIR} COMPONENT dev)
endif()

# Headers keep the source tree's layout below include/vornbutton2, so the includes inside them
# ("foundation/Color.h") resolve there as they do in the tree. Every header of a public folder is
# installed but the few that only the library's own sources include; the consumer test compiles
# every installed header against the installed tree alone. The Windows DLL's own sources
# (library/win32) are no part of a Linux install.
set(vorn_public_dirs foundation controls library host/pixels host/text host/raster host/window host/headless
    host/form)
if(TARGET vorndesktop)
  list(APPEND vorn_public_dirs host/desktop)
endif()
set(vorn_internal_headers FreeTypeFace.h SymbolFace.h KeyMap.h ClsMain.h VariantMarshal.h)
list(TRANSFORM vorn_internal_headers REPLACE "(.+)" "PATTERN;\\1;EXCLUDE")
foreach(dir IN LISTS vorn_public_dirs)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${VORN_INCLUDE_DIR}/${dir} COMPONENT dev
          FILES_MATCHING PATTERN "*.h" ${vorn_internal_headers} PATTERN "win32" EXCLUDE)
endforeach()

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/vornButton2Config.cmake.in
                              ${PROJECT_BINARY_DIR}/vornButton2Config.cmake INSTALL_DESTINATION ${VORN_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/vornButton2ConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/vornButton2Config.cmake ${PROJECT_BINARY_DIR}/vornButton2ConfigVersion.cmake
        DESTINATION ${VORN_CMAKE_DIR} COMPONENT dev)

# pkg-config files are written as they are installed, so that they name the prefix installed to
# (also `cmake --install --prefix ELSEWHERE`).
set(vorn_pc_files vornbutton2)
if(TARGET vorndesktop)
  list(APPEND vorn_pc_files vornbutton2-desktop)
endif()
foreach(pc IN LISTS vorn_pc_files)
  install(CODE "
    set(VORN_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    set(VORN_LIBDIR \"${CMAKE_INSTALL_LIBDIR}\")
    set(VORN_INCLUDE_DIR \"${VORN_INCLUDE_DIR}\")
    set(VORN_VERSION \"${PROJECT_VERSION}\")
    configure_file(\"${CMAKE_CURRENT_LIST_DIR}/${pc}.pc.in\"
                   \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/${pc}.pc\" @ONLY)
    message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/${pc}.pc\")
  " COMPONENT dev)
endforeach()

install(TARGETS vornform RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
if(TARGET vornform_window)
  install(TARGETS vornform_window LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/vornform COMPONENT tools)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/tools/vornform/vornform.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vornform COMPONENT tools)
# The same layout as the tree, so that the links between README, docs and examples hold.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs COMPONENT tools)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT tools)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples COMPONENT tools
        REGEX "/examples/CMakeLists\\.txt$" EXCLUDE PATTERN "*.cmake" EXCLUDE)
