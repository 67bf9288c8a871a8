// SPDX-License-Identifier: MIT
// The fourteen example pages that Preview shows, as the build wrote them beside the program (the
// folder VORREL_EXAMPLES names): each loads without a script error and its tool works, on the
// page itself or inside the page's frame.

import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { fileUrl, launchBrowser, openPage, openedCalls, recordWindowOpen } from './browser.mjs';

const folder = process.env.VORREL_EXAMPLES;
let browser;

before(async () => {
  assert.ok(folder, 'VORREL_EXAMPLES must name the folder of the example pages');
  browser = await launchBrowser();
});

after(async () => {
  await browser?.close();
});

const LAUNCHED = 'toolbar=no,location=no,directories=no,status=no,menubar=no,scrollbars=yes,' +
  'resizable=yes,copyhistory=no,width=480,height=360';

// The page with its clock paused at 09:05:07 and window.open recorded; `check` gets the page and
// the frame the tool runs in (the page itself, or its frame "example").
async function withExample(name, check) {
  const { context, page, errors } = await openPage(browser, null, {
    time: '2024-05-01T09:05:07Z',
    initScripts: [recordWindowOpen],
  });
  try {
    await page.goto(fileUrl(join(folder, name)));
    const frame = page.frame({ name: 'example' }) ?? page.mainFrame();
    await check(page, frame);
    assert.deepEqual(errors, []);
  } finally {
    await context.close();
  }
}

const value = (frame, name) => frame.inputValue(`input[name=${name}]`);
const press = (frame, caption) => frame.click(`input[type=button][value="${caption}"]`);
const opened = async (frame, count) => openedCalls(frame, count);

const TOOLS = {
  clock: async (page, frame) => {
    assert.equal(await value(frame, 'ctm'), '09:05:07');
    await page.clock.runFor(1000);
    assert.equal(await value(frame, 'ctm'), '09:05:08');
  },
  timer: async (page, frame) => {
    await press(frame, 'Start');
    await page.clock.runFor(2000);
    assert.equal(await value(frame, 'ttm'), '00:00:02');
  },
  search: async (page, frame) => {
    await frame.fill('input[name=terms]', 'web pages');
    await press(frame, '3. Search Now');
    const [[address]] = await opened(frame, 1);
    assert.equal(address, 'http://www.lycos.com/cgi-bin/pursuit?query=web+pages&cat=lycos&x=28&y=9');
  },
  buttons: async (page, frame) => {
    const shown = () => frame.$eval('img[name=p1]', (img) => [img.src.split('/').pop(), img.naturalWidth]);
    assert.deepEqual(await shown(), ['clock.gif', 100]);
    await frame.hover('img[name=p1]');
    assert.deepEqual(await shown(), ['clock_on.gif', 100]);
  },
  cost: async (page, frame) => {
    await press(frame, 'Start');
    await page.clock.runFor(3000);
    assert.equal(await value(frame, 'ttm'), '00:00:03');
  },
  jump: async (page, frame) => {
    assert.equal(await frame.$eval('img[alt=Go]', (img) => img.naturalWidth), 40);
    await frame.selectOption('select[name=jsel]', { label: 'The Timer example' });
    await frame.click('img[alt=Go]');
    assert.deepEqual(await opened(frame, 1), [['timer.htm', '_top']]);
  },
  popup: async (page, frame) => {
    await press(frame, 'Popup Window');
    assert.deepEqual(await opened(frame, 1), [['ex-popup.htm', 'Popup_Window', LAUNCHED]]);
  },
};

const PAGES = [
  ['clock.htm', 'clock'], ['fmclock.htm', 'clock'],
  ['timer.htm', 'timer'], ['fmtimer.htm', 'timer'],
  ['srch.htm', 'search'], ['fmsrch.htm', 'search'],
  ['anbt.htm', 'buttons'], ['fmanbt.htm', 'buttons'],
  ['time2.htm', 'cost'], ['fmcost.htm', 'cost'],
  ['jlist.htm', 'jump'], ['fmjlist.htm', 'jump'],
  ['fmpopup.htm', 'popup'],
];

for (const [name, tool] of PAGES) {
  test(`${name}: the ${tool} works${name.startsWith('fm') ? ' in its frame' : ''}`, async () => {
    await withExample(name, async (page, frame) => {
      if (name.startsWith('fm') && tool !== 'popup') assert.notEqual(frame, page.mainFrame());
      await TOOLS[tool](page, frame);
    });
  });
}

test('test.htm: each button opens its tool in a window of its own', async () => {
  const tools = [
    ['Clock', 'ex-clock.htm'], ['Timer', 'ex-timer.htm'], ['Search Pad', 'ex-srch.htm'],
    ['Animated Buttons', 'ex-anbt.htm'], ['ISP Cost Calculator', 'ex-cost.htm'],
    ['Popup Window', 'ex-popup.htm'], ['Jump List', 'ex-jlist.htm'],
  ];
  await withExample('test.htm', async (page) => {
    for (const [caption] of tools) await press(page, caption);
    const calls = await opened(page, tools.length);
    assert.deepEqual(calls, tools.map(([caption, file]) => [file, caption.replaceAll(' ', '_'), LAUNCHED]));
  });
});
