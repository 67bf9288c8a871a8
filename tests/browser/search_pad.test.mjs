// SPDX-License-Identifier: MIT
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { recordWindowOpen } from './browser.mjs';
import { VARIANTS, withPage } from './harness.mjs';

const FEATURES =
  'toolbar=yes,location=yes,directories=no,status=yes,menubar=no,scrollbars=yes,' +
  'resizable=yes,copyhistory=yes,width=600,height=500';

const ADDRESSES = {
  infoSeek: 'http://www.infoseek.com/Titles?qt=a+b++c&col=WW&sv=N3&lk=noframes&nh=10',
  Excite: 'http://www.excite.com/search.gw?c=web&search=a+b++c&trace=a&x=47&y=16',
  Lycos: 'http://www.lycos.com/cgi-bin/pursuit?query=a+b++c&cat=lycos&x=28&y=9',
  WebCrawler:
    'http://www.webcrawler.com/cgi-bin/WebQuery?mode=compact&maxHits=25&searchText=a+b++c',
  AltaVista: 'http://www.altavista.digital.com/cgi-bin/query?pg=q&what=web&fmt=.&q=a+b++c',
  HotBot:
    'http://www.hotbot.com/?SW=web&SM=MC&MT=a+b++c&DC=10&DE=2&RG=NA&_v=2' +
    '&act.search.x=85&act.search.y=3',
};

async function search(page, terms) {
  await page.fill('input[name=terms]', terms);
  await page.click('input[type=button][value="3. Search Now"]');
  return page.evaluate(() => window.__opened);
}

for (const variant of VARIANTS) {
  describe(`Search Pad, ${variant}`, () => {
    const pad = (check) =>
      withPage(`search-${variant}.html`, { initScripts: [recordWindowOpen] }, check);

    test('sends the terms, blanks made "+", to each engine in its own form', async () => {
      await pad(async (page) => {
        for (const [engine, address] of Object.entries(ADDRESSES)) {
          await page.selectOption('select[name=engine]', engine);
          await page.evaluate(() => (window.__opened = []));
          assert.deepEqual(await search(page, 'a b  c'), [[address, 'Results', FEATURES]], engine);
        }
      });
    });

    test('starts on Lycos and passes other characters unchanged', async () => {
      await pad(async (page) => {
        const [[address]] = await search(page, 'R&D ü"x\'');
        const expected = 'http://www.lycos.com/cgi-bin/pursuit?query=R&D+ü"x\'&cat=lycos&x=28&y=9';
        assert.equal(address, expected);
      });
    });

    test('the last selected engine wins', async () => {
      await pad(async (page) => {
        await page.evaluate(() => {
          const select = document.querySelector('select[name=engine]');
          select.multiple = true;
          for (const option of select.options) {
            option.selected = ['WebCrawler', 'AltaVista'].includes(option.text);
          }
        });
        const [[address]] = await search(page, 'a b  c');
        assert.equal(address, ADDRESSES.AltaVista);
      });
    });
  });
}
