# SPDX-License-Identifier: MIT
"""The placement kit (C++, shared by every host) through its C interface."""

import ctypes
import os

from .errors import HostError

PLACES = {"head": 0, "body": 1, "inbody": 2}


class _Edit(ctypes.Structure):
    _fields_ = [("offset", ctypes.c_size_t), ("removed", ctypes.c_size_t),
                ("inserted", ctypes.c_void_p), ("inserted_length", ctypes.c_size_t)]


def _load():
    library = ctypes.CDLL(os.path.join(os.path.dirname(__file__), "libvorrel_kit_c.so"))
    library.vorrel_kit_place.argtypes = [
        ctypes.c_char_p, ctypes.c_size_t, ctypes.c_int, ctypes.c_char_p, ctypes.c_size_t,
        ctypes.POINTER(_Edit), ctypes.POINTER(ctypes.c_void_p)]
    library.vorrel_kit_place.restype = ctypes.c_int
    library.vorrel_kit_split_file_list.argtypes = [
        ctypes.c_char_p, ctypes.c_size_t, ctypes.POINTER(ctypes.c_size_t)]
    library.vorrel_kit_split_file_list.restype = ctypes.c_void_p
    library.vorrel_kit_free.argtypes = [ctypes.c_void_p]
    library.vorrel_kit_free.restype = None
    return library


_library = _load()


def _take(pointer, length=-1):
    """The bytes the library handed out (up to their NUL without a length), given back then."""
    try:
        return ctypes.string_at(pointer, length)
    finally:
        _library.vorrel_kit_free(pointer)


def place(document, where, text):
    """(offset, removed, inserted) in bytes of `document` (bytes) for `text` (bytes)."""
    edit = _Edit()
    error = ctypes.c_void_p()
    if _library.vorrel_kit_place(document, len(document), PLACES[where], text, len(text),
                                 ctypes.byref(edit), ctypes.byref(error)) != 0:
        raise HostError(_take(error.value).decode("utf-8", "replace"))
    return edit.offset, edit.removed, _take(edit.inserted, edit.inserted_length)


def split_file_list(file_list):
    """The paths (bytes) of a copy list (bytes)."""
    length = ctypes.c_size_t()
    joined = _library.vorrel_kit_split_file_list(file_list, len(file_list), ctypes.byref(length))
    if not joined:
        raise HostError("Out of memory while reading the list of files to copy.")
    return _take(joined, length.value).split(b"\0")[:-1]
