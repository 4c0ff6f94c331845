# The library as a program of someone else's sees it. Installs the build tree BUILD into a fresh
# prefix below WORK, then:
#   - builds examples/consumer with find_package (and examples/sdl-embed, when the desktop host is
#     there) and with its Makefile through pkg-config, runs both builds and compares their output
#     with consumer.out;
#   - compiles every installed header against the installed tree alone;
#   - runs the installed vornform on an installed example form.
# SANITIZE_FLAGS are the flags the libraries were built with, which their consumers need too.
cmake_minimum_required(VERSION 3.22)

function(run what)
  cmake_parse_arguments(PARSE_ARGV 1 R "" "WORKING_DIRECTORY;OUTPUT" "COMMAND")
  if(NOT R_WORKING_DIRECTORY)
    set(R_WORKING_DIRECTORY ${WORK})
  endif()
  execute_process(COMMAND ${R_COMMAND} WORKING_DIRECTORY ${R_WORKING_DIRECTORY}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${R_COMMAND}\n${out}${err}")
  endif()
  if(R_OUTPUT)
    set(${R_OUTPUT} "${out}" PARENT_SCOPE)
  endif()
endfunction()

function(expect_output what program)
  file(READ ${SOURCE}/examples/consumer/consumer.out expected)
  run("running ${what}" COMMAND ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${prefix}/${LIBDIR} ${program} OUTPUT out)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "${what} printed\n${out}instead of\n${expected}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(prefix ${WORK}/prefix)
run("cmake --install" COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
set(flags "${SANITIZE_FLAGS}")
set(compilers -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_C_COMPILER=${CC} "-DCMAKE_CXX_FLAGS=${flags}"
              "-DCMAKE_EXE_LINKER_FLAGS=${flags}")

# find_package
run("configuring the consumer" COMMAND ${CMAKE_COMMAND} -S ${SOURCE}/examples/consumer -B ${WORK}/cmake
    -DCMAKE_PREFIX_PATH=${prefix} ${compilers})
run("building the consumer" COMMAND ${CMAKE_COMMAND} --build ${WORK}/cmake)
expect_output("the consumer built with find_package" ${WORK}/cmake/consumer)
if(EXISTS ${prefix}/${LIBDIR}/cmake/vornButton2/vornButton2DesktopTargets.cmake)
  run("configuring sdl-embed" COMMAND ${CMAKE_COMMAND} -S ${SOURCE}/examples/sdl-embed -B ${WORK}/sdl-embed
      -DCMAKE_PREFIX_PATH=${prefix} ${compilers})
  run("building sdl-embed" COMMAND ${CMAKE_COMMAND} --build ${WORK}/sdl-embed)
endif()

# pkg-config, through the example's Makefile
file(MAKE_DIRECTORY ${WORK}/make)
set(ENV{PKG_CONFIG_PATH} ${prefix}/${LIBDIR}/pkgconfig)
run("make with pkg-config" COMMAND make -f ${SOURCE}/examples/consumer/Makefile VPATH=${SOURCE}/examples/consumer
    CXX=${CXX} "CXXFLAGS=-O1 ${flags}" "LDFLAGS=${flags}" WORKING_DIRECTORY ${WORK}/make)
expect_output("the consumer built with pkg-config" ${WORK}/make/consumer)

# Every installed header compiles with nothing but the installed tree (and its dependencies).
set(modules vornbutton2)
if(EXISTS ${prefix}/${LIBDIR}/pkgconfig/vornbutton2-desktop.pc)
  set(modules vornbutton2-desktop)
endif()
run("pkg-config" COMMAND pkg-config --cflags ${modules} OUTPUT cflags)
separate_arguments(cflags UNIX_COMMAND "${cflags}")
file(GLOB_RECURSE headers RELATIVE ${prefix}/include/vornbutton2 ${prefix}/include/vornbutton2/*.h)
list(LENGTH headers count)
if(count LESS 50)
  message(FATAL_ERROR "only ${count} headers were installed")
endif()
set(all "")
foreach(h IN LISTS headers)
  string(APPEND all "#include \"${h}\"\n")
endforeach()
file(WRITE ${WORK}/all-headers.cpp "${all}")
run("compiling every installed header" COMMAND ${CXX} -std=c++20 -fsyntax-only -Wall -Werror ${cflags}
    ${WORK}/all-headers.cpp)

# The installed vornform on an installed example form.
run("the installed vornform" COMMAND ${prefix}/bin/vornform render ${prefix}/share/doc/vornbutton2/examples/button.json
    -o ${WORK}/button.png)
# It finds its installed window system: without a display, run fails for SDL's reason, not for want
# of the module.
if(EXISTS ${prefix}/${LIBDIR}/vornform/vornform-window.so)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=SDL_VIDEODRIVER
                          ${prefix}/bin/vornform run ${prefix}/share/doc/vornbutton2/examples/button.json
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
  if(NOT status EQUAL 1 OR NOT err MATCHES "vornform: cannot open a window: no display")
    message(FATAL_ERROR "the installed vornform run without a display exited ${status}:\n${err}")
  endif()
endif()
message(STATUS "installed, built and ran the consumer both ways; ${count} headers compile")
