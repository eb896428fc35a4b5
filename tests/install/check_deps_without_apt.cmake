# On a system without apt-get and dpkg the dependency step installs nothing,
# ends well and names what it cannot find, so that make goes on to CMake.
# Run with a PATH of a few commands: a shell, cmake and make, no package
# tools and neither validator of the desktop metadata.
set(bin "${BUILD}/deps-check/bin")
file(REMOVE_RECURSE "${BUILD}/deps-check")
file(MAKE_DIRECTORY "${bin}")
foreach(tool sh cmake make c++)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
        message("SKIPPED: no ${tool} to put on the test's PATH")
        return()
    endif()
    file(CREATE_LINK "${found_${tool}}" "${bin}/${tool}" SYMBOLIC)
endforeach()
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "PATH=${bin}" "${bin}/sh" "${SOURCE}/scripts/install-deps.sh" --tests
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE_RECURSE "${BUILD}/deps-check")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install-deps.sh failed (${result}) without apt:\n${out}${err}")
endif()
if(NOT err STREQUAL "")
    message(FATAL_ERROR "install-deps.sh complained on stderr:\n${err}")
endif()
foreach(expected "no apt-get here, so nothing is installed" "appstreamcli" "desktop-file-validate"
                 "no pkg-config, Qt 6 is not checked here")
    string(FIND "${out}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "install-deps.sh without apt does not say '${expected}':\n${out}")
    endif()
endforeach()
message(STATUS "without apt: ${out}")
