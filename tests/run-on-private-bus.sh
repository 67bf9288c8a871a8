#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a session bus of its own, with a fresh runtime folder, so that bus tests
# neither see nor disturb any other program.
set -euo pipefail
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
unset DBUS_SESSION_BUS_ADDRESS
dbus-run-session -- "$@" 2> >(grep -v 'Failed to set fd limit' >&2)
