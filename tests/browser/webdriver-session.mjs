// SPDX-License-Identifier: MIT
// A WebDriver session over HTTP, as WebKitWebDriver serves it.

import { TIMEOUT_MS } from './waits.mjs';

// One WebKitWebDriver and its browser: one WebDriver session.
export class Session {
  #base;

  constructor(port) {
    this.#base = `http://127.0.0.1:${port}`;
  }

  // `browser` is the driver's webkitgtk:browserOptions: the browser's program and arguments.
  async start(browser) {
    const { value } = await this.request('POST', '/session', {
      capabilities: {
        alwaysMatch: {
          'webkitgtk:browserOptions': browser,
          // No driver time-out for scripts: the driver would time them with the page's own
          // setTimeout, which the paused clock holds. Each request is limited here instead.
          timeouts: { script: null, pageLoad: TIMEOUT_MS, implicit: 0 },
        },
      },
    });
    this.#base += `/session/${value.sessionId}`;
  }

  async request(method, path, body) {
    const response = await fetch(this.#base + path, {
      method,
      headers: body === undefined ? {} : { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body),
      signal: AbortSignal.timeout(TIMEOUT_MS),
    });
    const answer = await response.json();
    if (!response.ok) {
      const { error, message } = answer.value ?? {};
      throw new Error(`${error}: ${message}`);
    }
    return answer;
  }

  async value(method, path, body) {
    return (await this.request(method, path, body)).value;
  }
}

