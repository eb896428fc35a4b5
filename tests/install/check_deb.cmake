# Builds the Debian package with CPack into a scratch directory and reads it
# back with dpkg-deb: the files an installed game needs, under /usr, the
# executable stripped, and Depends computed from the libraries plus the font.
find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT DPKG_DEB OR NOT DPKG_SHLIBDEPS)
    message("SKIPPED: dpkg-deb or dpkg-shlibdeps is not installed (dpkg-dev)")
    return()
endif()
set(out "${BUILD}/deb-check")
file(REMOVE_RECURSE "${out}")
execute_process(COMMAND cpack -G DEB -B "${out}" --config "${BUILD}/CPackConfig.cmake"
                WORKING_DIRECTORY "${BUILD}" RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs "${out}/plumeno_*.deb")
if(NOT result EQUAL 0 OR NOT debs)
    message(FATAL_ERROR "cpack failed (${result}): ${log}")
endif()
list(GET debs 0 deb)

execute_process(COMMAND "${DPKG_DEB}" -I "${deb}" OUTPUT_VARIABLE info RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -I failed on ${deb}")
endif()
foreach(field "Package: plumeno" "Version: ${VERSION}" "Section: games")
    if(NOT info MATCHES "\n ${field}\n")
        message(FATAL_ERROR "control has no '${field}':\n${info}")
    endif()
endforeach()
if(NOT info MATCHES "\n Depends: ([^\n]*)\n")
    message(FATAL_ERROR "control has no Depends:\n${info}")
endif()
set(depends "${CMAKE_MATCH_1}")
# From dpkg-shlibdeps: the C++ runtime and Qt's widgets and sound; from us: the font.
foreach(package libstdc\\+\\+6 libqt6widgets6 libqt6multimedia6 fonts-ipafont-gothic)
    if(NOT depends MATCHES "(^|, )${package}( |,|$)")
        message(FATAL_ERROR "Depends lacks ${package}: ${depends}")
    endif()
endforeach()

execute_process(COMMAND "${DPKG_DEB}" -c "${deb}" OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -c failed on ${deb}")
endif()
foreach(f "usr/lib/plumeno/Plumeno" "usr/lib/plumeno/SE/clock.wav" "usr/lib/plumeno/SE/hit.wav"
          "usr/lib/plumeno/SE/miss.wav" "usr/lib/plumeno/READ ME.txt"
          "usr/bin/plumeno -> ../lib/plumeno/Plumeno"
          "usr/share/applications/${APP_ID}.desktop" "usr/share/metainfo/${APP_ID}.metainfo.xml"
          "usr/share/icons/hicolor/16x16/apps/plumeno.png" "usr/share/icons/hicolor/256x256/apps/plumeno.png"
          "usr/share/man/man6/plumeno.6" "usr/share/doc/plumeno/copyright")
    string(FIND "${listing}" " ./${f}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package lacks ${f}:\n${listing}")
    endif()
endforeach()
if(NOT listing MATCHES "\n-rwxr-xr-x [^\n]* ./usr/lib/plumeno/Plumeno\n")
    message(FATAL_ERROR "the executable is not executable by all:\n${listing}")
endif()
if(listing MATCHES " ./usr/local/")
    message(FATAL_ERROR "the package installs under /usr/local:\n${listing}")
endif()

# The packaged executable is stripped.
execute_process(COMMAND "${DPKG_DEB}" -x "${deb}" "${out}/root" RESULT_VARIABLE result)
find_program(READELF readelf)
if(result EQUAL 0 AND READELF)
    execute_process(COMMAND "${READELF}" -S "${out}/root/usr/lib/plumeno/Plumeno" OUTPUT_VARIABLE sections)
    if(sections MATCHES "\\.symtab|\\.debug_info")
        message(FATAL_ERROR "the packaged executable is not stripped")
    endif()
endif()
file(REMOVE_RECURSE "${out}")
message(STATUS "Debian package checked: Depends: ${depends}")
