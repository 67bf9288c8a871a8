// SPDX-License-Identifier: MIT
// The paused clock of a Firefox or WebKit page: @sinonjs/fake-timers, run as a preload script in every
// document before the document's own scripts, with the clock standing still until the test
// ticks it. Chromium has this built in (page.clock); Firefox and WebKit have not.

import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);

// The package ships as one CommonJS file whose only import the page can do without: its
// "@sinonjs/commons" merely names the global object. Node's own modules it asks for are optional.
const FAKE_TIMERS_SOURCE = readFileSync(require.resolve('@sinonjs/fake-timers'), 'utf8');

// What the page's clock replaces, as Playwright's clock does.
const FAKED = [
  'Date',
  'setTimeout',
  'clearTimeout',
  'setInterval',
  'clearInterval',
  'requestAnimationFrame',
  'cancelAnimationFrame',
  'requestIdleCallback',
  'cancelIdleCallback',
  'performance',
];

// Runs in the page. Real browsers accept code as text in setTimeout and setInterval and run it
// as global code, and an error thrown by a timer is the page's uncaught error; fake-timers refuses
// text and lets the error escape from tick(), which would end the test's tick instead of showing
// up as the page's error. Both are put right here.
function installClock(FakeTimers, now, faked) {
  // Only what the engine has: WebKit has no requestIdleCallback.
  const toFake = faked.filter((name) => name in globalThis);
  const clock = FakeTimers.install({ now, toFake, shouldAdvanceTime: false });
  const asFunction = (handler) => {
    const run = typeof handler === 'function' ? handler : () => (0, eval)(String(handler));
    return function (...args) {
      try {
        run.apply(this, args);
      } catch (error) {
        reportError(error);
      }
    };
  };
  for (const name of ['setTimeout', 'setInterval']) {
    const faked = window[name];
    window[name] = function (handler, delay, ...args) {
      return faked(asFunction(handler), delay, ...args);
    };
  }
  Object.defineProperty(window, '__vorrelClock', { value: clock });
}

// The preload script's body: the clock stands still at `now` (milliseconds since the epoch).
export function clockPreload(now) {
  return `
    const module = { exports: {} };
    const require = (name) => {
      if (name === '@sinonjs/commons') return { global: globalThis };
      throw new Error('not in a page: ' + name);
    };
    (function (module, exports, require) {
      ${FAKE_TIMERS_SOURCE}
    })(module, module.exports, require);
    (${installClock})(module.exports, ${JSON.stringify(now)}, ${JSON.stringify(FAKED)});
  `;
}

// Runs in the page: moves its clock on by `ms`, firing every timer due on the way; false when the
// document has no clock.
export function tickClock(ms) {
  if (!window.__vorrelClock) return false;
  window.__vorrelClock.tick(ms);
  return true;
}

// Playwright's page.clock as the tests use it: install, then pauseAt before the page loads, then
// runFor. Every document of the page starts at the paused time. `page` is an adapter's page, with
// url(), frames(), mainFrame() and addPreloadScript().
export class PausedClock {
  #page;
  #installed = false;

  constructor(page) {
    this.#page = page;
  }

  async install() {
    this.#installed = true;
  }

  async pauseAt(time) {
    if (!this.#installed) throw new Error('install the clock before pausing it');
    if (this.#page.url() !== 'about:blank') throw new Error('pause the clock before loading');
    await this.#page.addPreloadScript(clockPreload(new Date(time).getTime()));
  }

  // Every frame's clock ticks on by `ms`; the main document must have one.
  async runFor(ms) {
    for (const frame of this.#page.frames()) {
      const ticked = await frame.evaluate(tickClock, ms);
      if (!ticked && frame === this.#page.mainFrame()) {
        throw new Error('the page has no clock: install it before loading the page');
      }
    }
  }
}
