// SPDX-License-Identifier: MIT
// The paused clock that the browser tests rely on, in this engine: timers fire exactly when the
// test moves time, in the page and in its frames, and code given as text runs as global code, as
// the tools give it.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { ENGINE, launchBrowser, openPage } from './browser.mjs';

let browser;

before(async () => {
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
});

const FRAME = '<script>var ticks = 0; setInterval(function () { ticks++; }, 1000);</script>';
const PAGE = `<script>
  var log = [], ticks = 0;
  setTimeout("var fromText = this === window; log.push('text ' + new Date().toISOString())", 1000);
  setInterval("ticks++", 500);
  setTimeout(function () { log.push('throws'); missing(); }, 2000);
  setTimeout(function () { log.push('after'); }, 3000);
</script><iframe name="inner" srcdoc="${FRAME.replaceAll('"', '&quot;')}"></iframe>`;

async function withClockPage(check) {
  const url = `data:text/html,${encodeURIComponent(PAGE)}`;
  const { context, page, errors } = await openPage(browser, url, { time: '2024-05-01T09:00:00Z' });
  try {
    await check(page, errors);
  } finally {
    await context.close();
  }
}

const state = (frame) => frame.evaluate(() => [window.log, ticks, window.fromText]);

test('timers fire when the test moves time, in every frame, text as global code', async () => {
  await withClockPage(async (page) => {
    const inner = page.frame({ name: 'inner' });
    assert.ok(inner && inner !== page.mainFrame());
    await page.clock.runFor(999);
    assert.deepEqual(await state(page), [[], 1, undefined]);
    assert.deepEqual(await state(inner), [undefined, 0, undefined]);
    await page.clock.runFor(1);
    assert.deepEqual(await state(page), [['text 2024-05-01T09:00:01.000Z'], 2, true]);
    assert.deepEqual(await state(inner), [undefined, 1, undefined]);
  });
});

// Playwright's clock hands the error to the test and stops; Firefox's clock does what a browser
// does: the error is the page's, and time goes on.
test('an error thrown by a timer reaches the test', async () => {
  await withClockPage(async (page, errors) => {
    const run = page.clock.runFor(3000);
    if (ENGINE === 'Chromium') {
      await assert.rejects(run, /missing is not defined/);
      return;
    }
    await run;
    assert.deepEqual((await state(page))[0].slice(1), ['throws', 'after']);
    assert.equal(errors.length, 1);
    // Firefox's wording, then WebKit's.
    assert.match(errors[0], /missing is not defined|Can't find variable: missing/);
  });
});
