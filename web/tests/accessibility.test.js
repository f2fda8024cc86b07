// SPDX-License-Identifier: GPL-3.0-or-later
// The page checked by axe-core in Debian's Chromium, in every state a teacher meets: at the
// start, with lines, at the whiteboard, with a preview in rows and in column form, with an
// error shown, and working an operation out (on its own and at the whiteboard).
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { openPage, siteAndBrowser } from './support.js';

const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

const shared = siteAndBrowser();

// The violations axe-core finds on the page as it stands, one line each.
async function violations(page) {
  // Evaluated through the DevTools protocol, which the page's content security policy
  // leaves alone (it forbids injected scripts).
  const found = await page.evaluate(`${axeSource}; axe.run(document).then((r) => r.violations.map(
    (v) => v.id + ' (' + v.impact + '): ' + v.nodes.map((n) => n.target.join(' ')).join(', ')))`);
  return found;
}

describe('no accessibility violation', () => {
  const states = [
    ['at the start', '', null],
    ['with ten lines', '?righe=999&tipo=m&seme=3', null],
    ['at the whiteboard', '?righe=999&tipo=m&seme=3', (page) => page.click('#lavagna')],
    ['with a preview in rows', '?scheda=999&tipo=-&soluzioni=1&nome=1&seme=5', null],
    ['with a preview in column form', '?scheda=4&in-colonna=5&per-colonna=10&soluzioni=1&seme=5', null],
    ['with an error shown', '?righe=999&tipo=x9', null],
    ['working an operation out', '?esercizio=999&tipo=-&seme=5', (page) => page.click('#mostra-passaggio')],
    ['working an operation out at the whiteboard', '?righe=999&tipo=x2&seme=3',
      async (page) => { await page.click('#lavagna'); await page.click('#esercitati-lavagna'); }],
  ];
  for (const [name, query, act] of states) {
    test(name, async () => {
      const page = await shared.browser.newPage({ viewport: { width: 1366, height: 900 } });
      await openPage(page, shared.site.origin, query);
      if (act) await act(page);
      assert.deepEqual(await violations(page), []);
      await page.close();
    });
  }

  test('every sheet of a preview reads as its lines', async () => {
    const page = await shared.browser.newPage();
    await openPage(page, shared.site.origin, '?scheda=4&in-colonna=5&per-colonna=10&colonne=1&soluzioni=1&seme=5');
    // Each sheet is drawn, with its text, as it comes near the view.
    await page.locator('.foglio svg').nth(1).waitFor({ state: 'attached' });
    const sheets = await page.$$eval('.foglio', (all) => all.map((sheet) => ({
      name: sheet.getAttribute('aria-label'),
      lines: [...sheet.querySelectorAll('.testo-foglio li')].map((li) => li.textContent),
      hidden: sheet.querySelector('svg').getAttribute('aria-hidden'),
    })));
    assert.equal(sheets.length, 2, 'a copy and the key');
    assert.deepEqual(sheets.map((s) => s.name), ['Foglio 1 di 2', 'Foglio 2 di 2']);
    for (const sheet of sheets) assert.equal(sheet.hidden, 'true');
    // Case IV: a decimal dividend by a decimal divisor; on the key, with its quotient.
    const [copy, key] = sheets.map((s) => s.lines);
    assert.equal(copy[0], 'Calcola le seguenti operazioni:');
    assert.equal(copy.filter((l) => /^[\d.]+,\d+ : \d*,\d+ =$/.test(l)).length, 10, copy.join('\n'));
    assert.equal(key.filter((l) => /^[\d.]+,\d+ : \d*,\d+ = [\d.,]+/.test(l)).length, 10, key.join('\n'));
    await page.close();
  });
});
