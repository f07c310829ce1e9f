# The installed program finds its data without help: install into a scratch prefix, then run
# that prefix's regforge-cli with no --data-dir, no REGFORGE_DATA_DIR and an empty user folder.
#   cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DPREFIX=<scratch> -P InstalledLayoutTest.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(cli "${PREFIX}/bin/regforge-cli")
set(home "${PREFIX}/home")
file(MAKE_DIRECTORY "${home}")
# Run from elsewhere, so nothing is found relative to the working folder.
set(run ${CMAKE_COMMAND} -E env --unset=REGFORGE_DATA_DIR --unset=XDG_DATA_HOME HOME=${home} "${cli}")

function(expect_success what)
  execute_process(COMMAND ${run} ${ARGN} WORKING_DIRECTORY "${home}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what}: exit ${rc}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

# list: exactly the shipped profiles.
expect_success("list" list)
file(GLOB profiles RELATIVE "${SOURCE_DIR}/data/include" "${SOURCE_DIR}/data/include/*.ini")
set(expected "")
foreach(profile IN LISTS profiles)
  string(REGEX REPLACE "\\.ini$" "" name "${profile}")
  list(APPEND expected "${name}")
endforeach()
list(SORT expected CASE INSENSITIVE)
string(REGEX REPLACE "\n$" "" listed "${out}")
string(REPLACE "\n" ";" listed "${listed}")
if(NOT listed STREQUAL expected)
  message(FATAL_ERROR "list printed '${listed}', expected '${expected}'")
endif()

# generate: every installed example gives the same text as the build folder's portable program.
file(GLOB examples "${PREFIX}/share/doc/regforge/examples/*.sav")
if(NOT examples)
  message(FATAL_ERROR "no example configuration was installed")
endif()
foreach(example IN LISTS examples)
  expect_success("generate ${example}" generate "${example}")
  set(installed "${out}")
  execute_process(COMMAND "${BUILD_DIR}/bin/regforge-cli" --data-dir "${BUILD_DIR}/bin" generate "${example}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE portable ERROR_QUIET)
  if(NOT rc EQUAL 0 OR NOT installed STREQUAL portable)
    message(FATAL_ERROR "generate ${example}: the installed program's text differs from the build's")
  endif()
  if(NOT installed MATCHES "int main")
    message(FATAL_ERROR "generate ${example}: no main in the generated text")
  endif()
endforeach()

# The user's own profiles come first and are listed beside the installed ones.
file(COPY "${PREFIX}/share/regforge/include/LPC2148.ini" DESTINATION "${home}/.local/share/regforge/include")
file(RENAME "${home}/.local/share/regforge/include/LPC2148.ini" "${home}/.local/share/regforge/include/Mine.ini")
expect_success("list with a user profile" list)
if(NOT out MATCHES "(^|\n)Mine\n" OR NOT out MATCHES "(^|\n)LPC2148\n")
  message(FATAL_ERROR "list did not show the user's profile beside the installed ones:\n${out}")
endif()

file(REMOVE_RECURSE "${PREFIX}")
