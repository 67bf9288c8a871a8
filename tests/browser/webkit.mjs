// SPDX-License-Identifier: MIT
// WebKit for the browser tests: Debian's WebKitWebDriver over classic WebDriver, driving the small
// WebKit2GTK browser of this folder (webkit-browser.py), behind the few Playwright-style calls the
// test files make. The driver speaks no WebDriver BiDi, so scripts at document start, page errors
// and popups come from that browser over a bridge of its own. Pages given as file: addresses are
// served over HTTP on 127.0.0.1 instead, since WebKit hides the script errors of a file: page as
// "Script error." unless files may read files, which stays closed.

import { spawn } from 'node:child_process';
import { EventEmitter } from 'node:events';
import { accessSync, constants, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { DomCalls } from './dom-calls.mjs';
import { PausedClock } from './fake-clock.mjs';
import { listen, PageServer } from './page-server.mjs';
import { Session } from './webdriver-session.mjs';
import { Bridge } from './webkit-bridge.mjs';
import { waitForEmitted, waitUntil } from './waits.mjs';
import { startXvfb } from './xvfb.mjs';

export const WEBKIT_DRIVER_PATH = '/usr/bin/WebKitWebDriver';
// Debian's own Python, which has gi; another python3 first on PATH may not.
export const PYTHON_PATH = '/usr/bin/python3';
const BROWSER_SCRIPT = fileURLToPath(new URL('./webkit-browser.py', import.meta.url));
const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';
const FRAME_ELEMENTS = 'iframe, frame';
const UNDEFINED_MARK = '\u0000undefined';
const UNDEFINED = JSON.stringify(UNDEFINED_MARK);

function restoreUndefined(value) {
  if (value === UNDEFINED_MARK) return undefined;
  if (Array.isArray(value)) return value.map(restoreUndefined);
  if (value && typeof value === 'object') {
    return Object.fromEntries(Object.entries(value).map(([k, v]) => [k, restoreUndefined(v)]));
  }
  return value;
}

// Fails (never skips) when the driver, Debian's Python or its gi cannot start the browser.
export async function launchWebKit() {
  for (const program of [WEBKIT_DRIVER_PATH, PYTHON_PATH]) {
    try {
      accessSync(program, constants.X_OK);
    } catch {
      throw new Error(`${program} is missing: WebKit needs webkit2gtk-driver and python3-gi`);
    }
  }
  const browser = new WebKitBrowser();
  try {
    await browser.start();
  } catch (error) {
    // What did start must not outlive the failure, or it would hold the test's process.
    await browser.close();
    throw error;
  }
  return browser;
}

// One driver and browser serve every context in turn: a fresh one costs about a second.
class WebKitBrowser {
  #xvfb;
  #pages = new PageServer();
  #driver;
  #contexts = new Set();

  async start() {
    this.#xvfb = await startXvfb();
    await this.#pages.start();
    this.#driver = new Driver(this.#pages);
    await this.#driver.start(this.#xvfb.display);
  }

  // The driver and its browser run in UTC, so that is the only time zone a context can have.
  async newContext({ timezoneId = 'UTC' } = {}) {
    if (timezoneId !== 'UTC') throw new Error(`WebKit runs in UTC only, not ${timezoneId}`);
    const context = new WebKitContext(this.#driver);
    this.#contexts.add(context);
    context.once('closed', () => this.#contexts.delete(context));
    return context;
  }

  async close() {
    try {
      for (const context of this.#contexts) await context.close();
      await this.#driver?.close();
    } finally {
      this.#pages.close();
      this.#xvfb?.server.kill();
    }
  }
}

// WebKitWebDriver, its session and the bridge to its browser. The session's first window stays
// open and unused, since closing a session's last window ends the session. The browser names
// each window the driver opens by a number of its own, its view, and tells the events of that
// window and its popups by it.
class Driver {
  pages;
  #process;
  #home;
  #bridge;
  #session;
  #current;
  #spare;
  #known = new Set();
  #lastView;
  #windows = new Map(); // view -> the context's first page
  #early = new Map(); // view -> events that came before their page was known
  #queue = Promise.resolve();

  constructor(pages) {
    this.pages = pages;
  }

  async start(display) {
    this.#bridge = await Bridge.listen();
    // A free port for the driver: take one and give it back at once.
    const probe = createServer();
    const driverPort = await listen(probe);
    probe.close();
    this.#home = mkdtempSync(join(tmpdir(), 'vorrel-webkit-'));
    const folders = ['XDG_DATA_HOME', 'XDG_CACHE_HOME', 'XDG_CONFIG_HOME'].map((name) => [
      name,
      join(this.#home, name),
    ]);
    const env = {
      ...process.env,
      ...Object.fromEntries(folders),
      MESA_SHADER_CACHE_DISABLE: 'true',
      DISPLAY: display,
      WAYLAND_DISPLAY: '',
      GDK_BACKEND: 'x11',
      TZ: 'UTC',
    };
    this.#process = spawn(WEBKIT_DRIVER_PATH, [`--port=${driverPort}`], {
      env,
      stdio: ['ignore', 'ignore', 'inherit'],
    });
    this.#session = new Session(driverPort);
    await waitUntil(async () => {
      const { exitCode, signalCode } = this.#process;
      if (exitCode !== null || signalCode !== null) {
        throw new Error(`WebKitWebDriver ended (${exitCode ?? signalCode}) before it was ready`);
      }
      try {
        return (await this.#session.request('GET', '/status')).value.ready;
      } catch {
        return false;
      }
    }, 'WebKitWebDriver');
    this.#bridge.on('window', ({ view }) => {
      this.#lastView = view;
    });
    this.#bridge.on('pageerror', (report) => {
      this.#route(report, 'pageerror', new Error(report.message));
    });
    this.#bridge.on('console', (report) => {
      const message = { type: () => 'error', text: () => report.message };
      this.#route(report, 'console', message);
    });
    this.#bridge.on('popup', ({ view }) => this.#findPopups(view));
    await this.#session.start({
      binary: PYTHON_PATH,
      args: [BROWSER_SCRIPT, '--bridge', String(this.#bridge.port)],
    });
    this.#current = await this.#session.value('GET', '/window');
    this.#spare = this.#current;
    this.#known.add(this.#current);
  }

  // A new window, with the browser's view of it. Only this opens windows, one at a time, so the
  // view the browser announced last is this window's.
  async newWindow() {
    // A new window is opened from a window that is still open.
    const from = { page: { handle: this.#spare } };
    const { handle } = await this.command(from, 'POST', '/window/new', { type: 'window' });
    await this.barrier();
    this.#known.add(handle);
    return { handle, view: this.#lastView };
  }

  // `page` is the first page of `view`'s family; the events that came before it are its now.
  adoptWindow(view, page) {
    this.#windows.set(view, page);
    this.#retry(view);
  }

  forgetWindow(view) {
    this.#windows.delete(view);
    this.#early.delete(view);
  }

  async closeWindow(handle) {
    await this.command({ page: { handle } }, 'DELETE', '/window');
    this.#current = undefined;
  }

  // An event goes to the page it happened in: the family's first page, or the popup it names.
  // One that comes before that page is known waits for it.
  #route(report, event, value) {
    const first = this.#windows.get(report.view);
    const page = report.popup ? first?.context.popupFor(report) : first;
    if (page) {
      page.events.emit(event, value);
    } else {
      if (!this.#early.has(report.view)) this.#early.set(report.view, []);
      this.#early.get(report.view).push([report, event, value]);
    }
  }

  // The early events of a family, once its first page or one of its popups is known.
  #retry(view) {
    const early = this.#early.get(view) ?? [];
    this.#early.delete(view);
    for (const [report, event, value] of early) this.#route(report, event, value);
  }

  async #findPopups(view) {
    const context = this.#windows.get(view)?.context;
    const handles = await this.command(null, 'GET', '/window/handles');
    for (const handle of handles) {
      if (this.#known.has(handle)) continue;
      this.#known.add(handle);
      await context?.adoptPopup(handle);
    }
    this.#retry(view);
  }

  // Runs one WebDriver command in `target`'s window and frame (any window when null), one command
  // at a time, since switching window or frame is the session's state.
  command(target, method, path, body) {
    const run = async () => {
      if (target) {
        if (this.#current !== target.page.handle) {
          await this.#session.request('POST', '/window', { handle: target.page.handle });
          this.#current = target.page.handle;
        }
        await this.#session.request('POST', '/frame', { id: null });
        if (target.frameIndex !== undefined) {
          await this.#session.request('POST', '/frame', { id: target.frameIndex });
        }
      }
      return this.#session.value(method, path, body);
    };
    const result = this.#queue.then(run, run);
    this.#queue = result.catch(() => {});
    return result;
  }

  // Every error and popup the commands so far caused has been reported once this returns.
  barrier() {
    return this.#bridge.call({ barrier: true });
  }

  setScripts(view, scripts) {
    return this.#bridge.call({ view, scripts });
  }

  async close() {
    if (!this.#process) return;
    try {
      await this.#session.request('DELETE', '');
    } catch {
      // The browser is ended with its driver below.
    }
    // The browser ends with its session; its web processes may still be writing their caches
    // for a moment after, hence the retries.
    const giveUp = new Promise((resolve) => setTimeout(resolve, 5000).unref());
    await Promise.race([this.#bridge.ended, giveUp]);
    this.#bridge.close();
    const driver = this.#process;
    if (driver.exitCode === null && driver.signalCode === null) {
      const driverEnded = new Promise((resolve) => driver.once('exit', resolve));
      driver.kill();
      await driverEnded;
    }
    this.#process = null;
    rmSync(this.#home, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  }
}

// A context is a window of its own and the popups it opens; it emits 'page' for each popup.
// Contexts share the browser's storage, which no test here relies on.
class WebKitContext extends EventEmitter {
  #driver;
  #openPages = [];
  #closed = false;

  constructor(driver) {
    super();
    this.#driver = driver;
  }

  get pages() {
    return this.#driver.pages;
  }

  get first() {
    return this.#openPages[0];
  }

  // The context's one page; popups come on their own.
  async newPage() {
    if (this.#openPages.length) throw new Error('a WebKit context has one page of its own');
    const { handle, view } = await this.#driver.newWindow();
    const page = new WebKitPage(this, handle);
    this.view = view;
    this.#openPages.push(page);
    this.#driver.adoptWindow(view, page);
    return page;
  }

  // The popup an event names by its window's name, or else its address; a popup not yet adopted
  // is none, and its events wait.
  popupFor({ name, href }) {
    const popups = this.#openPages.slice(1);
    const named = name ? popups.find((popup) => popup.windowName === name) : undefined;
    return named ?? popups.find((popup) => popup.url() === href);
  }

  async adoptPopup(handle) {
    const popup = new WebKitPage(this, handle);
    this.#openPages.push(popup);
    try {
      const away = async () => (await popup.currentUrl()) !== 'about:blank';
      await waitUntil(away, 'the address of a popup', 5000);
      popup.windowName = await popup.evaluate(() => window.name);
    } catch {
      // A popup that stays blank, or has closed itself, is still a popup.
    }
    for (const page of this.#openPages) if (page !== popup) page.events.emit('popup', popup);
    this.emit('page', popup);
  }

  command(target, method, path, body) {
    return this.#driver.command(target, method, path, body);
  }

  barrier() {
    return this.#driver.barrier();
  }

  setScripts(scripts) {
    return this.#driver.setScripts(this.view, scripts);
  }

  async close() {
    if (this.#closed) return;
    this.#closed = true;
    await this.#driver.barrier();
    this.#driver.forgetWindow(this.view);
    for (const page of this.#openPages) {
      try {
        await this.#driver.closeWindow(page.handle);
      } catch {
        // A popup may have closed itself.
      }
    }
    this.emit('closed');
  }
}

// The DOM calls shared by pages and frames, in one frame of one window.
class WebKitFrame extends DomCalls {
  constructor(page, frameIndex) {
    super();
    this.page = page;
    this.frameIndex = frameIndex;
  }

  async #run(method, path, body) {
    const value = await this.page.context.command(this, method, path, body);
    await this.page.context.barrier();
    return value;
  }

  // The function runs in the page on `args`, from `body` (text that calls it); its result comes
  // back as JSON in which undefined is kept, since WebDriver would turn it into null and the
  // tests tell the two apart, as Playwright does.
  async #call(body, args) {
    const script = `const result = await (async () => { ${body} })();
      return JSON.stringify(result === undefined ? ${UNDEFINED} : result,
        (key, value) => (value === undefined ? ${UNDEFINED} : value));`;
    const text = await this.#run('POST', '/execute/sync', { script, args });
    return restoreUndefined(JSON.parse(text));
  }

  evaluate(fn, arg) {
    return this.#call(`return (${fn}).apply(null, arguments);`, arg === undefined ? [] : [arg]);
  }

  $eval(selector, fn, arg) {
    const body = `const element = document.querySelector(arguments[0]);
      if (!element) throw new Error('no element matches ' + arguments[0]);
      return (${fn})(element, arguments[1]);`;
    return this.#call(body, [selector, arg ?? null]);
  }

  $$eval(selector, fn, arg) {
    const body = `return (${fn})([...document.querySelectorAll(arguments[0])], arguments[1]);`;
    return this.#call(body, [selector, arg ?? null]);
  }

  async #element(selector) {
    const found = await this.page.context.command(this, 'POST', '/element', {
      using: 'css selector',
      value: selector,
    });
    return found[ELEMENT];
  }

  async click(selector) {
    const id = await this.#element(selector);
    await this.#run('POST', `/element/${id}/click`, {});
  }

  // The driver keeps the pointer where the last window left it, so it first goes to the corner:
  // a move to where it already is would not be seen as the pointer coming over the element.
  async hover(selector) {
    const id = await this.#element(selector);
    const origin = { [ELEMENT]: id };
    await this.#run('POST', '/actions', {
      actions: [
        {
          type: 'pointer',
          id: 'mouse',
          actions: [
            { type: 'pointerMove', origin: 'viewport', x: 0, y: 0 },
            { type: 'pointerMove', origin, x: 0, y: 0 },
          ],
        },
      ],
    });
  }
}

class WebKitPage extends WebKitFrame {
  events = new EventEmitter();
  #scripts = [];
  #frameNames = [];
  #frames = new Map();
  #url = 'about:blank';

  constructor(context, handle) {
    super(null, undefined);
    this.page = this;
    this.context = context;
    this.handle = handle;
    this.clock = new PausedClock(this);
  }

  on(event, listener) {
    this.events.on(event, listener);
    return this;
  }

  waitForEvent(event, predicate) {
    return waitForEmitted(this.events, event, predicate);
  }

  // The address last seen; popups learn theirs as they load.
  url() {
    return this.#url;
  }

  async currentUrl() {
    this.#url = await this.context.command(this, 'GET', '/url');
    return this.#url;
  }

  mainFrame() {
    return this;
  }

  frames() {
    return [this, ...this.#frameNames.map((_, i) => this.#frame(i))];
  }

  frame({ name }) {
    const index = this.#frameNames.indexOf(name);
    return index >= 0 ? this.#frame(index) : null;
  }

  #frame(index) {
    if (!this.#frames.has(index)) this.#frames.set(index, new WebKitFrame(this, index));
    return this.#frames.get(index);
  }

  async goto(url) {
    await this.context.setScripts(this.#scripts);
    await this.context.command(this, 'POST', '/url', { url: this.context.pages.address(url) });
    await this.currentUrl();
    this.#frameNames = await this.evaluate(
      (selector) => [...document.querySelectorAll(selector)].map((f) => f.name),
      FRAME_ELEMENTS,
    );
    this.#frames.clear();
  }

  async addInitScript(fn, arg) {
    this.addPreloadScript(`(${fn})(${arg === undefined ? '' : JSON.stringify(arg)});`);
  }

  addPreloadScript(source) {
    this.#scripts.push(source);
  }

  async waitForLoadState() {
    await waitUntil(async () => {
      try {
        const state = await this.evaluate(() => document.readyState);
        await this.currentUrl();
        return state === 'complete';
      } catch {
        return false; // the document went while it was asked
      }
    }, `the load of ${this.#url}`);
  }

  async waitForURL(pattern) {
    const matches = (url) => (typeof pattern === 'string' ? url === pattern : pattern.test(url));
    await waitUntil(async () => matches(await this.currentUrl()), `an address matching ${pattern}`);
    await this.waitForLoadState();
  }
}
