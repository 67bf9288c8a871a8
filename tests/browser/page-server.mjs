// SPDX-License-Identifier: MIT
// The local servers of the WebKit tests: the pages, on 127.0.0.1 only.

import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { dirname, extname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

// Listens on a free port of 127.0.0.1 and resolves with it.
export function listen(server) {
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve(server.address().port));
  });
}


const TYPES = {
  '.html': 'text/html',
  '.htm': 'text/html',
  '.gif': 'image/gif',
  '.js': 'text/javascript',
};

// Serves read-only the folders of the file: pages a test has loaded, and nothing else.
export class PageServer {
  #server;
  #folders = new Set();
  #port;

  async start() {
    this.#server = createServer((request, response) => this.#serve(request, response));
    this.#port = await listen(this.#server);
  }

  #serve(request, response) {
    const path = resolve(decodeURIComponent(new URL(request.url, 'http://host').pathname));
    const allowed = [...this.#folders].some((folder) => path.startsWith(folder + '/'));
    let isFile = false;
    try {
      isFile = allowed && request.method === 'GET' && statSync(path).isFile();
    } catch {
      isFile = false;
    }
    if (!isFile) {
      response.writeHead(404).end();
      return;
    }
    const type = TYPES[extname(path).toLowerCase()] ?? 'application/octet-stream';
    response.writeHead(200, { 'content-type': type, 'cache-control': 'no-store' });
    createReadStream(path).pipe(response);
  }

  // The address that serves `url`; other than file: addresses pass unchanged.
  address(url) {
    if (!url.startsWith('file:')) return url;
    const path = fileURLToPath(url);
    this.#folders.add(dirname(path));
    return `http://127.0.0.1:${this.#port}${encodeURI(path)}`;
  }

  close() {
    // Idle keep-alive connections would hold the test's process for five seconds more.
    this.#server?.closeAllConnections();
    this.#server?.close();
  }
}

