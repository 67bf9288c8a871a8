// SPDX-License-Identifier: MIT
// The test's end of the bridge to webkit-browser.py.

import { EventEmitter } from 'node:events';
import { createServer } from 'node:net';
import { listen } from './page-server.mjs';

// The line-based JSON connection to webkit-browser.py.
export class Bridge extends EventEmitter {
  #socket;
  #next = 1;
  #answers = new Map();

  static async listen() {
    const bridge = new Bridge();
    bridge.connected = new Promise((resolve) => {
      bridge.server = createServer((socket) => {
        bridge.#attach(socket);
        resolve();
      });
    });
    bridge.port = await listen(bridge.server);
    return bridge;
  }

  #attach(socket) {
    this.#socket = socket;
    this.ended = new Promise((resolve) => socket.once('close', resolve));
    let buffer = '';
    socket.setEncoding('utf8');
    socket.on('data', (chunk) => {
      buffer += chunk;
      for (let end = buffer.indexOf('\n'); end >= 0; end = buffer.indexOf('\n')) {
        const message = JSON.parse(buffer.slice(0, end));
        buffer = buffer.slice(end + 1);
        if (message.event) this.emit(message.event, message);
        else this.#answers.get(message.id)?.(message);
      }
    });
  }

  async call(command) {
    await this.connected;
    const id = this.#next++;
    const answered = new Promise((resolve) => this.#answers.set(id, resolve));
    this.#socket.write(JSON.stringify({ id, ...command }) + '\n');
    await answered;
    this.#answers.delete(id);
  }

  close() {
    this.#socket?.destroy();
    this.server?.close();
  }
}

