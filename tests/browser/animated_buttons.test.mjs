// SPDX-License-Identifier: MIT
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINE, pretendNavigator, recordAlerts } from './browser.mjs';
import { VARIANTS, withPage } from './harness.mjs';

const IE = 'Microsoft Internet Explorer';
const IE2 = { appName: IE, appVersion: '2.0 (compatible; MSIE 2.0; Windows 95)' };
const IE3 = { appName: IE, appVersion: '3.0 (compatible; MSIE 3.0; Windows 95)' };
const NETSCAPE2 = { appName: 'Netscape', appVersion: '2.0 (Win95; I)' };
const WARNING =
  'This page would look cooler with Netscape 3.0+ \n' +
  ' ( The buttons would be animated for starters!)';
const ALL_IMAGES = ['n1.gif', 'n2.gif', 'n3.gif', 'o1.gif', 'o2.gif', 'o3.gif'];
const NO_IMAGES = [null, null, null, null, null, null];
// Reading `src` of a missing image, in Chromium's words, Firefox's or WebKit's.
const SWAP_FAILS =
  /reading 'src'|can't access property "src"|undefined is not an object \(evaluating 'menuimg\[img\]\.src'\)/;

// What each browser meets. A document preloads and swaps everywhere but in IE 2.0, which it
// warns. A page also leaves IE 3.0 and every 2.0 browser without preloaded images, but its swap
// function still only spares IE 2.0, so a mouse-over there fails; it warns IE 3.0 instead.
const CASES = {
  insertion: [
    { browser: 'IE 2.0', navigator: IE2, preloaded: NO_IMAGES, swaps: 'no', warned: true },
    { browser: 'IE 3.0', navigator: IE3, preloaded: ALL_IMAGES, swaps: 'yes', warned: false },
    { browser: 'Netscape 2.0', navigator: NETSCAPE2, preloaded: ALL_IMAGES, swaps: 'yes', warned: false },
    { browser: ENGINE, navigator: null, preloaded: ALL_IMAGES, swaps: 'yes', warned: false },
  ],
  page: [
    { browser: 'IE 2.0', navigator: IE2, preloaded: NO_IMAGES, swaps: 'no', warned: false },
    { browser: 'IE 3.0', navigator: IE3, preloaded: NO_IMAGES, swaps: 'fails', warned: true },
    { browser: 'Netscape 2.0', navigator: NETSCAPE2, preloaded: NO_IMAGES, swaps: 'fails', warned: false },
    { browser: ENGINE, navigator: null, preloaded: ALL_IMAGES, swaps: 'yes', warned: false },
  ],
};

const initScriptsFor = (navigator) =>
  navigator ? [recordAlerts, [pretendNavigator, navigator]] : [recordAlerts];

const alerts = (page) => page.evaluate(() => window.__alerts);

// The file names of menuimg[1] to menuimg[6], null where no image was made.
const preloaded = (page) =>
  page.evaluate(() => {
    const names = [];
    for (let i = 1; i <= 6; ++i) names.push(menuimg[i] ? menuimg[i].src.split('/').pop() : null);
    return names;
  });

const shown = (page, i) => page.$eval(`img[name=p${i}]`, (img) => img.src.split('/').pop());
const hoverButton = (page, i) => page.hover(`a[href="javascript:gonow(${i})"]`);

for (const variant of VARIANTS) {
  describe(`Animated Buttons, ${variant}`, () => {
    for (const c of CASES[variant]) {
      const title = `as ${c.browser}: swap ${c.swaps}, warning ${c.warned ? 'shown' : 'not shown'}`;
      test(title, async () => {
        const options = {
          initScripts: initScriptsFor(c.navigator),
          expectErrors: c.swaps === 'fails' ? [SWAP_FAILS] : [],
        };
        await withPage(`buttons-${variant}.html`, options, async (page) => {
          assert.deepEqual(await alerts(page), c.warned ? [WARNING] : []);
          assert.deepEqual(await preloaded(page), c.preloaded);
          await hoverButton(page, 2);
          assert.equal(await shown(page, 2), c.swaps === 'yes' ? 'o2.gif' : 'n2.gif');
          if (c.swaps === 'yes') {
            await hoverButton(page, 3);
            assert.equal(await shown(page, 2), 'n2.gif');
            assert.equal(await shown(page, 3), 'o3.gif');
            await page.hover('h2');
            assert.equal(await shown(page, 3), 'n3.gif');
          }
        });
      });
    }

    test('a click goes to the address of its own button', async () => {
      for (const i of [1, 3]) {
        await withPage(`buttons-${variant}.html`, { initScripts: [recordAlerts] }, async (page) => {
          const alt = await page.getAttribute(`img[name=p${i}]`, 'alt');
          assert.equal(alt, ['First', 'Second', 'Third'][i - 1]);
          await page.click(`img[name=p${i}]`);
          await page.waitForURL(new RegExp(`/dest${i}\\.html$`));
        });
      }
    });

    test('without the warning option no browser is warned', async () => {
      for (const navigator of [IE2, IE3]) {
        const options = { initScripts: initScriptsFor(navigator) };
        await withPage(`buttons-quiet-${variant}.html`, options, async (page) => {
          assert.deepEqual(await alerts(page), []);
        });
      }
    });
  });
}
