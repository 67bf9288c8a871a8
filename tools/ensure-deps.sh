#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes sure the Debian packages that building, running and testing Vorrel need are present.
# As root it installs what is missing; otherwise it prints the one apt-get line to run.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev libxcb1-dev libwayland-dev
    libglib2.0-dev shared-mime-info libgumbo-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    dbus dbus-bin dbus-daemon
    fonts-dejavu-core fonts-liberation2
    chromium firefox-esr
    webkit2gtk-driver gir1.2-webkit2-4.1  # WebKit: its classic WebDriver and the GTK web view our small test browser is built on
    xvfb xclip procps
    gedit xdotool
    neovim python3-msgpack python3-gi tmux  # the Neovim host, its bridge and its by-hand check
    libkrb5-dev  # for a native module of code-server, which tests the VS Code host
    desktop-file-utils appstream dpkg-dev file
    kate libkf5texteditor-dev extra-cmake-modules qtbase5-dev xdotool
    emacs-nox tmux  # the Emacs host: Emacs 28 with D-Bus and modules, driven in tmux
    kwin-wayland gnome-shell sway xwayland qt6-wayland wl-clipboard grim
    libxkbcommon-dev plasma-wayland-protocols x11-xserver-utils x11-apps
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
# node and npm may come from a vendor's nodejs package; only ask for Debian's when neither runs.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    missing+=(nodejs npm)
fi

if ((${#missing[@]} == 0)); then
    exit 0
fi

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
    echo "Vorrel needs Debian packages that are not installed. Run as root:" >&2
    echo "  apt-get update && $line" >&2
    exit 1
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
