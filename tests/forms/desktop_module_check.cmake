# The desktop module exports its one entry point, and the executable finds it
# in a build tree and in an installed tree (run through the installed link in
# bin/). Without a display the module itself answers "no display", exit 2;
# a module that is not found answers "cannot be started" instead.
#   -DNM=... -DMODULE=... -DPROGRAM=... -DBUILD_DIR=... -DPREFIX=...
execute_process(COMMAND "${NM}" -D --defined-only --format=just-symbols "${MODULE}"
                OUTPUT_VARIABLE symbols OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REPLACE "\n" ";" symbols "${symbols}")
list(REMOVE_ITEM symbols __bss_start _edata _end _init _fini)  # the linker's own
if(NOT symbols STREQUAL "vellacoreRunDesktop")
  message(FATAL_ERROR "the desktop module exports: ${symbols}")
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installing into ${PREFIX} failed")
endif()
foreach(program "${PROGRAM}" "${PREFIX}/bin/vellacore")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM "${program}"
    RESULT_VARIABLE rc ERROR_VARIABLE err TIMEOUT 60)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "no display")
    message(FATAL_ERROR "${program} without a display: exit ${rc}, ${err}")
  endif()
endforeach()
