// SPDX-License-Identifier: MIT
// Playwright's element calls that the tests make, built on a frame's $eval, for the engines that
// Playwright does not drive (firefox.mjs, webkit.mjs).

export class DomCalls {
  inputValue(selector) {
    return this.$eval(selector, (element) => element.value);
  }

  textContent(selector) {
    return this.$eval(selector, (element) => element.textContent);
  }

  getAttribute(selector, name) {
    return this.$eval(selector, (element, attribute) => element.getAttribute(attribute), name);
  }

  // As Playwright fills: focus, select all, and insert the text as typed input.
  fill(selector, value) {
    return this.$eval(
      selector,
      (element, text) => {
        element.focus();
        element.select();
        if (text) document.execCommand('insertText', false, text);
        else document.execCommand('delete');
      },
      value,
    );
  }

  // `choice` is a value or label, or { value } or { label }; the option is chosen and the select
  // tells its listeners, as after a user's choice.
  selectOption(selector, choice) {
    const wanted = typeof choice === 'string' ? { any: choice } : choice;
    return this.$eval(
      selector,
      (select, { any, value, label }) => {
        const matches = (o) => {
          if (any !== undefined) return o.value === any || o.label === any;
          return value !== undefined ? o.value === value : o.label === label;
        };
        const option = [...select.options].find(matches);
        if (!option) throw new Error(`no option ${JSON.stringify({ any, value, label })}`);
        for (const o of select.options) o.selected = o === option;
        select.dispatchEvent(new Event('input', { bubbles: true }));
        select.dispatchEvent(new Event('change', { bubbles: true }));
        return [option.value];
      },
      wanted,
    );
  }
}
