#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program as users get it. `cmake --install` into a folder of its own gives the program with
# its help file, example pages and images beside it, a command in bin, and a menu entry, icons
# and software description that the desktop's own checkers accept. The Debian package, unpacked
# into a temporary root, holds the same, depends on what its binaries load, and its wizard runs
# there until message 1148 ends it. The Kate plugin goes into Kate's plugin folder, and into a
# package of its own that needs Kate; the gedit plugin's package holds the plugin as built; the
# Neovim plugin's package serves as the host from where it is unpacked, and the Emacs package's
# mode turns on in an Emacs.
#   install_test.sh BUILD_FOLDER   (on a session bus of its own)
set -euo pipefail
build=$1
work=$(mktemp -d)
# A sanitizer build's kit loads only into programs with a sanitizer run-time, which neither Neovim's
# bridge (Python) nor Emacs has: there the packages' hosts are checked for their files alone.
sanitized=false
grep -q '^VORREL_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" && sanitized=true
trap 'rm -rf "$work"' EXIT

fail() { echo "install_test: $*" >&2; exit 1; }

beside_program=(vorrel vorrel-clipboard vorrel.hlp
    clock.htm timer.htm srch.htm anbt.htm time2.htm jlist.htm
    fmclock.htm fmtimer.htm fmsrch.htm fmanbt.htm fmcost.htm fmpopup.htm fmjlist.htm test.htm
    clock.gif clock_on.gif timer.gif timer_on.gif search.gif search_on.gif go.gif)

# Everything the program reads lies in the folder of the command's real file.
check_program_folder() {
    local command=$1 folder
    [ -x "$command" ] || fail "no command $command"
    folder=$(dirname "$(readlink -f "$command")")
    for file in "${beside_program[@]}"; do
        [ -f "$folder/$file" ] || fail "$file is not beside the program in $folder"
    done
}

cmake --install "$build" --prefix "$work/P" >/dev/null
check_program_folder "$work/P/bin/vorrel"
desktop-file-validate "$work/P/share/applications/org.vorrel.Vorrel.desktop"
appstreamcli validate --no-net "$work/P/share/metainfo/org.vorrel.Vorrel.metainfo.xml" >/dev/null
for size in 16 48 256; do
    [ -f "$work/P/share/icons/hicolor/${size}x${size}/apps/vorrel.png" ] || fail "no ${size}px icon"
done

