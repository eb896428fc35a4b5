# Runs as the last step of `cmake --install` (and of the package build, with
# DESTDIR set), when the prefix is known. It writes two files into the
# program directory:
#  - Plumeno.installed names the folder the program was installed to; an
#    installed copy keeps the player's settings and ranking in the user's
#    data folder, whatever the permissions of its own folder;
#  - uninstall.sh removes every file this install put in place, itself
#    included, without the build directory's install_manifest.txt (which a
#    later install overwrites). It never touches the player's files.
# Expects PLUMENO_INSTALL_DIR and PLUMENO_DOC_DIR (relative to the prefix)
# and PLUMENO_PLAYER_FILES (the list of the files the game writes).
set(plumeno_dir "${CMAKE_INSTALL_PREFIX}/${PLUMENO_INSTALL_DIR}")
set(staged_dir "$ENV{DESTDIR}${plumeno_dir}")

file(WRITE "${staged_dir}/Plumeno.installed" "${plumeno_dir}\n")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${plumeno_dir}/Plumeno.installed")

# A package built by CPack is removed by its package manager, which owns
# every file: a script that deletes them behind its back has no place there.
# A games-section package puts its command in /usr/games, which Debian's
# PATH holds, rather than in /usr/bin.
if("$ENV{DESTDIR}" MATCHES "/_CPack_Packages/")
    set(staged_prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(MAKE_DIRECTORY "${staged_prefix}/games")
    file(CREATE_LINK "../${PLUMENO_INSTALL_DIR}/Plumeno" "${staged_prefix}/games/plumeno" SYMBOLIC)
    file(REMOVE "${staged_prefix}/bin/plumeno")
    file(GLOB left "${staged_prefix}/bin/*")
    if(NOT left)
        file(REMOVE_RECURSE "${staged_prefix}/bin")
    endif()
    return()
endif()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${plumeno_dir}/uninstall.sh")

# The list holds paths with or without DESTDIR in front, depending on the
# generator; the script names them as they are once installed.
set(listed "")
set(seen "")
foreach(entry IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    set(installed "${entry}")
    if(NOT "$ENV{DESTDIR}" STREQUAL "")
        string(FIND "${entry}" "$ENV{DESTDIR}" at)
        if(at EQUAL 0)
            string(LENGTH "$ENV{DESTDIR}" destdir_length)
            string(SUBSTRING "${entry}" ${destdir_length} -1 installed)
        endif()
    endif()
    list(FIND seen "${installed}" known)
    if(NOT known EQUAL -1)
        continue()
    endif()
    list(APPEND seen "${installed}")
    string(REPLACE "'" "'\\''" installed "${installed}")
    string(APPEND listed "    '${installed}' \\\n")
endforeach()
string(REPLACE "'" "'\\''" quoted_dir "${plumeno_dir}")
string(REPLACE "'" "'\\''" quoted_doc_dir "${CMAKE_INSTALL_PREFIX}/${PLUMENO_DOC_DIR}")
# The game's own files that an older install, which kept them in the program
# folder, may have left there: named to the player, never removed.
# Each line's first field only, and only names without a "/": a file inside
# a listed folder is named with its folder.
file(STRINGS "${PLUMENO_PLAYER_FILES}" player_files REGEX "^[^#]")
set(player_globs "")
foreach(line IN LISTS player_files)
    string(REGEX REPLACE "[ \t].*" "" name "${line}")
    if(NOT name MATCHES "/")
        string(APPEND player_globs " '${quoted_dir}'/${name}")
    endif()
endforeach()

file(WRITE "${staged_dir}/uninstall.sh" "#!/bin/sh
# Removes Plumeno as it was installed into ${CMAKE_INSTALL_PREFIX}: every file
# the install put there, this script included, then the program's own
# folders once empty. The players' files are not touched.
for f in \\
${listed}    ; do
    if [ -e \"$f\" ] || [ -L \"$f\" ]; then
        rm -f -- \"$f\" || exit 1
    fi
done
rmdir -- '${quoted_dir}/SE' '${quoted_dir}/plugins' '${quoted_doc_dir}' 2>/dev/null
left=''
for f in${player_globs}; do
    if [ -e \"$f\" ]; then
        left=\"$left \${f##*/}\"
    fi
done
rmdir -- '${quoted_dir}' 2>/dev/null
echo \"Plumeno has been removed from ${CMAKE_INSTALL_PREFIX}.\"
if [ -n \"$left\" ]; then
    echo \"An older install left player files in ${plumeno_dir}; they stay there:$left\"
fi
# Under sudo, HOME may be root's: the player is the one who ran sudo.
data_home=\"\${XDG_DATA_HOME:-\$HOME/.local/share}\"
if [ \"$(id -u)\" -eq 0 ] && [ -n \"\${SUDO_USER:-}\" ]; then
    data_home=\"$(getent passwd \"$SUDO_USER\" | cut -d: -f6)/.local/share\"
fi
echo \"Each player's settings, ranking, extras and history stay in their own data folder, ~/.local/share/Plumeno (\\$XDG_DATA_HOME/Plumeno when set); yours is \$data_home/Plumeno. Delete it yourself if you no longer want them.\"
")
file(CHMOD "${staged_dir}/uninstall.sh"
     PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
