# SPDX-License-Identifier: MIT
"""The one kind of failure the wizard's user is shown."""


class HostError(Exception):
    """A call the host cannot carry out; the text is the message the wizard shows."""


class NoDocument(HostError):
    """A call that needs a document while none is open."""
