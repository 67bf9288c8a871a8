// SPDX-License-Identifier: MIT
'use strict';

// Copies files into the document's folder without losing one, as every host does.
//
// Every source and every target is checked before the first byte is written, a different file of
// the same name is replaced only with the user's consent, and each copy is written whole or not
// at all.

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const util = require('util');
const { HostError } = require('./errors');

const WRITE = 'write';
const KEEP = 'keep';
const REPLACE = 'replace';

// The system's text for a failed file call ("Permission denied"), as the other hosts word it.
function reason(error) {
  const known = typeof error.errno === 'number' && util.getSystemErrorMap().get(error.errno);
  const text = known ? known[1] : error.code || error.message;
  return text.charAt(0).toUpperCase() + text.slice(1);
}

class PlannedCopy {
  constructor(source, folder) {
    this.source = source;
    // What follows the last "/": empty for a path that ends in one, which names a folder.
    this.name = source.slice(source.lastIndexOf('/') + 1);
    this.target = folder + this.name;
    this.bytes = Buffer.alloc(0);
    this.step = WRITE;
  }

  replaceQuestion() {
    let folder = this.target.slice(0, this.target.length - this.name.length);
    if (folder.length > 1)
      folder = folder.replace(/\/+$/, '');
    return `${this.name} already exists in ${folder}. Do you want to replace it?`;
  }
}

function exists(file) {
  try {
    fs.lstatSync(file);
    return true;
  } catch {
    return false;
  }
}

function isRegular(file) {
  try {
    return fs.statSync(file).isFile();
  } catch {
    return false;
  }
}

function read(file) {
  if (!isRegular(file))
    throw new HostError(`Cannot read ${file}: it is not a regular file`);
  try {
    return fs.readFileSync(file);
  } catch (error) {
    throw new HostError(`Cannot read ${file}: ${reason(error)}`);
  }
}

function sameFile(a, b) {
  try {
    const one = fs.statSync(a);
    const other = fs.statSync(b);
    return one.dev === other.dev && one.ino === other.ino;
  } catch {
    return false;
  }
}

// The copies of `sources` into `folder` (which ends in "/"); a HostError for a bad one.
function plan(sources, folder) {
  return sources.map((source) => {
    if (!exists(source))
      throw new HostError(`Cannot copy ${source}: no such file.`);
    const copy = new PlannedCopy(source, folder);
    if (!copy.name)
      throw new HostError(`Cannot copy ${source}: it is a folder, not a file.`);
    copy.bytes = read(source);
    if (exists(copy.target)) {
      if (!isRegular(copy.target))
        throw new HostError(`Cannot copy ${copy.name}: ${copy.target} is there already and is ` +
                            'not a regular file.');
      const same = sameFile(source, copy.target) || read(copy.target).equals(copy.bytes);
      copy.step = same ? KEEP : REPLACE;
    }
    return copy;
  });
}

// Replaces `file` by `data` through a new file renamed over it; a link is written through. The
// file keeps its permissions; a new one gets those the umask leaves.
function writeWhole(file, data) {
  let target = file;
  let mode = null;
  try {
    target = fs.realpathSync(file);
    mode = fs.statSync(target).mode & 0o7777;
  } catch {
    // A new file: it is created with 0666 less the umask, as any program's new file is.
  }
  const temporary = path.join(path.dirname(target),
                              `.vorrel-${crypto.randomBytes(6).toString('hex')}.tmp`);
  let handle = null;
  let created = false;
  try {
    handle = fs.openSync(temporary, 'wx', mode === null ? 0o666 : 0o600);
    created = true;
    fs.writeFileSync(handle, data);
    if (mode !== null)
      fs.fchmodSync(handle, mode);
    fs.fsyncSync(handle);
    fs.closeSync(handle);
    handle = null;
    fs.renameSync(temporary, target);
  } catch (error) {
    if (handle !== null)
      fs.closeSync(handle);
    if (created)
      fs.rmSync(temporary, { force: true });
    throw new HostError(`Cannot write ${file}: ${reason(error)}`);
  }
}

// Writes the copies; each REPLACE only if `mayReplace(copy)` resolves true, every question asked
// before any write. The names the user kept are an error after the others are written.
async function run(planned, mayReplace) {
  const agreed = [];
  for (const copy of planned)
    agreed.push(copy.step === WRITE || (copy.step === REPLACE && (await mayReplace(copy))));
  const refused = [];
  planned.forEach((copy, index) => {
    if (agreed[index])
      writeWhole(copy.target, copy.bytes);
    else if (copy.step === REPLACE)
      refused.push(`${copy.name} was not copied.`);
  });
  if (refused.length)
    throw new HostError(refused.join(' '));
}

module.exports = { plan, run };
