# SPDX-License-Identifier: MIT
"""A put turned into a change of Neovim's lines.

The kit places text in the document's bytes; Neovim holds lines, and the file's last line end is
no line of its own. The document is the lines joined by "\\n", with a last "\\n" when the file
is written with one; an empty buffer is the empty document. Inserted CR LF and LF both become
the buffer's line ends (Neovim writes its own, 'fileformat', on save).
"""

import re

from . import kit

_LINE_END = re.compile(rb"\r\n|\n")


class Change:
    """Replace (start_row, start_col)..(end_row, end_col), in bytes from 0, by `lines`; with
    `whole`, replace every line."""

    def __init__(self, start, end, lines, whole=False, at_cursor=False):
        self.start, self.end, self.lines = start, end, lines
        self.whole, self.at_cursor = whole, at_cursor

    def arguments(self):
        return [self.start[0], self.start[1], self.end[0], self.end[1], self.lines, self.whole,
                self.at_cursor]


def split_lines(data):
    return _LINE_END.split(data)


def _strip_line_end(data):
    """`data` without the one line end it ends with, if any."""
    if data.endswith(b"\r\n"):
        return data[:-2]
    if data.endswith(b"\n"):
        return data[:-1]
    return data


def _position(document, offset):
    row = document.count(b"\n", 0, offset)
    return row, offset - (document.rfind(b"\n", 0, offset) + 1)


def at_cursor(row, col, text):
    return Change((row, col), (row, col), split_lines(text), at_cursor=True)


def placed(lines, line_end, empty, where, text):
    """The change that puts `text` (bytes) at `where` ("head", "body", "inbody")."""
    if empty:
        _offset, _removed, inserted = kit.place(b"", where, text)
        return Change((0, 0), (0, 0), split_lines(_strip_line_end(inserted)), whole=True)
    document = b"\n".join(lines) + (b"\n" if line_end else b"")
    offset, removed, inserted = kit.place(document, where, text)
    start, end = _position(document, offset), _position(document, offset + removed)
    past_end = len(lines)  # the row after the last line end
    if end[0] < past_end:
        return Change(start, end, split_lines(inserted))
    # The last line end stays Neovim's: text up to it goes before it, text after it after it.
    last = (past_end - 1, len(lines[-1]))
    new_lines = split_lines(_strip_line_end(inserted))
    if start[0] == past_end:
        return Change(last, last, [b""] + new_lines)
    return Change(start, last, new_lines)
