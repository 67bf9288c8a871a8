// SPDX-License-Identifier: MIT
'use strict';

// A call the host cannot carry out; the message is the text the wizard shows its user.
class HostError extends Error {}

// A call that needs a document while no text editor is active.
class NoDocument extends HostError {}

module.exports = { HostError, NoDocument };