# Kate's plugin lies where Kate's own plugins are, below the prefix.
kate_plugins=$(dirname "$(dpkg -S katesearchplugin.so | sed 's/^[^:]*: //')")
[ -f "$work/P/${kate_plugins#/usr/}/vorrelhost.so" ] ||
    fail "the Kate plugin is not in ${kate_plugins#/usr/} below the prefix"

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/vorrel_*.deb)
plugin_deb=$(ls "$work"/package/vorrel-kate-plugin_*.deb)
[[ "$(dpkg-deb -f "$plugin_deb" Depends)" == kate,* ]] || fail "the Kate plugin does not need kate"
# Listed whole first: grep -q ends at its first match, and pipefail would take the lister's
# broken pipe for a failure.
plugin_files=$(dpkg-deb -c "$plugin_deb")
grep -q " \.$kate_plugins/vorrelhost.so$" <<<"$plugin_files" ||
    fail "the Kate plugin's package does not put it in $kate_plugins"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6dbus6 libglib2.0-0 qt6-qpa-plugins qt6-wayland wl-clipboard; do
    [[ "$depends" == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done
dpkg-deb -x "$deb" "$work/root"
check_program_folder "$work/root/usr/bin/vorrel"

# The gedit plugin's package: gedit's system plug-in folder holds what the tests load from the
# build folder.
plugin_deb=$(ls "$work"/package/vorrel-gedit-plugin_*.deb)
[[ "$(dpkg-deb -f "$plugin_deb" Depends)" == gedit,* ]] || fail "the gedit plugin needs gedit"
dpkg-deb -x "$plugin_deb" "$work/gedit-root"
files_in() { (cd "$1" && find . -not -path '*/__pycache__*' | sort); }
diff <(files_in "$build/gedit-plugins") \
    <(files_in "$work/gedit-root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/gedit/plugins") ||
    fail "the gedit plugin's package holds other files than the plugin built"

# The Neovim plugin's package: Neovim finds the plugin in its system package folder, and the
# plugin the bridge beside its library; started from the unpacked package, the host answers.
nvim_deb=$(ls "$work"/package/vorrel-neovim_*.deb)
nvim_depends=$(dpkg-deb -f "$nvim_deb" Depends)
for package in neovim python3-gi python3-msgpack; do
    [[ "$nvim_depends" == *"$package"* ]] || fail "the Neovim plugin does not need $package"
done
dpkg-deb -x "$nvim_deb" "$work/nvim-root"
nvim_plugin="$work/nvim-root/usr/share/nvim/site/pack/vorrel/start/vorrel"
[ -f "$nvim_plugin/plugin/vorrel.lua" ] || fail "the Neovim plugin is not in Neovim's package folder"
if ! $sanitized; then
    XDG_STATE_HOME="$work" XDG_DATA_HOME="$work" nvim --headless --clean -n -i NONE \
        --cmd "set runtimepath^=$nvim_plugin" -c "lua require('vorrel').start()" </dev/null &
    nvim_pid=$!
    host_answers() {
        dbus-send --session --print-reply --dest=Wexdor4.Plugin /Wexdor4/Plugin \
            Wexdor4.Plugin.WM_ISWEXDORRUNNING 2>/dev/null | grep -q 'int32 1'
    }
    for _ in $(seq 100); do host_answers && break; sleep 0.1; done
    host_answers || fail "the packaged Neovim plugin does not answer as the host"
    kill "$nvim_pid"
    wait "$nvim_pid" 2>/dev/null || true
fi

# The Emacs package: package.el's folder for packages of the system holds vorrel-host, whose
# module (built for one architecture, in /usr/lib) an Emacs loads from there and turns the mode on
# with.
emacs_deb=$(ls "$work"/package/vorrel-emacs_*.deb)
[[ "$(dpkg-deb -f "$emacs_deb" Depends)" == "emacs-nox | emacs"* ]] ||
    fail "the Emacs package does not need emacs-nox or emacs"
dpkg-deb -x "$emacs_deb" "$work/emacs-root"
elpa=$(ls -d "$work"/emacs-root/usr/share/emacs/site-lisp/elpa/vorrel-host-*)
[ -f "$elpa/vorrel-host.el" ] || fail "the Emacs package has no vorrel-host.el in package.el's folder"
if ! $sanitized; then
    on=$(emacs -Q --batch -L "$elpa" -l vorrel-host \
        --eval '(progn (vorrel-host-mode 1) (princ vorrel-host-mode))')
    [[ "$on" == t ]] || fail "an Emacs cannot turn on vorrel-host-mode from the package: $on"
fi

# Every package says its licence where Debian looks for it, and the same one as the software
# description.
grep -q '<project_license>MIT</project_license>' \
    "$work/P/share/metainfo/org.vorrel.Vorrel.metainfo.xml" || fail "the metainfo is not MIT"
for package in "$work"/package/*.deb; do
    name=$(dpkg-deb -f "$package" Package)
    dpkg-deb --fsys-tarfile "$package" | tar -xOf - "./usr/share/doc/$name/copyright" |
        grep "^License: Expat$" >/dev/null || fail "$name has no copyright file that says Expat (MIT)"
done

on_bus() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:Vorrel.Application 2>/dev/null |
        grep -q 'boolean true'
}
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/vorrel" &
wizard=$!
for _ in $(seq 100); do on_bus && break; sleep 0.1; done
on_bus || fail "the installed wizard did not come up"
dbus-send --session --type=method_call --dest=Vorrel.Application /Vorrel \
    Vorrel.Application.PostMessage uint32:1148
for _ in $(seq 50); do kill -0 "$wizard" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$wizard" 2>/dev/null; then
    kill -9 "$wizard"
    fail "message 1148 did not end the installed wizard"
fi
wait "$wizard" || fail "the installed wizard ended with code $?"
echo "install_test: installed and packaged program work"
