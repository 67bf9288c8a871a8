// SPDX-License-Identifier: MIT
// The waits of the engine adapters (firefox.mjs, webkit.mjs). They run in real time, since the
// pages' own clock stands still.

export const TIMEOUT_MS = 30_000;
const POLL_MS = 20;

export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Polls `probe` until it returns something truthy; `what` names the wait.
export async function waitUntil(probe, what, timeoutMs = TIMEOUT_MS) {
  const deadline = Date.now() + timeoutMs;
  for (;;) {
    const found = await probe();
    if (found) return found;
    if (Date.now() > deadline) throw new Error(`waited ${timeoutMs} ms in vain for ${what}`);
    await sleep(POLL_MS);
  }
}

// Playwright's page.waitForEvent: the first `event` of `emitter` that `predicate` accepts.
export function waitForEmitted(emitter, event, predicate = () => true) {
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => {
      emitter.off(event, listener);
      reject(new Error(`timed out waiting for ${event}`));
    }, TIMEOUT_MS);
    const listener = (value) => {
      if (!predicate(value)) return;
      clearTimeout(timer);
      emitter.off(event, listener);
      resolve(value);
    };
    emitter.on(event, listener);
  });
}
