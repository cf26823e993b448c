# The desktop build. The plain layers and the Qt Core layer (app/) are built
# once, into the shared library "vellacore-core" that the executable and the
# desktop module both use. The module "vellacore-desktop" holds the Qt Widgets
# layer (forms/) with hidden symbols and exports one entry point,
# vellacoreRunDesktop; the executable loads it only for an interactive run,
# so a batch run loads Qt Core alone.
#
# The executable, the core library and the module lie in one folder: the build
# folder in a build tree, <prefix>/lib/vellacore in an installed tree (with
# <prefix>/bin/vellacore a link to the executable there). The executable looks
# for the module in its own folder, links resolved.

set(VC_CORE_LAYERS vc_format vc_fileio vc_engine vc_pages vc_datafile vc_report vc_materials vc_results_export vc_plots vc_app)
set(core_objects)
foreach(layer ${VC_CORE_LAYERS})
  get_target_property(type ${layer} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")  # a folder without sources yet is an interface library
    list(APPEND core_objects $<TARGET_OBJECTS:${layer}>)
  endif()
endforeach()
add_library(vellacore_core SHARED ${core_objects})
target_include_directories(vellacore_core PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vellacore_core PUBLIC Qt6::Core vc_build_options)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE AND NOT WIN32)
  # Calls inside the library bind inside it: nothing interposes the
  # program's own functions, and a batch run makes millions of such calls
  # (number writing, JSON members) that would otherwise go through the PLT.
  target_link_options(vellacore_core PRIVATE -Wl,-Bsymbolic-functions)
endif()
set_target_properties(vellacore_core PROPERTIES
  OUTPUT_NAME vellacore-core
  LINKER_LANGUAGE CXX
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_subdirectory(forms)

target_link_libraries(vellacore PRIVATE vellacore_core)
target_compile_definitions(vellacore PRIVATE VC_WITH_GUI=1)

add_library(vellacore_desktop MODULE forms/plugin/desktop_entry.cpp)
target_link_libraries(vellacore_desktop PRIVATE vc_forms)
set_target_properties(vellacore_desktop PROPERTIES
  OUTPUT_NAME vellacore-desktop
  PREFIX ""
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE AND NOT WIN32)
  # Nothing of a static library linked into the module is exported either.
  target_link_options(vellacore_desktop PRIVATE "LINKER:--exclude-libs,ALL")
endif()
add_dependencies(vellacore vellacore_desktop)

include(GNUInstallDirs)
# The program's private folder is architecture-dependent. On a multiarch
# system (Debian and its derivatives) it belongs in the architecture's folder
# even where the library folder is the plain lib/ of the default prefix: a
# private library straight under lib/ would make the package run ldconfig for
# nothing.
if(CMAKE_LIBRARY_ARCHITECTURE AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
  set(VC_MODULE_DEFAULT_DIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}/vellacore")
else()
  set(VC_MODULE_DEFAULT_DIR "${CMAKE_INSTALL_LIBDIR}/vellacore")
endif()
set(VC_MODULE_INSTALL_DIR "${VC_MODULE_DEFAULT_DIR}" CACHE STRING
    "Folder of the program, its core library and the desktop module, relative to the prefix")
if(WIN32)
  set(VC_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
else()
  set(VC_PROGRAM_DIR ${VC_MODULE_INSTALL_DIR})
  set_target_properties(vellacore vellacore_desktop PROPERTIES INSTALL_RPATH "$ORIGIN")
endif()
# The installed program finds its help collection in <datadir>/vellacore
# (packaging/CMakeLists.txt installs it there), this far from its own folder.
file(RELATIVE_PATH help_from_program /${VC_PROGRAM_DIR} /${CMAKE_INSTALL_DATADIR}/vellacore)
set_source_files_properties(${PROJECT_SOURCE_DIR}/forms/help_files.cpp TARGET_DIRECTORY vc_forms
  PROPERTIES COMPILE_DEFINITIONS "VC_HELP_FROM_PROGRAM=\"${help_from_program}\"")
install(TARGETS vellacore vellacore_core vellacore_desktop
  RUNTIME DESTINATION ${VC_PROGRAM_DIR}
  LIBRARY DESTINATION ${VC_PROGRAM_DIR})
if(NOT WIN32)
  file(RELATIVE_PATH program_from_bin /${CMAKE_INSTALL_BINDIR} /${VC_PROGRAM_DIR}/vellacore)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK \"${program_from_bin}\" \"\${bin}/vellacore\" SYMBOLIC)")
endif()

# The documentation's screenshots (scripts/take-screenshots.sh): built only
# when asked for by name.
add_executable(vellacore_screenshots EXCLUDE_FROM_ALL scripts/screenshots/take_screenshots.cpp)
target_link_libraries(vellacore_screenshots PRIVATE vc_forms)
set_target_properties(vellacore_screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# The desktop entry's icon as a launcher finds it in an installed tree.
add_executable(vellacore_launcher_tiles EXCLUDE_FROM_ALL scripts/screenshots/launcher_tiles.cpp)
target_link_libraries(vellacore_launcher_tiles PRIVATE Qt6::Gui)
set_target_properties(vellacore_launcher_tiles PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
