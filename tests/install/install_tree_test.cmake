# Installs the build into a scratch prefix and checks the tree: the two programs in bin, the
# desktop entry and the icons in their freedesktop places, the examples and the README, and
# nothing else; then runs the installed tarnex-batch on an installed example.
# Arguments: -DSOURCE_DIR=... -DBUILD_DIR=... -DPREFIX=... -DWINDOW=ON|OFF
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected bin/tarnex-batch share/doc/tarnex/README.md)
file(GLOB examples RELATIVE "${SOURCE_DIR}/examples" "${SOURCE_DIR}/examples/*.in")
if(NOT examples)
  message(FATAL_ERROR "no examples in ${SOURCE_DIR}/examples")
endif()
foreach(example ${examples})
  list(APPEND expected share/tarnex/examples/${example})
endforeach()
if(WINDOW)
  list(APPEND expected
    bin/tarnex
    share/applications/tarnex.desktop
    share/icons/hicolor/256x256/apps/tarnex.png
    share/icons/hicolor/48x48/apps/tarnex.png
    share/icons/hicolor/scalable/apps/tarnex.svg)
endif()
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " got "${installed}")
  string(REPLACE ";" "\n  " want "${expected}")
  message(FATAL_ERROR "install tree:\n  ${got}\nexpected:\n  ${want}")
endif()
message(STATUS "install tree of ${PREFIX}:")
foreach(file ${installed})
  message(STATUS "  ${file}")
endforeach()

foreach(program bin/tarnex-batch bin/tarnex)
  if(EXISTS "${PREFIX}/${program}" AND NOT IS_DIRECTORY "${PREFIX}/${program}")
    execute_process(COMMAND test -x "${PREFIX}/${program}" RESULT_VARIABLE notExecutable)
    if(notExecutable)
      message(FATAL_ERROR "${program} is not executable")
    endif()
  endif()
endforeach()

if(WINDOW)
  file(READ "${PREFIX}/share/applications/tarnex.desktop" entry)
  foreach(key "Type=Application" "Exec=tarnex %f" "Icon=tarnex" "Terminal=false")
    string(FIND "${entry}" "\n${key}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the desktop entry has no line ${key}")
    endif()
  endforeach()
  find_program(VALIDATE desktop-file-validate)
  if(VALIDATE)
    execute_process(COMMAND "${VALIDATE}" "${PREFIX}/share/applications/tarnex.desktop"
      RESULT_VARIABLE invalid OUTPUT_VARIABLE why ERROR_VARIABLE why)
    if(invalid)
      message(FATAL_ERROR "desktop-file-validate: ${why}")
    endif()
  endif()
endif()

# The installed program runs from its place on an installed example.
execute_process(
  COMMAND "${PREFIX}/bin/tarnex-batch" --all -o "${PREFIX}/check.out"
          "${PREFIX}/share/tarnex/examples/pretensioned-i-girder.in"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/check.out")
  message(FATAL_ERROR "the installed tarnex-batch failed (${result}):\n${output}")
endif()
file(STRINGS "${PREFIX}/check.out" lines REGEX "CHECK CRITICAL CONCRETE STRESSES")
if(NOT lines)
  message(FATAL_ERROR "the installed tarnex-batch wrote no stress checks")
endif()
file(REMOVE_RECURSE "${PREFIX}")
