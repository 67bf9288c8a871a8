// SPDX-License-Identifier: MIT
'use strict';

// The host's automation object on the session bus: the interface Wexdor4.Plugin at
// /Wexdor4/Plugin, as the protocol's XML beside this folder describes it, on the name
// Wexdor4.Plugin. This adaptor is the one place that turns the host's values and failures into the
// protocol's answers.

const fs = require('fs');
const path = require('path');
const dbus = require('@particle/dbus-next');
const xml2js = require('xml2js');
const { HostError, NoDocument } = require('./errors');

const BUS_NAME = 'Wexdor4.Plugin';
const ERROR_NAME = 'Wexdor4.Plugin.Error';
// getworkdir's answer when no document is open; an untitled document answers "".
const NO_DOCUMENT_FOLDER = '1error';
const RUNNING_METHOD = 'WM_ISWEXDORRUNNING';

const PROTOCOL_XML = path.join(__dirname, '..', 'Wexdor4.Plugin.xml');
const INTROSPECTABLE = 'org.freedesktop.DBus.Introspectable';

// The object's path, its interface's name and each method's in and out signatures.
async function readProtocol() {
  const xml = fs.readFileSync(PROTOCOL_XML, 'utf8');
  const node = (await xml2js.parseStringPromise(xml)).node;
  const iface = node.interface[0];
  const methods = new Map();
  for (const method of iface.method) {
    const args = (method.arg || []).map((arg) => arg.$);
    const signature = (direction) =>
      args.filter((arg) => (arg.direction || 'in') === direction).map((arg) => arg.type).join('');
    methods.set(method.$.name, { in: signature('in'), out: signature('out') });
  }
  return { xml, path: node.$.name, interface: iface.$.name, methods };
}

class Adaptor {
  // `host` carries the calls out on the editor; `log(text)` reports what the user may want to
  // know about the bus connection.
  constructor(host, log) {
    this.host = host;
    this.log = log;
    this.bus = null;
    this.protocol = null;
    // Calls are carried out one after another, in the order they came: a put that comes while a
    // Save As dialog is open waits until the save is over.
    this.queue = Promise.resolve();
  }

  async start() {
    this.protocol = await readProtocol();
    this.bus = dbus.sessionBus();
    this.bus.on('error', (error) => this.log(`The session bus failed: ${error.message || error}`));
    this.bus.addMethodHandler((message) => {
      try {
        return this.dispatch(message);
      } catch (error) {
        this.fail(message, error);
        return true;
      }
    });
  }

  // Asks for the bus name. With `takeOver` this window takes it from the one that holds it;
  // without it, it waits in the bus's queue for the name. Either way another window may take it.
  async own(takeOver) {
    if (!this.bus)
      return;
    const flags = dbus.NameFlag.ALLOW_REPLACEMENT | (takeOver ? dbus.NameFlag.REPLACE_EXISTING : 0);
    try {
      await this.bus.requestName(BUS_NAME, flags);
    } catch (error) {
      this.log(`Cannot ask for the bus name ${BUS_NAME}: ${error.message || error}`);
    }
  }

  stop() {
    if (this.bus) {
      this.bus.disconnect();
      this.bus = null;
    }
  }

  dispatch(message) {
    if (message.path !== this.protocol.path)
      return false;
    if (message.interface === INTROSPECTABLE && message.member === 'Introspect') {
      this.reply(message, 's', [this.protocol.xml]);
      return true;
    }
    if (message.interface && message.interface !== this.protocol.interface)
      return false;
    const method = this.protocol.methods.get(message.member);
    if (!method)
      return false;
    if ((message.signature || '') !== method.in) {
      this.bus.send(dbus.Message.newError(message, 'org.freedesktop.DBus.Error.InvalidArgs',
                                          `${message.member} takes (${method.in}), not ` +
                                            `(${message.signature || ''}).`));
      return true;
    }
    // The wizard's search for a host gives each connection two seconds, whatever is waiting.
    if (message.member === RUNNING_METHOD) {
      this.reply(message, method.out, [1]);
      return true;
    }
    const run = () => this.answer(message, method);
    this.queue = this.queue.then(run, run);
    return true;
  }

  async answer(message, method) {
    try {
      const body = await this.call(message.member, message.body);
      this.reply(message, method.out, method.out ? [body] : []);
    } catch (error) {
      this.fail(message, error);
    }
  }

  // The value a method answers; a HostError for a call that cannot be carried out.
  async call(member, args) {
    const host = this.host;
    switch (member) {
    case 'getworkdir':
      return this.folderAnswer();
    case 'isopendoc':
      return host.hasDocument() ? 'true' : 'false';
    case 'opennewfile':
      return host.openNew();
    case 'forcesave':
      return host.save();
    case 'puttextatcursor':
      return host.putAtCursor(args[0]);
    case 'puttextbody':
    case 'puttextinbody':
    case 'puttexthead':
      return host.put(member.slice('puttext'.length), args[0]);
    case 'copyfiles':
      return host.copyFiles(args[0]);
    case 'browserpreview':
      return host.preview(args[0]);
    default:
      throw new HostError(`The VS Code host does not know the call ${member}.`);
    }
  }

  folderAnswer() {
    try {
      return this.host.workDir() || '';
    } catch (error) {
      if (error instanceof NoDocument)
        return NO_DOCUMENT_FOLDER;
      throw error;
    }
  }

  reply(message, signature, body) {
    this.send(dbus.Message.newMethodReturn(message, signature, body));
  }

  fail(message, error) {
    let text = error && error.message;
    if (!(error instanceof HostError)) {
      // A fault of ours must still answer the waiting wizard.
      this.log(`${message.member} failed: ${(error && error.stack) || error}`);
      text = `The VS Code extension failed: ${text || error}`;
    }
    this.send(dbus.Message.newError(message, ERROR_NAME, text));
  }

  send(reply) {
    try {
      if (this.bus)
        this.bus.send(reply);
    } catch (error) {
      this.log(`Cannot answer ${reply.replySerial}: ${error.message || error}`);
    }
  }
}

module.exports = { Adaptor };
