// SPDX-License-Identifier: MIT
// Firefox ESR for the browser tests, driven by puppeteer-core over WebDriver BiDi behind the few
// Playwright-style calls the test files make, so that they run unchanged in either engine.

import { EventEmitter } from 'node:events';
import puppeteer from 'puppeteer-core';
import { DomCalls } from './dom-calls.mjs';
import { PausedClock } from './fake-clock.mjs';
import { waitForEmitted, waitUntil } from './waits.mjs';

export const FIREFOX_PATH = '/usr/bin/firefox-esr';
// Fails (never skips) when the browser cannot start. Time zone and window size are Playwright's.
export async function launchFirefox() {
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: FIREFOX_PATH,
    headless: true,
    defaultViewport: { width: 1280, height: 720 },
    env: { ...process.env, TZ: 'UTC' },
  });
  return new FirefoxBrowser(browser);
}

class FirefoxBrowser {
  #browser;

  constructor(browser) {
    this.#browser = browser;
  }

  // The whole browser runs in UTC, so that is the only time zone a context can have.
  async newContext({ timezoneId = 'UTC' } = {}) {
    if (timezoneId !== 'UTC') throw new Error(`Firefox runs in UTC only, not ${timezoneId}`);
    return new FirefoxContext(await this.#browser.createBrowserContext());
  }

  async close() {
    await this.#browser.close();
  }
}

// Emits 'page' for each popup, as a Playwright context does.
class FirefoxContext extends EventEmitter {
  #context;
  #pages = [];

  constructor(context) {
    super();
    this.#context = context;
  }

  async newPage() {
    return this.adopt(await this.#context.newPage());
  }

  adopt(page) {
    const adopted = new FirefoxPage(page, this);
    this.#pages.push(adopted);
    return adopted;
  }

  // Firefox keeps a page's preload scripts after the page has gone and goes on matching them
  // against every new document, which makes each later page slower; so they go first.
  async close() {
    for (const page of this.#pages) await page.removePreloadScripts();
    await this.#context.close();
  }
}

// The DOM calls shared by pages and frames, on one puppeteer frame.
class FirefoxFrame extends DomCalls {
  #frame;

  constructor(frame) {
    super();
    this.#frame = frame;
  }

  evaluate(fn, arg) {
    return arg === undefined ? this.#frame.evaluate(fn) : this.#frame.evaluate(fn, arg);
  }

  $eval(selector, fn, arg) {
    return this.#frame.$eval(selector, fn, arg);
  }

  $$eval(selector, fn, arg) {
    return this.#frame.$$eval(selector, fn, arg);
  }

  click(selector) {
    return this.#frame.click(selector);
  }

  hover(selector) {
    return this.#frame.hover(selector);
  }
}

class FirefoxPage extends FirefoxFrame {
  #page;
  #context;
  #events = new EventEmitter();
  #frames = new WeakMap();
  #frameNames = new Map();
  #preloads = [];

  constructor(page, context) {
    super(page.mainFrame());
    this.#page = page;
    this.#context = context;
    this.clock = new PausedClock(this);
    page.on('popup', (popup) => this.#announcePopup(popup));
  }

  // 'pageerror' and 'console' come straight from puppeteer, whose error and message objects
  // answer the same calls as Playwright's; 'popup' comes from here.
  on(event, listener) {
    if (event === 'popup') this.#events.on(event, listener);
    else this.#page.on(event, listener);
    return this;
  }

  waitForEvent(event, predicate) {
    return waitForEmitted(this.#events, event, predicate);
  }

  // A popup starts on about:blank; it is announced once it has its own address, so that a
  // listener can tell the popups apart by address, as in Chromium.
  async #announcePopup(popup) {
    const page = this.#context.adopt(popup);
    try {
      await waitUntil(() => popup.url() !== 'about:blank', 'the address of a popup', 5000);
    } catch {
      // A popup that stays blank is still a popup.
    }
    this.#events.emit('popup', page);
    this.#context.emit('page', page);
  }

  url() {
    return this.#page.url();
  }

  mainFrame() {
    return this.#wrap(this.#page.mainFrame());
  }

  frames() {
    return this.#page.frames().map((frame) => this.#wrap(frame));
  }

  // The frames of the document that goto last loaded, by the name they were given.
  frame({ name }) {
    const frame = [...this.#frameNames].find(([, frameName]) => frameName === name);
    return frame ? this.#wrap(frame[0]) : null;
  }

  #wrap(frame) {
    if (frame === this.#page.mainFrame()) return this;
    if (!this.#frames.has(frame)) this.#frames.set(frame, new FirefoxFrame(frame));
    return this.#frames.get(frame);
  }

  async goto(url) {
    await this.#page.goto(url);
    this.#frameNames.clear();
    for (const frame of this.#page.frames()) {
      this.#frameNames.set(frame, await frame.evaluate(() => window.name));
    }
  }

  async addInitScript(fn, arg) {
    if (arg === undefined) await this.addPreloadScript(fn);
    else await this.addPreloadScript(fn, arg);
  }

  async addPreloadScript(script, ...args) {
    const { identifier } = await this.#page.evaluateOnNewDocument(script, ...args);
    this.#preloads.push(identifier);
  }

  async removePreloadScripts() {
    if (this.#page.isClosed()) return;
    for (const identifier of this.#preloads.splice(0)) {
      await this.#page.removeScriptToEvaluateOnNewDocument(identifier);
    }
  }

  // Once the document at the page's address has loaded, as after a navigation or in a popup.
  async waitForLoadState() {
    await waitUntil(async () => {
      try {
        const [href, state] = await this.#page.evaluate(() => [location.href, document.readyState]);
        return href === this.#page.url() && state === 'complete';
      } catch {
        return false; // the document went while it was asked
      }
    }, `the load of ${this.#page.url()}`);
  }

  async waitForURL(pattern) {
    const matches = (url) => (typeof pattern === 'string' ? url === pattern : pattern.test(url));
    await waitUntil(() => matches(this.#page.url()), `an address matching ${pattern}`);
    await this.waitForLoadState();
  }
}
