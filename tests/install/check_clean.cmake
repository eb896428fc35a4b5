# `make clean` on a build directory a player has played in: the screenshot
# tool plays the real game there (a training round, a challenge game that
# enters the ranking, the training extras switched on, history included),
# beside a few things a build leaves. Clean must remove those and keep every
# file the game wrote, whatever its name: the Makefile takes the names from
# dist/player-files.txt, and a file the game starts to write without being
# listed there fails here.
cmake_minimum_required(VERSION 3.25)
set(scratch "${BUILD}/clean-check")
set(b "${scratch}/build")
file(REMOVE_RECURSE "${scratch}")
file(MAKE_DIRECTORY "${b}/CMakeFiles/plumeno_core.dir" "${b}/tests")
foreach(artefact CMakeCache.txt Makefile Plumeno "READ ME.txt" CMakeFiles/plumeno_core.dir/x.o tests/tst_x)
    file(WRITE "${b}/${artefact}" "built\n")
endforeach()
execute_process(COMMAND "${SCREENSHOTS}" "${scratch}/screens" 1 "${b}"
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the play failed (${result}):\n${log}")
endif()
file(GLOB_RECURSE played LIST_DIRECTORIES false RELATIVE "${b}" "${b}/*")
list(REMOVE_ITEM played CMakeCache.txt Makefile Plumeno "READ ME.txt" CMakeFiles/plumeno_core.dir/x.o tests/tst_x)
foreach(written Plumeno.config DATA/Data1.data DATA/Data2.data PlumenoExtras.ini PlumenoHistory.csv)
    if(NOT written IN_LIST played)
        message(FATAL_ERROR "the play did not write ${written}: ${played}")
    endif()
endforeach()

execute_process(COMMAND make -s -f "${SOURCE}/Makefile" -C "${scratch}" BUILD=build clean
                RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "make clean failed (${result}):\n${said}")
endif()
file(GLOB_RECURSE kept LIST_DIRECTORIES false RELATIVE "${b}" "${b}/*")
list(SORT played)
list(SORT kept)
if(NOT kept STREQUAL played)
    message(FATAL_ERROR "make clean left\n  ${kept}\nof the player's files\n  ${played}\nand said: ${said}")
endif()
string(FIND "${said}" "Kept your files in ${b}/" at)
if(at EQUAL -1)
    message(FATAL_ERROR "make clean does not say where it kept the player's files:\n${said}")
endif()
file(REMOVE_RECURSE "${scratch}")
message(STATUS "make clean kept: ${kept}")
