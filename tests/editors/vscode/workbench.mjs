// SPDX-License-Identifier: MIT
// The user in front of code-server's workbench, for the VS Code host's tests: Debian's Chromium,
// driven by the playwright-core that tests/browser pins, opens the workbench and does what the
// test asks, one command a line on standard input, one answer a line on standard output ("ok",
// "ok DETAIL" or "error MESSAGE"):
//
//   open LINE COLUMN STATUSCOLUMN PATH   opens PATH with the cursor at LINE:COLUMN (from 1;
//                                        COLUMN in UTF-16 units, as VS Code counts), through
//                                        code-server's own `--reuse-window`, and answers once
//                                        the editor shows it there (its status bar says
//                                        "Ln LINE, Col STATUSCOLUMN", in characters)
//   closeall                             closes every editor, dropping unsaved changes
//   arm saveas PATH                      from now on answers every Save As with PATH
//   arm answer yes|no                    from now on answers "... already exists ... replace
//                                        it?" with Yes or No
//   disarm                               stops answering; says what was answered
//   screenshot PATH                      a picture of the page, to see what went wrong
//   quit                                 closes the browser and ends
//
// node workbench.mjs URL CLI-JSON: URL is the workbench's, CLI-JSON the command line (an array)
// that runs code-server's command-line client against the running server. No request leaves the
// machine: the page may reach the workbench's own server and nothing else.

import { execFile } from 'node:child_process';
import { createRequire } from 'node:module';
import { basename } from 'node:path';
import { createInterface } from 'node:readline';

const require = createRequire(new URL('../../browser/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const CHROMIUM_ARGS = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];
const WAIT_MS = 60_000;
// Bound to the command in the keybindings the driver writes into the profile.
const REVERT_AND_CLOSE_KEY = 'Control+Alt+Shift+F10';

const [url, cliJson] = process.argv.slice(2);
const cli = JSON.parse(cliJson || '[]');
const origin = new URL(url).origin;

function until(condition, what, timeoutMs = WAIT_MS) {
  return new Promise((resolve, reject) => {
    const deadline = Date.now() + timeoutMs;
    const poll = async () => {
      try {
        if (await condition()) return resolve();
      } catch (error) {
        return reject(error);
      }
      if (Date.now() > deadline) return reject(new Error(`timed out waiting for ${what}`));
      setTimeout(poll, 50);
    };
    poll();
  });
}

function runCli(args) {
  return new Promise((resolve) => {
    execFile(cli[0], [...cli.slice(1), ...args], (error, stdout, stderr) =>
      resolve(error ? String(stderr || error.message).trim() : ''),
    );
  });
}

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGS });
const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
await context.route(
  (address) => address.origin !== origin && !['data:', 'blob:'].includes(address.protocol),
  (route) => route.abort('blockedbyclient'),
);
const page = await context.newPage();
await page.goto(url);

const tabs = page.locator('.tabs-container .tab');
const statusSelection = page.locator('#status\\.editor\\.selection');
const quickInput = page.locator('.quick-input-widget');
const dialog = page.locator('.monaco-dialog-box');

async function open(line, column, statusColumn, path) {
  // The command-line client finds the window once its extension host has registered it.
  for (let first = Date.now(); ; ) {
    const failure = await runCli([`${path}:${line}:${column}`]);
    if (!failure) break;
    if (Date.now() - first > WAIT_MS) throw new Error(`code-server -r: ${failure}`);
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
  const name = basename(path);
  const where = `Ln ${line}, Col ${statusColumn}`;
  await until(
    async () =>
      (await page.locator('.tabs-container .tab.active').getAttribute('aria-label'))?.startsWith(
        name,
      ) && (await statusSelection.textContent())?.trim() === where,
    `${name} at ${where}`,
  );
}

async function closeAll() {
  await until(async () => {
    if ((await tabs.count()) === 0) return true;
    await page.keyboard.press(REVERT_AND_CLOSE_KEY);
    return false;
  }, 'every editor to close');
}

// What the armed answerers do, and how often they did it.
let armed = {};
let answered = {};

async function answerSaveAs(path) {
  if (!(await quickInput.isVisible())) return;
  const box = quickInput.locator('input.input');
  // The box puts the proposed path in first and selects its name; a value typed before that is
  // overwritten.
  const selected = await box.evaluate(
    (input) => input.value.length > 0 && input.selectionEnd > input.selectionStart,
  );
  if (!selected) return;
  // Enter on a path in another folder than the one listed first lists that folder, as the box's
  // user sees it happen, and takes the path only on the next Enter.
  for (let attempt = 0; attempt < 10; ++attempt) {
    if ((await box.inputValue()) !== path) await box.fill(path);
    await box.press('Enter');
    try {
      await until(async () => !(await quickInput.isVisible()), 'the Save As box to close', 2000);
      answered.saveas = (answered.saveas || 0) + 1;
      return;
    } catch {
      // Still open: the folder was listed, or the box was not ready; Enter again.
    }
  }
  throw new Error(`the Save As box did not take ${path}`);
}

async function answerReplace(button) {
  const question = dialog.filter({ hasText: /already exists.*replace it\?/s });
  if (!(await question.isVisible())) return;
  await question.getByRole('button', { name: button, exact: true }).click();
  await until(async () => !(await question.isVisible()), 'the question to close', 10_000);
  answered.answer = (answered.answer || 0) + 1;
}

// One look for each armed answerer, over and over until disarmed.
let watching = null;
function watch() {
  if (watching) return;
  watching = (async () => {
    while (Object.keys(armed).length) {
      try {
        if (armed.saveas) await answerSaveAs(armed.saveas);
        if (armed.answer) await answerReplace(armed.answer);
      } catch (error) {
        answered.failure = error.message;
      }
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    watching = null;
  })();
}

async function run(line) {
  const [command, ...words] = line.split(' ');
  switch (command) {
    case 'open': {
      const [lineNumber, column, statusColumn, ...path] = words;
      await open(lineNumber, column, statusColumn, path.join(' '));
      return '';
    }
    case 'closeall':
      await closeAll();
      return '';
    case 'arm': {
      const [what, ...rest] = words;
      if (what === 'saveas') armed.saveas = rest.join(' ');
      else if (what === 'answer') armed.answer = rest[0] === 'yes' ? 'Yes' : 'No';
      else throw new Error(`cannot arm ${what}`);
      watch();
      return '';
    }
    case 'disarm': {
      armed = {};
      await watching;
      const report = answered;
      answered = {};
      if (report.failure) throw new Error(report.failure);
      return Object.entries(report)
        .map(([what, count]) => `${what}=${count}`)
        .join(' ');
    }
    case 'screenshot':
      await page.screenshot({ path: words.join(' ') });
      return '';
    default:
      throw new Error(`unknown command ${command}`);
  }
}

await page.locator('.monaco-workbench .statusbar').waitFor({ timeout: WAIT_MS });
console.log('ok ready');

for await (const line of createInterface({ input: process.stdin })) {
  if (line === 'quit') break;
  try {
    const detail = await run(line);
    console.log(detail ? `ok ${detail}` : 'ok');
  } catch (error) {
    console.log(`error ${String(error.message).replace(/\n/g, ' ')}`);
  }
}
await browser.close();
