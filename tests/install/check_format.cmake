# The C++ sources of the program, its plugins, benchmarks, fuzzers and tools
# are laid out as .clang-format says (the tests keep their tables a row to a
# line). The layout differs between clang-format's major versions, so the
# check runs with the one the file was written for (Debian 12's) and is
# skipped where only another one is found.
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format)
if(NOT CLANG_FORMAT)
    message("SKIPPED: no clang-format")
    return()
endif()
execute_process(COMMAND ${CLANG_FORMAT} --version OUTPUT_VARIABLE version)
if(NOT version MATCHES "version 14\\.")
    message("SKIPPED: ${version} is not clang-format 14")
    return()
endif()
set(files "")
foreach(folder src plugins bench fuzz tools)
    file(GLOB_RECURSE found ${SOURCE}/${folder}/*.cpp ${SOURCE}/${folder}/*.h)
    list(APPEND files ${found})
endforeach()
list(APPEND files ${SOURCE}/main.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --style=file:${SOURCE}/.clang-format --dry-run --Werror ${files}
    RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Not laid out as .clang-format says (run clang-format -i on these):\n${errors}")
endif()
list(LENGTH files count)
message("${count} files laid out as .clang-format says")
