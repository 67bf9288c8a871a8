# SPDX-License-Identifier: MIT
"""The host calls, each a generator that asks Neovim for what it needs.

A call yields ("lua", name, args) for one function of the plugin's vorrel.document (the value
sent back in is its result), or ("answer", id) to wait for the plugin's later answer to the
question with that id; it returns the call's one result, or None, and raises HostError for a
failure.
"""

import itertools
import os

from . import edit, folder_copy, kit, preview
from .busobject import NO_DOCUMENT_FOLDER
from .errors import HostError, NoDocument

NO_DOCUMENT = "No document is open in Neovim."
# A put whose document changes between reading and writing is planned again, this many times.
PUT_TRIES = 5

_question_ids = itertools.count(1)


def _lua(name, *args):
    return ("lua", name, list(args))


def _field(table, key):
    # An empty Lua table comes as an empty list.
    return table.get(key.encode()) if isinstance(table, dict) else None


def _decoded(value):
    return value.decode("utf-8", "replace") if isinstance(value, bytes) else value


def _folder(state):
    """The document's folder with a trailing "/", "" while it is untitled."""
    if not _field(state, "document"):
        raise NoDocument(NO_DOCUMENT)
    name = os.fsdecode(_field(state, "name") or b"")
    if not name:
        return ""
    if not name.startswith("/"):
        raise HostError("The document %s is not a local file." % name)
    return os.path.dirname(name).rstrip("/") + "/"


def getworkdir():
    state = yield _lua("state")
    try:
        return _folder(state)
    except NoDocument:
        return NO_DOCUMENT_FOLDER


def isopendoc():
    state = yield _lua("state")
    return "true" if _field(state, "document") else "false"


def opennewfile():
    yield _lua("open_new")


def _put(where, text):
    data = text.encode("utf-8", "surrogateescape")
    for _ in range(PUT_TRIES):
        snapshot = yield _lua("snapshot", where == "cursor")
        if not snapshot:
            raise NoDocument(NO_DOCUMENT)
        if where == "cursor":
            change = edit.at_cursor(_field(snapshot, "row"), _field(snapshot, "col"), data)
        else:
            change = edit.placed(_field(snapshot, "lines"), _field(snapshot, "line_end"),
                                 _field(snapshot, "empty"), where, data)
        applied = yield _lua("apply", _field(snapshot, "buf"), _field(snapshot, "tick"),
                             *change.arguments())
        if applied:
            return None
    raise HostError("The document kept changing while Vorrel put its text in; nothing was put.")


def puttextatcursor(text):
    return _put("cursor", text)


def puttextbody(text):
    return _put("body", text)


def puttextinbody(text):
    return _put("inbody", text)


def puttexthead(text):
    return _put("head", text)


def _asking(name, *args):
    """What the plugin's `name` answers, at once or once the user has answered its prompt."""
    question_id = next(_question_ids)
    answer = yield _lua(name, question_id, *args)
    if _field(answer, "pending"):
        return (yield ("answer", question_id))
    return _field(answer, "value")


def forcesave():
    failure = yield from _asking("save")
    if failure:
        raise HostError(_decoded(failure))


def copyfiles(file_list):
    state = yield _lua("state")
    folder = _folder(state)
    if not folder:
        raise HostError("The document has not been saved yet, so it has no folder to copy files "
                        "into.")
    sources = [os.fsdecode(path) for path in kit.split_file_list(os.fsencode(file_list))]
    planned = folder_copy.plan(sources, folder)
    # Every question is asked before the first file is written.
    consent = {}
    for copy in planned:
        if copy.step == folder_copy.REPLACE:
            consent[id(copy)] = bool((yield from _asking("confirm", copy.replace_question())))
    folder_copy.run(planned, lambda copy: consent[id(copy)])


def browserpreview(path):
    preview.show(path)
    yield from ()
