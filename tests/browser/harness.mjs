// SPDX-License-Identifier: MIT
// Shared set-up of the browser test files: one browser and one folder of test pages per file.

import { after, before } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, openPage } from './browser.mjs';
import { writeTestPages } from './test-pages.mjs';

let browser;
let pages;

before(async () => {
  pages = writeTestPages();
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
  pages?.remove();
});

// Loads a test page with a paused clock, runs `check`, and then insists that the page raised no
// script error unless `expectErrors` says which ones it must have raised.
export async function withPage(name, options, check) {
  const { expectErrors = [], ...pageOptions } = options;
  const { context, page, errors } = await openPage(browser, pages.url(name), pageOptions);
  try {
    await check(page);
    assert.equal(errors.length, expectErrors.length, `script errors: ${errors.join(' | ')}`);
    expectErrors.forEach((pattern, i) => assert.match(errors[i], pattern));
  } finally {
    await context.close();
  }
}

export const VARIANTS = ['insertion', 'page'];
