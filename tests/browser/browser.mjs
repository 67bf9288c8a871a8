// SPDX-License-Identifier: MIT
// The browser of the browser tests: Debian's own Chromium through playwright-core, or, with
// VORREL_BROWSER=firefox, Debian's Firefox ESR behind the same calls (firefox.mjs), or with
// VORREL_BROWSER=webkit, WebKitGTK through WebKitWebDriver (webkit.mjs). Pages always
// start with a paused clock, so that a test moves time itself and every timer fires exactly when
// the test says.

import { chromium } from 'playwright-core';
import { pathToFileURL } from 'node:url';
import { launchFirefox } from './firefox.mjs';
import { launchWebKit } from './webkit.mjs';

const ENGINES = { chromium: 'Chromium', firefox: 'Firefox', webkit: 'WebKit' };
const engine = process.env.VORREL_BROWSER || 'chromium';
if (!ENGINES[engine]) throw new Error(`VORREL_BROWSER must be chromium, firefox or webkit, not ${engine}`);
// The engine's name, for test titles.
export const ENGINE = ENGINES[engine];

export const CHROMIUM_PATH = '/usr/bin/chromium';
export const CHROMIUM_ARGS = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Fails (never skips) when the browser cannot start.
export async function launchBrowser() {
  if (engine === 'firefox') return launchFirefox();
  if (engine === 'webkit') return launchWebKit();
  return chromium.launch({ executablePath: CHROMIUM_PATH, args: CHROMIUM_ARGS });
}

export function fileUrl(path) {
  return pathToFileURL(path).href;
}

// Collects uncaught script errors and console errors of a page.
export function watchErrors(page) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  return errors;
}

// A fresh context and page whose clock stands still at `time` (ISO text in UTC, ending in Z)
// before anything loads; `page.clock.runFor(ms)` then moves it. `initScripts` are functions (or
// [function, argument] pairs) run in every document before its own scripts. The page is loaded
// when `url` is given.
export async function openPage(browser, url, options = {}) {
  const { time = '2024-05-01T12:00:00Z', initScripts = [] } = options;
  if (!time.endsWith('Z')) throw new Error(`time must be written in UTC with Z: ${time}`);
  const context = await browser.newContext({ timezoneId: 'UTC' });
  const page = await context.newPage();
  const errors = watchErrors(page);
  for (const script of initScripts) {
    if (Array.isArray(script)) await page.addInitScript(script[0], script[1]);
    else await page.addInitScript(script);
  }
  const at = new Date(time);
  await page.clock.install({ time: new Date(at.getTime() - 60_000) });
  await page.clock.pauseAt(at);
  if (url) await page.goto(url);
  return { context, page, errors };
}

// Init script: window.open records its arguments in window.__opened and opens nothing.
export function recordWindowOpen() {
  window.__opened = [];
  window.open = (...args) => {
    window.__opened.push(args);
    return null;
  };
}

// The window.open calls recorded so far, once there are at least `count` of them. A script that
// runs as a navigation (a javascript: link) runs after the click that starts it has returned, so
// a test waits for its effect instead of reading it at once. Polled from here, with real time,
// since the page's own clock stands still.
export async function openedCalls(page, count, timeoutMs = 5000) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const calls = await page.evaluate(() => window.__opened);
    if (calls.length >= count || Date.now() > deadline) return calls;
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

// Init script: window.alert records its message in window.__alerts instead of blocking.
export function recordAlerts() {
  window.__alerts = [];
  window.alert = (message) => {
    window.__alerts.push(String(message));
  };
}

// Init script, with argument { appName, appVersion }: the browser pretends to be another one.
export function pretendNavigator({ appName, appVersion }) {
  Object.defineProperty(Navigator.prototype, 'appName', { get: () => appName, configurable: true });
  Object.defineProperty(Navigator.prototype, 'appVersion', {
    get: () => appVersion,
    configurable: true,
  });
}
