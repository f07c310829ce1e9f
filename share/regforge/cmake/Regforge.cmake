# Regforge build integration: the set-up files come from a saved configuration at build time.
#
#   include(/path/to/share/regforge/cmake/Regforge.cmake)
#   regforge_generate(firmware board.sav generated [COMPILER gcc|keil])
#
# regforge_generate(TARGET CONFIG DIR) reruns `regforge-cli generate CONFIG --files DIR` whenever
# CONFIG (or regforge-cli) changes, compiles DIR/regforge_setup.c into TARGET and puts DIR on
# TARGET's include path. A relative CONFIG is taken from the current source folder, a relative DIR
# from the current build folder. regforge-cli rewrites a file only when its text changes, so an
# unchanged configuration recompiles nothing. COMPILER chooses the handler syntax: by default gcc
# for GCC and Clang, keil for Arm's compilers.
#
# regforge-cli is REGFORGE_CLI when set, else found on PATH or in the bin folder of the
# installation this file belongs to.

find_program(REGFORGE_CLI regforge-cli HINTS "${CMAKE_CURRENT_LIST_DIR}/../../../bin"
  DOC "the regforge-cli that regforge_generate runs")

function(regforge_generate target config dir)
  cmake_parse_arguments(PARSE_ARGV 3 RF "" "COMPILER" "")
  if(NOT REGFORGE_CLI)
    message(FATAL_ERROR "regforge_generate: regforge-cli not found; set REGFORGE_CLI to its path")
  endif()
  if(NOT RF_COMPILER)
    if(CMAKE_C_COMPILER_ID MATCHES "^(ARMCC|ARMClang)$")
      set(RF_COMPILER keil)
    else()
      set(RF_COMPILER gcc)
    endif()
  endif()
  get_filename_component(config "${config}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(dir "${dir}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  file(MAKE_DIRECTORY "${dir}")
  # The files keep their time stamps when their text is unchanged, so the stamp records the run.
  set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.regforge.stamp")
  add_custom_command(
    OUTPUT "${stamp}"
    BYPRODUCTS "${dir}/regforge_setup.c" "${dir}/regforge_setup.h"
    COMMAND "${REGFORGE_CLI}" generate "${config}" --files "${dir}" --compiler "${RF_COMPILER}"
    COMMAND "${CMAKE_COMMAND}" -E touch "${stamp}"
    DEPENDS "${config}" "${REGFORGE_CLI}"
    COMMENT "Regforge: set-up files from ${config}"
    VERBATIM)
  target_sources(${target} PRIVATE "${stamp}" "${dir}/regforge_setup.c")
  target_include_directories(${target} PRIVATE "${dir}")
endfunction()
