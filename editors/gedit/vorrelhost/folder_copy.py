# SPDX-License-Identifier: MIT
"""Copies files into the document's folder without losing one, as every host does.

Every source and every target is checked before the first byte is written, a different file of
the same name is replaced only with the user's consent, and each copy is written whole or not at
all.
"""

import os
import stat
import tempfile

from .errors import HostError

WRITE, KEEP, REPLACE = "write", "keep", "replace"


class PlannedCopy:
    def __init__(self, source, folder):
        self.source = source
        self.name = os.path.basename(source)
        self.target = folder + self.name
        self.bytes = b""
        self.step = WRITE

    def replace_question(self):
        folder = self.target[:len(self.target) - len(self.name)]
        if len(folder) > 1:
            folder = folder.rstrip("/")
        return "%s already exists in %s. Do you want to replace it?" % (self.name, folder)


def _is_regular(path):
    try:
        return stat.S_ISREG(os.stat(path).st_mode)
    except OSError:
        return False


def _read(path):
    if not _is_regular(path):
        raise HostError("Cannot read %s: it is not a regular file" % path)
    try:
        with open(path, "rb") as source:
            return source.read()
    except OSError as error:
        raise HostError("Cannot read %s: %s" % (path, error.strerror)) from error


def plan(sources, folder):
    """The copies of `sources` into `folder` (ends in "/"); HostError for a bad one."""
    planned = []
    for source in sources:
        if not os.path.lexists(source):
            raise HostError("Cannot copy %s: no such file." % source)
        copy = PlannedCopy(source, folder)
        if not copy.name:
            raise HostError("Cannot copy %s: it is a folder, not a file." % source)
        copy.bytes = _read(source)
        if os.path.lexists(copy.target):
            if not _is_regular(copy.target):
                raise HostError("Cannot copy %s: %s is there already and is not a regular file."
                                % (copy.name, copy.target))
            same = os.path.samefile(source, copy.target) or _read(copy.target) == copy.bytes
            copy.step = KEEP if same else REPLACE
        planned.append(copy)
    return planned


def write_whole(path, data):
    """Replaces `path` by `data` through a new file renamed over it; a link is written through."""
    target = os.path.realpath(path)
    try:
        mode = os.stat(target).st_mode & 0o7777
    except FileNotFoundError:
        mask = os.umask(0)
        os.umask(mask)
        mode = 0o666 & ~mask
    handle, temporary = tempfile.mkstemp(prefix=".vorrel-", suffix=".tmp",
                                         dir=os.path.dirname(target))
    try:
        with os.fdopen(handle, "wb") as out:
            out.write(data)
            out.flush()
            os.fchmod(out.fileno(), mode)
            os.fsync(out.fileno())
        os.replace(temporary, target)
    except OSError as error:
        os.unlink(temporary)
        raise HostError("Cannot write %s: %s" % (path, error.strerror)) from error


def run(planned, may_replace):
    """Writes the copies; each REPLACE only if may_replace(copy), asked before any write."""
    agreed = [c.step == WRITE or (c.step == REPLACE and may_replace(c)) for c in planned]
    refused = []
    for copy, yes in zip(planned, agreed):
        if yes:
            write_whole(copy.target, copy.bytes)
        elif copy.step == REPLACE:
            refused.append("%s was not copied." % copy.name)
    if refused:
        raise HostError(" ".join(refused))
