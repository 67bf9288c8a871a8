// SPDX-License-Identifier: MIT
'use strict';

// The host calls carried out on the active text editor of this VS Code window, with VS Code's
// own calls. Failures are HostErrors whose messages the wizard's user reads; NoDocument when no
// text editor is active.

const childProcess = require('child_process');
const fs = require('fs');
const path = require('path');
const vscode = require('vscode');
const folderCopy = require('./folderCopy');
const kit = require('./kit');
const { HostError, NoDocument } = require('./errors');

const NOT_SAVED = 'The document was not saved.';

function activeEditor() {
  const editor = vscode.window.activeTextEditor;
  if (!editor)
    throw new NoDocument('No document is open in VS Code.');
  return editor;
}

// The folder of a document's file with a trailing "/"; null while it is untitled.
function folderOf(document) {
  if (document.isUntitled)
    return null;
  if (document.uri.scheme !== 'file')
    throw new HostError(`The document ${document.uri.toString()} is not a file on this computer, ` +
                        'so Vorrel cannot use its folder.');
  const folder = path.dirname(document.uri.fsPath);
  return folder.endsWith('/') ? folder : folder + '/';
}

// Applies one change as one step of the undo history.
async function applyEdit(editor, change) {
  const applied = await editor.edit(change, { undoStopBefore: true, undoStopAfter: true });
  if (!applied)
    throw new HostError('VS Code did not take the change: the document may have changed at the ' +
                        'same time. Try again.');
}

class Host {
  hasDocument() {
    return Boolean(vscode.window.activeTextEditor);
  }

  workDir() {
    return folderOf(activeEditor().document);
  }

  async openNew() {
    const document = await vscode.workspace.openTextDocument({ language: 'html' });
    await vscode.window.showTextDocument(document);
  }

  // Text at the primary cursor, leaving a selection as it is; the cursor then stands after it.
  async putAtCursor(text) {
    const editor = activeEditor();
    const document = editor.document;
    const at = editor.selection.active;
    const start = document.offsetAt(at);
    const before = document.getText().length;
    await applyEdit(editor, (edit) => edit.insert(at, text));
    // The inserted length as the document holds it, its line ends made the document's own.
    const end = document.positionAt(start + document.getText().length - before);
    editor.selection = new vscode.Selection(end, end);
    editor.revealRange(new vscode.Range(end, end));
  }

  // Text where the kit places it for `where` ("head", "body" or "inbody").
  async put(where, text) {
    const editor = activeEditor();
    const document = editor.document;
    const placed = kit.place(document.getText(), where, text);
    const range = new vscode.Range(document.positionAt(placed.start),
                                   document.positionAt(placed.end));
    await applyEdit(editor, (edit) => edit.replace(range, placed.inserted));
  }

  // VS Code's own save; an untitled document gets its Save As dialog. Over when the save is.
  async save() {
    const document = activeEditor().document;
    if (!document.isUntitled && !document.isDirty)
      return; // the file already holds the document's text
    if (typeof vscode.workspace.save === 'function') {
      if (!(await vscode.workspace.save(document.uri)))
        throw new HostError(NOT_SAVED);
    } else if (document.isUntitled) {
      await vscode.commands.executeCommand('workbench.action.files.saveAs');
      // Save As opens the saved file and closes the untitled document; a cancelled one keeps it.
      if (!document.isClosed && document.isUntitled)
        throw new HostError(NOT_SAVED);
    } else if (!(await document.save())) {
      throw new HostError(NOT_SAVED);
    }
    if (document.isUntitled)
      await untilEditorLeaves(document);
  }

  async copyFiles(list) {
    const folder = this.workDir();
    if (!folder)
      throw new HostError('The document has not been saved yet, so it has no folder to copy ' +
                          'files into.');
    await folderCopy.run(folderCopy.plan(kit.splitFileList(list), folder), mayReplace);
  }

  // The desktop's opener shows the page (a file or a URL), as for a page opened from the desktop.
  async preview(page) {
    if (!page)
      throw new HostError('No page to preview was given.');
    if (!page.includes('://') && !fs.existsSync(page))
      throw new HostError(`Cannot preview ${page}: no such file.`);
    await new Promise((resolve, reject) => {
      const opener = childProcess.spawn('xdg-open', [page], { detached: true, stdio: 'ignore' });
      opener.once('spawn', () => {
        opener.unref();
        resolve();
      });
      opener.once('error', (error) => reject(new HostError(
        `Cannot preview ${page}: the desktop's opener xdg-open could not be started ` +
        `(${error.message}).`)));
    });
  }
}

// Save As puts the saved file's editor in the untitled one's place; the calls after forcesave
// (getworkdir first) are about the saved file. VS Code reports the untitled document closed and
// the new editor active in one update, so the wait is over when another document's editor is
// active, or when the untitled document is closed with no editor left.
function untilEditorLeaves(document) {
  const left = () => {
    const editor = vscode.window.activeTextEditor;
    return editor ? editor.document !== document : document.isClosed;
  };
  if (left())
    return Promise.resolve();
  return new Promise((resolve) => {
    const watches = [];
    const check = () => {
      if (!left())
        return;
      watches.forEach((watch) => watch.dispose());
      resolve();
    };
    watches.push(vscode.window.onDidChangeActiveTextEditor(check),
                 vscode.workspace.onDidCloseTextDocument(check));
  });
}

// Asked in VS Code's own modal dialog, which has no title of its own. No comes first, so that it
// is the default button that Enter presses (the file may be the user's own); VS Code adds a
// Cancel button, which like Escape leaves the file too.
const YES = { title: 'Yes' };
const NO = { title: 'No' };

async function mayReplace(copy) {
  const answer = await vscode.window.showWarningMessage(copy.replaceQuestion(), { modal: true },
                                                        NO, YES);
  return answer === YES;
}

module.exports = { Host };
