// SPDX-License-Identifier: MIT
// The documents that a real insertion left behind (the end-to-end insertion test writes them into
// the folder named by VORREL_E2E_DOCUMENTS): the inserted tools must work in the browser, and the
// launchers must open the pages that were written beside the document.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { fileUrl, launchBrowser, openPage } from './browser.mjs';

const folder = process.env.VORREL_E2E_DOCUMENTS;
let browser;

before(async () => {
  assert.ok(folder && existsSync(join(folder, 'index.html')), `no inserted documents in ${folder}`);
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
});

// Loads the document with the clock paused at 09:05:07 and hands over the page, the popups the
// document opened while loading, and the script errors seen so far.
async function withDocument(check) {
  const { context, page, errors } = await openPage(browser, null, {
    time: '2024-05-01T09:05:07Z',
  });
  const popups = [];
  context.on('page', (popup) => popups.push(popup));
  try {
    await page.goto(fileUrl(join(folder, 'index.html')));
    await check(page, popups);
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
  }
}

test('the inserted clock shows the time and ticks', async () => {
  await withDocument(async (page) => {
    const shown = () => page.$eval('input[name=ctm]', (input) => input.value);
    assert.equal(await shown(), '09:05:07');
    await page.clock.runFor(1000);
    assert.equal(await shown(), '09:05:08');
  });
});

test('the auto-open script opens the popup page at load', async () => {
  await withDocument(async (page, popups) => {
    // The page opened it while it loaded, before the test could listen for it.
    const popup = popups.find((p) => p.url().endsWith('/Pop.htm')) ?? (await page.waitForEvent('popup'));
    assert.ok(popup.url().endsWith('/Pop.htm'), popup.url());
    await popup.waitForLoadState();
    assert.equal(await popup.evaluate(() => window.name), 'Popup_Window');
    assert.equal(await popup.textContent('#greeting'), 'Hello from the popup');
  });
});

test('the launcher button opens the jump list page, which works', async () => {
  await withDocument(async (page) => {
    const [jumpPage] = await Promise.all([
      page.waitForEvent('popup', (p) => p.url().endsWith('/Jum.htm')),
      page.click('input[value="Jump List"]'),
    ]);
    await jumpPage.waitForLoadState();
    assert.equal(await jumpPage.evaluate(() => window.name), 'Jump_List');
    assert.deepEqual(
      await jumpPage.$$eval('select[name=jsel] option', (options) => options.map((o) => o.text)),
      ['Home', 'Popup'],
    );
    assert.equal(await jumpPage.$eval('img[alt=Go]', (img) => img.naturalWidth), 1);
  });
});

test('the animated buttons show the copied images and swap them', async () => {
  await withDocument(async (page) => {
    const image = () => page.$eval('img[name=p1]', (img) => [img.src, img.naturalWidth]);
    const [normal, width] = await image();
    assert.ok(normal.endsWith('/home.gif'), normal);
    assert.equal(width, 1);
    await page.hover('img[name=p1]');
    assert.ok((await image())[0].endsWith('/home_on.gif'));
  });
});
