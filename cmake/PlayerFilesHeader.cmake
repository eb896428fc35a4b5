# Makes PlayerFiles.h in OUTPUT_DIR from dist/player-files.txt, the list of
# the files the game writes that `make clean` and the uninstall script read:
# a line with a second field becomes a constant of that name, and the game
# takes its file names from those. Used by the game's build and the fuzzers'.
function(plumeno_player_files_header source_dir output_dir)
    set(list_file ${source_dir}/dist/player-files.txt)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
    file(STRINGS ${list_file} lines REGEX "^[^#]")
    set(PLAYER_FILE_CONSTANTS "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^([^ \t\"]+)[ \t]+([A-Z][A-Za-z0-9]*)$")
            string(APPEND PLAYER_FILE_CONSTANTS "inline constexpr QLatin1StringView ${CMAKE_MATCH_2}(\"${CMAKE_MATCH_1}\");\n")
        elseif(NOT line MATCHES "^[^ \t]+$")
            message(FATAL_ERROR "${list_file}: a line is a name, then at most the name of its constant: '${line}'")
        endif()
    endforeach()
    configure_file(${source_dir}/src/base/PlayerFiles.h.in ${output_dir}/PlayerFiles.h @ONLY)
endfunction()
