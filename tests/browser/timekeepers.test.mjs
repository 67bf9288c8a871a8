// SPDX-License-Identifier: MIT
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { VARIANTS, withPage } from './harness.mjs';

const value = (page, name) => page.inputValue(`input[name=${name}]`);
const press = (page, caption) => page.click(`input[type=button][value=${caption}]`);
const setCount = (page, hours, minutes, seconds) =>
  page.evaluate(([h, m, s]) => {
    thn = h;
    tmn = m;
    tsn = s;
  }, [hours, minutes, seconds]);

for (const variant of VARIANTS) {
  describe(`Clock, ${variant}`, () => {
    test('shows the time of day in two-digit fields and redraws every second', async () => {
      await withPage(`clock-${variant}.html`, { time: '2024-05-01T09:05:07Z' }, async (page) => {
        assert.equal(await value(page, 'ctm'), '09:05:07');
        for (const next of ['09:05:08', '09:05:09', '09:05:10']) {
          await page.clock.runFor(1000);
          assert.equal(await value(page, 'ctm'), next);
        }
        await page.clock.runFor(50_000);
        assert.equal(await value(page, 'ctm'), '09:06:00');
      });
    });

    test('goes from 23:59:59 to 00:00:00', async () => {
      await withPage(`clock-${variant}.html`, { time: '2024-05-01T23:59:59Z' }, async (page) => {
        assert.equal(await value(page, 'ctm'), '23:59:59');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ctm'), '00:00:00');
      });
    });
  });

  describe(`Timer, ${variant}`, () => {
    const timer = (check) => withPage(`timer-${variant}.html`, {}, check);

    test('loads showing zero and counts from the moment Start is pressed', async () => {
      await timer(async (page) => {
        assert.equal(await value(page, 'ttm'), '00:00:00');
        await page.clock.runFor(3000);
        await press(page, 'Reset');
        await press(page, 'Start');
        assert.equal(await value(page, 'ttm'), '00:00:00');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ttm'), '00:00:01');
        await page.clock.runFor(59_000);
        assert.equal(await value(page, 'ttm'), '00:01:00');
      });
    });

    test('wraps to 00:00:00 after 23:59:59', async () => {
      await timer(async (page) => {
        await setCount(page, 23, 59, 58);
        await press(page, 'Start');
        assert.equal(await value(page, 'ttm'), '23:59:58');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ttm'), '23:59:59');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ttm'), '00:00:00');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ttm'), '00:00:01');
      });
    });

    test('a second Start steps once but does not double the speed', async () => {
      await timer(async (page) => {
        await press(page, 'Start');
        await press(page, 'Start');
        assert.equal(await value(page, 'ttm'), '00:00:01');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ttm'), '00:00:02');
        await page.clock.runFor(3000);
        assert.equal(await value(page, 'ttm'), '00:00:05');
      });
    });

    test('Stop holds the count and Start resumes from it', async () => {
      await timer(async (page) => {
        await press(page, 'Start');
        await page.clock.runFor(2000);
        assert.equal(await value(page, 'ttm'), '00:00:02');
        await press(page, 'Stop');
        await page.clock.runFor(5000);
        assert.equal(await value(page, 'ttm'), '00:00:02');
        await press(page, 'Start');
        assert.equal(await value(page, 'ttm'), '00:00:03');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ttm'), '00:00:04');
      });
    });

    test('Reset stops the count and shows zero', async () => {
      await timer(async (page) => {
        await press(page, 'Start');
        await page.clock.runFor(4000);
        await press(page, 'Reset');
        assert.equal(await value(page, 'ttm'), '00:00:00');
        await page.clock.runFor(3000);
        assert.equal(await value(page, 'ttm'), '00:00:00');
      });
    });
  });

  describe(`ISP Cost Calculator, ${variant}`, () => {
    const calculator = (check) => withPage(`isp-${variant}.html`, {}, check);

    test('2.00 per hour costs 3 at 1:30:00', async () => {
      await calculator(async (page) => {
        await page.fill('input[name=tcph]', '2.00');
        await setCount(page, 1, 30, 0);
        await press(page, 'Start');
        assert.equal(await value(page, 'ttm'), '01:30:00');
        assert.equal(await value(page, 'tcst'), '3');
      });
    });

    test('the cost is cut down to whole hundredths as the time runs', async () => {
      await calculator(async (page) => {
        await page.fill('input[name=tcph]', '1');
        await press(page, 'Start');
        assert.equal(await value(page, 'tcst'), '0');
        await page.clock.runFor(35_000);
        assert.equal(await value(page, 'ttm'), '00:00:35');
        assert.equal(await value(page, 'tcst'), '0');
        await page.clock.runFor(1000);
        assert.equal(await value(page, 'ttm'), '00:00:36');
        assert.equal(await value(page, 'tcst'), '0.01');
      });
    });

    test('a cost per hour that is not a number shows NaN', async () => {
      await calculator(async (page) => {
        await page.fill('input[name=tcph]', 'abc');
        await press(page, 'Start');
        await page.clock.runFor(2000);
        assert.equal(await value(page, 'tcst'), 'NaN');
      });
    });

    test('Reset stops and shows zero time and cost', async () => {
      await calculator(async (page) => {
        await page.fill('input[name=tcph]', '60');
        await press(page, 'Start');
        await page.clock.runFor(90_000);
        assert.equal(await value(page, 'tcst'), '1.5');
        await press(page, 'Reset');
        assert.equal(await value(page, 'tcst'), '0.00');
        assert.equal(await value(page, 'ttm'), '00:00:00');
        await page.clock.runFor(3000);
        assert.equal(await value(page, 'ttm'), '00:00:00');
      });
    });
  });
}
