// SPDX-License-Identifier: MIT
'use strict';

// Makes this VS Code window Vorrel's host editor. Each window runs its own extension host and
// asks for the bus name; the window the user focused last holds it, so Vorrel inserts where the
// user is looking, and the others wait in the bus's queue for it.

const vscode = require('vscode');
const { Adaptor } = require('./adaptor');
const { Host } = require('./host');

let adaptor = null;

async function activate(context) {
  const output = vscode.window.createOutputChannel('Vorrel host');
  context.subscriptions.push(output);
  const log = (text) => output.appendLine(text);
  adaptor = new Adaptor(new Host(), log);
  try {
    await adaptor.start();
  } catch (error) {
    log(`Vorrel cannot reach this desktop's session bus: ${(error && error.message) || error}`);
    adaptor = null;
    return;
  }
  const served = adaptor;
  context.subscriptions.push(vscode.window.onDidChangeWindowState((state) => {
    if (state.focused)
      served.own(true);
  }));
  await served.own(vscode.window.state.focused);
}

function deactivate() {
  if (adaptor) {
    adaptor.stop();
    adaptor = null;
  }
}

module.exports = { activate, deactivate };
