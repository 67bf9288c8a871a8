// SPDX-License-Identifier: MIT
// The pages under test, written afresh by the C++ page writer of this folder into a new
// temporary folder.

import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileUrl } from './browser.mjs';

export function writeTestPages() {
  const writer = process.env.VORREL_WRITE_TEST_PAGES;
  if (!writer) throw new Error('VORREL_WRITE_TEST_PAGES must name the write_test_pages program');
  const folder = mkdtempSync(join(tmpdir(), 'vorrel-pages-'));
  execFileSync(writer, [folder], { stdio: 'inherit' });
  return {
    folder,
    url: (name) => fileUrl(join(folder, name)),
    remove: () => rmSync(folder, { recursive: true, force: true }),
  };
}
