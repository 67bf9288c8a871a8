// SPDX-License-Identifier: MIT
'use strict';

// The placement kit (C++, shared by every host) through its C interface, loaded with koffi from
// lib/ beside this folder, where libgumbo.so.1 sits too.

const path = require('path');
const koffi = require('koffi');
const { HostError } = require('./errors');

const PLACES = { head: 0, body: 1, inbody: 2 };

const library = koffi.load(path.join(__dirname, '..', 'lib', 'libvorrel_kit_c.so'));
koffi.struct('vorrel_kit_edit', {
  offset: 'size_t',
  removed: 'size_t',
  inserted: 'void *',
  inserted_length: 'size_t',
});
const kitPlace = library.func(
  'int vorrel_kit_place(const uint8_t *document, size_t document_length, int place, ' +
    'const uint8_t *text, size_t text_length, _Out_ vorrel_kit_edit *edit, _Out_ void **error)');
const kitSplit = library.func(
  'void *vorrel_kit_split_file_list(const uint8_t *list, size_t list_length, _Out_ size_t *length)');
const kitFree = library.func('void vorrel_kit_free(void *memory)');

// The bytes the library handed out, copied, and the memory given back.
function take(pointer, length) {
  try {
    const bytes = Number(length);
    return bytes > 0 ? Buffer.from(new Uint8Array(koffi.view(pointer, bytes))) : Buffer.alloc(0);
  } finally {
    kitFree(pointer);
  }
}

function takeMessage(pointer) {
  try {
    return koffi.decode(pointer, 'char', -1);
  } finally {
    kitFree(pointer);
  }
}

// The number of UTF-16 code units in the first `bytes` bytes of `encoded` (UTF-8).
function unitsIn(encoded, bytes) {
  return encoded.subarray(0, bytes).toString('utf8').length;
}

// Where `text` goes in `document` (both strings) for `where` ("head", "body" or "inbody"): the
// document's characters from `start` to `end` (UTF-16 indexes, as VS Code counts) become
// `inserted`. The kit counts bytes of UTF-8.
function place(document, where, text) {
  const encoded = Buffer.from(document, 'utf8');
  const textBytes = Buffer.from(text, 'utf8');
  const edit = {};
  const error = [null];
  if (kitPlace(encoded, encoded.length, PLACES[where], textBytes, textBytes.length, edit,
               error) !== 0)
    throw new HostError(takeMessage(error[0]));
  const inserted = take(edit.inserted, edit.inserted_length);
  const offset = Number(edit.offset);
  const start = unitsIn(encoded, offset);
  const end = start + encoded.subarray(offset, offset + Number(edit.removed)).toString('utf8').length;
  return { start, end, inserted: inserted.toString('utf8') };
}

// The paths of a copy list ("path;path;..."), as the kit reads it.
function splitFileList(list) {
  const encoded = Buffer.from(list, 'utf8');
  const length = [0];
  const joined = kitSplit(encoded, encoded.length, length);
  if (!joined)
    throw new HostError('Out of memory while reading the list of files to copy.');
  const paths = take(joined, length[0]).toString('utf8').split('\0');
  paths.pop(); // each path is followed by a NUL, the last one too
  return paths;
}

module.exports = { place, splitFileList };
