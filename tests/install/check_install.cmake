# Installs the build into a fresh prefix and checks the layout a desktop
# expects: a launcher on the PATH that reaches the program directory, the
# sounds and READ ME beside the executable, the desktop entry and the icons.
set(prefix "${BUILD}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
file(GLOB libdir "${prefix}/lib*/plumeno")
foreach(f Plumeno "SE/clock.wav" "SE/hit.wav" "SE/miss.wav" "READ ME.txt")
    if(NOT EXISTS "${libdir}/${f}")
        message(FATAL_ERROR "missing from the program directory: ${f}")
    endif()
endforeach()
# The sound player, loaded when a sound is first played.
if(NOT EXISTS "${libdir}/plugins/libplumeno_sound.so")
    message(FATAL_ERROR "missing from the program directory: plugins/libplumeno_sound.so")
endif()
if(NOT IS_SYMLINK "${prefix}/bin/plumeno")
    message(FATAL_ERROR "no launcher in bin/")
endif()
file(REAL_PATH "${prefix}/bin/plumeno" target)
file(REAL_PATH "${libdir}/Plumeno" program)
if(NOT target STREQUAL program)
    message(FATAL_ERROR "bin/plumeno leads to ${target}, not ${program}")
endif()
# Everything installed is listed, the launcher too, so that removing the
# listed files uninstalls the program.
file(STRINGS "${BUILD}/install_manifest.txt" manifest)
list(FIND manifest "${prefix}/bin/plumeno" listed)
if(listed EQUAL -1)
    message(FATAL_ERROR "install_manifest.txt does not list bin/plumeno")
endif()
foreach(f share/applications/plumeno.desktop share/icons/hicolor/32x32/apps/plumeno.png
          share/icons/hicolor/256x256/apps/plumeno.png)
    if(NOT EXISTS "${prefix}/${f}")
        message(FATAL_ERROR "missing: ${f}")
    endif()
endforeach()
file(REMOVE_RECURSE "${prefix}")
message(STATUS "install layout checked")
