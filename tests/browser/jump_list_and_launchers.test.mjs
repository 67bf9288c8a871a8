// SPDX-License-Identifier: MIT
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { openedCalls, recordWindowOpen } from './browser.mjs';
import { VARIANTS, withPage } from './harness.mjs';

const opened = (page) => page.evaluate(() => window.__opened);

for (const variant of VARIANTS) {
  describe(`Jump List, ${variant}`, () => {
    const jumpList = (check) =>
      withPage(`jump-${variant}.html`, { initScripts: [recordWindowOpen] }, check);

    test('starts on the first target', async () => {
      await jumpList(async (page) => {
        const select = await page.$eval('select[name=jsel]', (s) => ({
          index: s.selectedIndex,
          labels: [...s.options].map((o) => o.text),
          preset: [...s.options].map((o) => o.defaultSelected),
        }));
        assert.deepEqual(select, {
          index: 0,
          labels: ['First', 'Second', 'Third'],
          preset: [true, false, false],
        });
        assert.equal(await page.$eval('img[alt=Go]', (img) => img.naturalWidth), 1);
      });
    });

    test('the image opens the chosen target in the top frame', async () => {
      await jumpList(async (page) => {
        // Each jump runs as the link's navigation; wait for it before the next choice.
        await page.click('img[alt=Go]');
        await openedCalls(page, 1);
        for (const [i, label] of ['Third', 'Second'].entries()) {
          await page.selectOption('select[name=jsel]', { label });
          await page.click('img[alt=Go]');
          await openedCalls(page, i + 2);
        }
        assert.deepEqual(await opened(page), [
          ['dest1.html', '_top'],
          ['dest3.html', '_top'],
          ['dest2.html', '_top'],
        ]);
      });
    });
  });
}

describe('Launchers', () => {
  const EXPECTED = [
    'Pop.htm',
    'My_Popup_Window',
    'toolbar=yes,location=no,directories=no,status=no,menubar=no,scrollbars=no,resizable=yes,' +
      'copyhistory=yes,width=400,height=250',
  ];

  test('the button opens the page when pressed, not before', async () => {
    await withPage('launcher-button.html', { initScripts: [recordWindowOpen] }, async (page) => {
      assert.deepEqual(await opened(page), []);
      await page.click('input[type=button][value="Open it"]');
      assert.deepEqual(await opened(page), [EXPECTED]);
    });
  });

  test('the auto-open script opens the page as the document loads', async () => {
    await withPage('launcher-auto.html', { initScripts: [recordWindowOpen] }, async (page) => {
      assert.deepEqual(await opened(page), [EXPECTED]);
    });
  });
});
