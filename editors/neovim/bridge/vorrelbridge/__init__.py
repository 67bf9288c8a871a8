# SPDX-License-Identifier: MIT
"""Owns Wexdor4.Plugin on the session bus for a Neovim, over msgpack-RPC on stdin and stdout."""
