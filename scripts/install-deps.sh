#!/bin/sh
# Makes sure what Plumeno needs is there. On Debian (apt-get and dpkg-query
# present) it installs the missing packages; elsewhere it only checks, says
# what is missing and leaves the rest to CMake's configure step.
#   install-deps.sh [--tests] [PACKAGE...]
# --tests adds the tools the test suite uses; packages named as arguments are
# wanted too (`make fuzz` adds clang's).
set -e
PKGS="cmake g++ make qt6-base-dev qt6-multimedia-dev qt6-translations-l10n fonts-ipafont-gothic libgl-dev"
# Validators of the desktop entry and the AppStream metainfo, dpkg-shlibdeps
# and lintian for the Debian package the tests build, and a headless Wayland
# compositor with Qt's Wayland plugin for the dialogs' owners.
TEST_PKGS="appstream desktop-file-utils dpkg-dev lintian weston qt6-wayland clang-format"
if [ "$1" = "--tests" ]; then
    shift
    PKGS="$PKGS $TEST_PKGS"
fi
PKGS="$PKGS $*"

# Without Debian's package tools: check by commands and pkg-config.
check_without_apt() {
    missing=""
    for tool in cmake make; do
        command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
    done
    command -v c++ >/dev/null 2>&1 || command -v g++ >/dev/null 2>&1 || missing="$missing c++-compiler"
    if command -v pkg-config >/dev/null 2>&1; then
        for module in Qt6Core Qt6Gui Qt6Widgets Qt6Multimedia Qt6Test; do
            pkg-config --exists "$module" || missing="$missing $module"
        done
    else
        echo "install-deps: no pkg-config, Qt 6 is not checked here; CMake's configure step will find it or say so."
    fi
    if command -v fc-list >/dev/null 2>&1; then
        [ -n "$(fc-list :family=IPAGothic family)" ] || missing="$missing IPAGothic-font"
    fi
    case " $PKGS " in
        *" appstream "*)
            command -v appstreamcli >/dev/null 2>&1 || missing="$missing appstreamcli"
            command -v desktop-file-validate >/dev/null 2>&1 || missing="$missing desktop-file-validate" ;;
    esac
    if [ -n "$missing" ]; then
        echo "install-deps: no apt-get here, so nothing is installed. Missing:$missing"
        echo "install-deps: install them with your system's package manager (Qt 6.4 or later: Widgets, Multimedia, Test);"
        echo "install-deps: the build goes on and CMake says what it cannot find. Tests whose tool is missing are skipped."
    fi
    exit 0
}

command -v dpkg-query >/dev/null 2>&1 && command -v apt-get >/dev/null 2>&1 || check_without_apt

missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "install-deps: missing Debian packages:$missing"
        echo "install-deps: not root and no sudo: install them as root (apt-get install$missing); the build goes on."
        exit 0
    fi
    SUDO=sudo
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
