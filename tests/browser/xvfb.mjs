// SPDX-License-Identifier: MIT
// An X server of the WebKit browser's own, as the editor tests start theirs.

import { spawn } from 'node:child_process';

// Resolves with the first line a child writes on standard output, as Xvfb -displayfd does.
function firstLine(child, what) {
  return new Promise((resolve, reject) => {
    let text = '';
    child.stdout.on('data', (chunk) => {
      text += chunk;
      if (text.includes('\n')) resolve(text.split('\n')[0].trim());
    });
    child.once('error', reject);
    child.once('exit', (code) => reject(new Error(`${what} ended (${code}) before it was ready`)));
  });
}


// An X server of the browser's own, on the first free display, as the editor tests start theirs.
export async function startXvfb() {
  const args = ['-displayfd', '1', '-nolisten', 'tcp', '-screen', '0', '1280x1024x24'];
  const server = spawn('Xvfb', args, { stdio: ['ignore', 'pipe', 'ignore'] });
  return { server, display: `:${await firstLine(server, 'Xvfb')}` };
}
