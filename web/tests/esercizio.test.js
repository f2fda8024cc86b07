// SPDX-License-Identifier: GPL-3.0-or-later
// Working the ten operations out on screen in Debian's Chromium: typed as a pupil types
// them, the digits worked out here by hand, each operation completes and the summary
// counts them; a wrong digit is said and not written; the ten operations are the command
// line's.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { openPage, siteAndBrowser } from './support.js';

const run = promisify(execFile);
const cli = process.env.ZELMORIO_CLI;
const shared = siteAndBrowser();

// The operation on screen, as its title shows it: "532 - 178 =".
const lineOn = async (page) =>
  (await page.textContent('#titolo-esercizio')).replace(/^Operazione \d+ di \d+: /, '');

// A result's digits from the units leftwards, as a pupil writes them.
const fromUnits = (value) => [...String(value)].reverse();

describe('working the lines out on screen', () => {
  const kinds = [
    ['%2B2', '+2', (line) => line.split(' + ').reduce((sum, n) => sum + Number(n.replace(/\D/g, '')), 0)],
    ['-', '-', (line) => { const [a, b] = line.split(' - ').map((n) => Number(n.replace(/\D/g, ''))); return a - b; }],
    ['x1', 'x1', (line) => { const [a, b] = line.split(' x ').map((n) => Number(n.replace(/\D/g, ''))); return a * b; }],
  ];
  for (const [query, kind, work] of kinds) {
    test(`?esercizio=999&tipo=${query}&seme=5: ten right at the first try`, async () => {
      const page = await shared.browser.newPage({ viewport: { width: 1366, height: 900 } });
      await openPage(page, shared.site.origin, `?esercizio=999&tipo=${query}&seme=5`);
      await page.focus('#griglia');
      const lines = [];
      for (let i = 0; i < 10; ++i) {
        lines.push(await lineOn(page));
        for (const digit of fromUnits(work(lines.at(-1)))) await page.keyboard.type(digit);
        // "Giusto!", the operation done on show; Enter goes on to the next.
        if (i < 9) {
          assert.equal(await page.textContent('#esito-esercizio'), 'Giusto!');
          await page.keyboard.press('Enter');
        }
      }
      const summary = page.locator('#riepilogo');
      assert.equal(await summary.isVisible(), true);
      assert.equal(await summary.getAttribute('data-giuste'), '10');
      assert.equal(await summary.getAttribute('data-suggerimenti'), '0');
      if (cli) {
        const { stdout } = await run(cli, ['--righe', '999', kind, '--seme', '5']);
        assert.deepEqual(lines, stdout.trim().split('\n').map((l) => l.trim()));
      }
      await page.close();
    });
  }

  test('a wrong digit is said and not written; the second shows the hint', async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1366, height: 900 } });
    await openPage(page, shared.site.origin, '?esercizio=999&tipo=-&seme=5');
    await page.focus('#griglia');
    const line = await lineOn(page);
    const [a, b] = line.split(' - ').map((n) => Number(n.replace(/\D/g, '')));
    const units = (a - b) % 10;
    const wrong = String((units + 1) % 10);
    const written = () => page.locator('#griglia .scritta').count();
    await page.keyboard.type(wrong);
    assert.equal(await page.textContent('#esito-esercizio'), 'Non è questa cifra: riprova.');
    assert.equal(await written(), 0);
    assert.equal(await page.isVisible('#suggerimento'), false);
    await page.keyboard.type(wrong);
    assert.equal(await page.isVisible('#suggerimento'), true);
    assert.match(await page.textContent('#suggerimento'), new RegExp(`scrivo ${units}`));
    await page.keyboard.type(String(units));
    assert.equal(await written(), 1);
    // "Mostra il passaggio" writes the next square and counts a hint; "Ricomincia" empties.
    await page.click('#mostra-passaggio');
    assert.equal(await written(), 2);
    await page.click('#ricomincia');
    assert.equal(await written(), 0);
    await page.close();
  });

  test('leaving shows the same ten as lines; a wrong value is told and opens nothing', async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1366, height: 900 } });
    await openPage(page, shared.site.origin, '?esercizio=999&tipo=-&seme=5');
    const first = await lineOn(page);
    await page.keyboard.press('Escape');
    assert.equal(await page.isVisible('#esercizio'), false);
    assert.equal(new URL(page.url()).search, '?righe=999&tipo=-&seme=5');
    assert.equal((await page.textContent('#righe li')).trim(), first);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'esercitati');
    await openPage(page, shared.site.origin, '?esercizio=999&tipo=x9');
    assert.equal(await page.isVisible('#esercizio'), false);
    assert.match(await page.textContent('#messaggio'), /x9/);
    await page.close();
  });

  test('a carry picked by keyboard alone is written and checked', async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1366, height: 900 } });
    await openPage(page, shared.site.origin, '?esercizio=999&tipo=%2B2&seme=5');
    await page.focus('#griglia');
    for (let i = 0; i < 10; ++i) {
      const [a, b] = (await lineOn(page)).split(' + ').map((n) => Number(n.replace(/\D/g, '')));
      const sum = a + b;
      if ((a % 10) + (b % 10) < 10) {
        for (const digit of fromUnits(sum)) await page.keyboard.type(digit);
        await page.keyboard.press('Enter');
        continue;
      }
      await page.keyboard.type(String(sum % 10));
      // Tab reaches the carry's small square, named as such; Enter picks it.
      let label = null;
      for (let t = 0; t < 5 && !label; ++t) {
        await page.keyboard.press('Tab');
        label = await page.evaluate(() => document.activeElement.dataset.passo !== undefined &&
          document.activeElement.getAttribute('aria-label'));
      }
      assert.match(label, /^riporto sulle decine/);
      await page.keyboard.press('Enter');
      const written = await page.locator('#griglia .scritta').count();
      await page.keyboard.type('7'); // no carry of two digits' units is 7
      assert.equal(await page.locator('#griglia .scritta').count(), written);
      await page.keyboard.type('1');
      assert.equal(await page.locator('#griglia .scritta').count(), written + 1);
      await page.close();
      return;
    }
    assert.fail('no addition with a carry among the ten');
  });

  // Each square tried as a pupil who guesses would: 0 to 9 and the comma until one is taken.
  // What was taken in the quotient's squares, by their names, is the quotient played.
  const playByTrying = (page) => page.evaluate(() => {
    const press = (key) => document.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true }));
    const title = () => document.getElementById('titolo-esercizio').textContent;
    const played = [];
    for (let op = 0; op < 10; ++op) {
      const line = title().replace(/^Operazione \d+ di \d+: /, '');
      let quotient = '';
      let guard = 0;
      const done = () => !document.getElementById('avanti-esercizio').hidden ||
        !document.getElementById('riepilogo').hidden;
      while (!done()) {
        const place = document.getElementById('posto').textContent;
        const before = document.querySelectorAll('#griglia .scritta').length;
        const started = title();
        for (const key of ['0', '1', '2', '3', '4', '5', '6', '7', '8', '9', ',']) {
          press(key);
          if (title() !== started || done() ||
              document.querySelectorAll('#griglia .scritta').length > before ||
              document.getElementById('posto').textContent !== place) {
            if (place.endsWith('del quoziente')) quotient += key;
            break;
          }
        }
        if (++guard > 200) throw new Error(`${line}: never ends`);
      }
      played.push({ line, quotient, goesOn: document.getElementById('griglia').textContent.includes('…') });
      document.getElementById('avanti-esercizio').click();
    }
    return played;
  });

  // "2788,766" as a whole number of hundredths of thousandths, and its places.
  const scaled = (text) => {
    const [whole, fraction = ''] = text.replace(/\./g, '').split(',');
    return { digits: BigInt(whole + fraction), places: fraction.length };
  };

  test('divisions and the five cases, played whole', async () => {
    for (const query of ['?esercizio=999&tipo=:&seme=7', '?esercizio=9999&tipo=:2&seme=7',
      '?esercizio=1&seme=7', '?esercizio=2&seme=7', '?esercizio=3&seme=7', '?esercizio=4&seme=7',
      '?esercizio=5&seme=3']) {
      const page = await shared.browser.newPage({ viewport: { width: 1366, height: 900 } });
      await openPage(page, shared.site.origin, query);
      const cases = !query.includes('tipo');
      for (const { line, quotient, goesOn } of await playByTrying(page)) {
        const [a, b] = line.replace(/ =$/, '').split(' : ').map(scaled);
        // a / b in hundredths (cases) or in units, worked here with whole numbers.
        const scale = cases ? 100n : 1n;
        const top = a.digits * 10n ** BigInt(b.places) * scale;
        const bottom = b.digits * 10n ** BigInt(a.places);
        const expected = top / bottom;
        const got = scaled(quotient);
        assert.equal(got.digits * scale / 10n ** BigInt(got.places), expected, `${query}: ${line} gave ${quotient}`);
        if (cases) assert.equal(goesOn, top % bottom !== 0n, `${query}: ${line} and its «…»`);
      }
      assert.equal(await page.isVisible('#riepilogo'), true, query);
      await page.close();
    }
  });

  test('at the whiteboard: large squares, Tab kept inside, Space reveals nothing', async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1920, height: 1080 } });
    await openPage(page, shared.site.origin, '?righe=999999&tipo=x3&seme=4');
    await page.click('#lavagna');
    await page.click('#esercitati-lavagna');
    assert.equal(await page.isVisible('#esercizio.alla-lavagna'), true);
    const side = await page.$eval('#griglia .quadretto', (q) => q.getBoundingClientRect().width);
    assert.ok(side >= 60, `squares of ${side} px`);
    const keys = await page.$$eval('.tastierino button', (all) => all.map((b) => b.getBoundingClientRect().height));
    assert.ok(Math.min(...keys) >= 48, `keypad keys of ${Math.min(...keys)} px`);
    for (let i = 0; i < 25; ++i) {
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.getElementById('esercizio').contains(document.activeElement)), true,
        `Tab ${i + 1} left the practice`);
    }
    const before = await page.locator('#griglia .scritta').count();
    await page.keyboard.press('Space');
    await page.keyboard.press('ArrowRight');
    assert.equal(await page.locator('#griglia .scritta').count(), before);
    // Esc leaves the practice for the whiteboard, which is still there.
    await page.keyboard.press('Escape');
    assert.equal(await page.isVisible('#esercizio'), false);
    assert.equal(await page.isVisible('#schermo-lavagna'), true);
    await page.close();
  });
});
