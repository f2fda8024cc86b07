// SPDX-License-Identifier: GPL-3.0-or-later
// The page's worksheets in Debian's Chromium: the same sheets as the command line's PDF,
// printed through the browser, and a teacher's use of the worksheet's choices.
import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { openPage, ready, siteAndBrowser } from './support.js';

const run = promisify(execFile);
const cli = process.env.ZELMORIO_CLI;

const shared = siteAndBrowser();
let scratch;
before(async () => {
  scratch = await mkdtemp(join(tmpdir(), 'zelmorio-web-'));
});
after(async () => {
  if (scratch) await rm(scratch, { recursive: true, force: true });
});

// Every word of a PDF with its box, page by page, as pdftotext reads them.
async function words(pdf) {
  const { stdout } = await run('pdftotext', ['-bbox', pdf, '-'], { maxBuffer: 1 << 26 });
  return stdout.split('<page ').slice(1).map((page) =>
    [...page.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<\/word>/g)]
      .map(([, x0, y0, x1, y1, text]) => ({ text, x0: +x0, y0: +y0, x1: +x1, y1: +y1 })));
}

// Clicks "Anteprima…" and waits until all the new sheets are made: their seed is shown.
async function preview(page) {
  const before = await page.textContent('#link-scheda');
  await page.click('#anteprima');
  await page.waitForFunction((seed) => !document.getElementById('seme-scheda').hidden &&
    document.getElementById('link-scheda').textContent !== seed, before);
}

const printed = async (page, name) => {
  const file = join(scratch, name);
  await page.pdf({ path: file, preferCSSPageSize: true, printBackground: true });
  return file;
};

describe('the same sheets as the command line', { skip: !cli && 'ZELMORIO_CLI names no program' }, () => {
  const sheets = [
    ['999', 'm', [], []],
    ['999', 'm', [], ['--in-colonna', '5']],
    ['dec9999', 'x10', [], []],
    ['dec9999', '-', [], ['--in-colonna', '4', '--colonne', '1']],
    ['2', '', ['--divisore', '2'], []],
    ['4', '', [], ['--in-colonna', '5', '--per-colonna', '10']],
    ['500', '-', [], ['--in-colonna', '5', '--per-colonna', '10', '--copie', '3', '--copie-diverse']],
  ];
  for (const [range, kind, source, form] of sheets) {
    const args = ['--scheda', range, ...(kind ? [kind] : []), ...source, ...form,
      '--soluzioni', '--nome', '--intestazione', 'Verifica: «prova» & "3ª" \\ B', '--seme', '2024'];
    test(args.join(' '), async () => {
      const desktop = join(scratch, `${range}${kind}${form.length}.pdf`);
      await run(cli, [...args, '--pdf', desktop]);
      const query = new URLSearchParams([['scheda', range], ...(kind ? [['tipo', kind]] : [])]);
      for (let i = kind ? 3 : 2; i < args.length; ++i) {
        const flag = args[i + 1] === undefined || args[i + 1].startsWith('--');
        query.append(args[i].slice(2), flag ? '1' : args[++i]);
      }
      const page = await shared.browser.newPage();
      await openPage(page, shared.site.origin, `?${query}`);
      // What the words cannot show: every coordinate of the drawing is a number, and the
      // column form's operations have their rules in both weights.
      const wrong = (await page.innerHTML('#fogli')).match(/<[^<]*(NaN|undefined)[^>]*>/);
      assert.equal(wrong, null, wrong?.[0]);
      if (form.length) {
        const widths = await page.$$eval('#fogli line', (all) => all.map((l) => l.getAttribute('stroke-width')));
        assert.ok(new Set(widths).size >= 2, `rule widths ${[...new Set(widths)]}`);
      }
      const expected = await words(desktop);
      const got = await words(await printed(page, `web-${range}${kind}${form.length}.pdf`));
      assert.equal(got.length, expected.length, 'sheets');
      // Each word of the desktop's sheet is on the page's at the same place (±1.5 pt), and
      // the page's has no other.
      for (const [p, sheet] of expected.entries()) {
        const left = [...got[p]];
        for (const w of sheet) {
          // The two PDFs give a font's box different depths: words are compared by their
          // left edge and their middle height.
          const i = left.findIndex((g) => g.text === w.text && Math.abs(g.x0 - w.x0) <= 1.5 &&
            Math.abs(g.y0 + g.y1 - w.y0 - w.y1) / 2 <= 1.5);
          assert.ok(i >= 0, `sheet ${p + 1}: «${w.text}» at ${w.x0}, ${w.y1} not on the page's`);
          left.splice(i, 1);
        }
        assert.deepEqual(left.map((w) => w.text), [], `sheet ${p + 1}: more words`);
      }
      if (form.length) {
        // Every digit of an operation (not a carry, which is smaller) is centred across its
        // square: their centres all stand at the same place within a square.
        const square = (form[1] === '4' ? 4 : 5) * 72 / 25.4;
        // Not the copies' numbers at their feet and in the key's headings, which are text.
        const digits = got.flatMap((sheet) => {
          const numbered = sheet.filter((w) => /^[Cc]opia$/.test(w.text));
          return sheet.filter((w) => /^\d$/.test(w.text) &&
            !numbered.some((n) => Math.abs(n.y1 - w.y1) < 1));
        });
        const tallest = Math.max(...digits.map((w) => w.y1 - w.y0));
        const offsets = digits.filter((w) => w.y1 - w.y0 > 0.8 * tallest)
          .map((w) => (((w.x0 + w.x1) / 2) % square + square) % square);
        const spread = Math.max(...offsets) - Math.min(...offsets);
        assert.ok(offsets.length > 100 && spread <= 0.6, `${offsets.length} digits, spread ${spread} pt`);
      }
      await page.close();
    });
  }
});

describe('a teacher prints a worksheet', () => {
  test('chooses through the page, sees the preview and prints it', async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1366, height: 768 } });
    await openPage(page, shared.site.origin);
    await page.selectOption('#finestra', '9999');
    await page.getByLabel('Sottrazioni').check();

    const heading = page.getByLabel('Comando');
    assert.equal(await heading.inputValue(), 'Calcola le seguenti operazioni:');
    await heading.fill('Verifica di marzo');
    // The address's defaults are chosen at the start, so that a preview works at once.
    assert.equal(await page.locator('#campo-per-colonna').getByLabel('20').isChecked(), true);
    assert.equal(await page.locator('#campo-colonne').getByLabel('2').isChecked(), true);
    assert.equal(await page.isEnabled('#anteprima'), true);
    await page.locator('#campo-per-colonna').getByLabel('10').check();
    await page.locator('#campo-colonne').getByLabel('1').check();
    await page.getByLabel('Stampa anche le soluzioni').check();
    await page.getByLabel('Riga per nome, classe e data').check();
    // Only the captions that mark a key give one, a letter, and every such key is there.
    const keys = await page.$$eval('#scheda [accesskey]', (all) => all.map((e) => e.accessKey));
    assert.ok(keys.every((k) => /^[a-z]$/.test(k)), JSON.stringify(keys));
    for (const key of ['i', 'n']) assert.ok(keys.includes(key), key);

    // The copies field reads as the dialog's.
    const copies = page.getByLabel('N° copie');
    await copies.fill('0');
    await page.click('#anteprima');
    assert.equal(await page.textContent('#messaggio-scheda'),
      'Il numero di copie deve essere compreso tra 1 e 99.\nCorreggi il numero di copie.');
    assert.equal(await page.locator('.foglio').count(), 0);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'copie');
    await copies.fill('2.5');
    await preview(page);
    assert.equal(await page.isVisible('#messaggio-scheda'), false);
    assert.equal(await page.locator('.foglio').count(), 3, 'two copies and the key');
    const seed = await page.textContent('#link-scheda');
    await page.waitForURL((url) => url.search === '?scheda=9999&tipo=-&per-colonna=10&colonne=1' +
      `&copie=2&intestazione=Verifica%20di%20marzo&soluzioni=1&nome=1&seme=${seed}`);

    const text = (await run('pdftotext', [await printed(page, 'teacher.pdf'), '-'])).stdout;
    assert.equal(text.split('Verifica di marzo').length - 1, 3);
    assert.match(text, /Soluzioni – Verifica di marzo/);
    assert.equal(text.split('Nome e cognome').length - 1, 2, 'a name line on each copy');
    const operations = text.match(/^[\d.]+ \S [\d.]+ =.*$/gm);
    assert.equal(operations.length, 30);
    for (const line of operations) assert.match(line, /^[\d.]+ - [\d.]+ =( [\d.]+)?$/);

    // "Stampa" opens the browser's print dialog on the sheets shown.
    await page.evaluate(() => { window.print = () => { window.printed = (window.printed ?? 0) + 1; }; });
    await page.click('#stampa');
    await page.waitForFunction(() => window.printed === 1);
    assert.equal(await page.locator('.foglio').count(), 3);

    // The seed's link makes the same sheets again.
    const before = await page.locator('.foglio').first().innerHTML();
    await Promise.all([page.waitForEvent('load'), page.click('#link-scheda')]);
    await ready(page);
    assert.equal(await page.locator('.foglio').first().innerHTML(), before);

    // A refused copies value takes the sheets of the last one off the screen.
    await page.getByLabel('N° copie').fill('100');
    await page.click('#anteprima');
    assert.equal(await page.isVisible('#messaggio-scheda'), true);
    assert.equal(await page.locator('.foglio').count(), 0);
    assert.equal(await page.isVisible('#seme-scheda'), false);
    await page.close();
  });

  test('the choices tell what a sheet in column form makes, and offer 1 cm only where it fits', async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1366, height: 768 } });
    await openPage(page, shared.site.origin);
    await page.selectOption('#finestra', '999');
    await page.getByLabel('Operazioni miste').check();
    const told = page.locator('#riepilogo-scheda');
    await page.getByLabel('In colonna, quadretti da 5 mm').check();
    await page.waitForFunction(() => /^40 operazioni, \d+ fogli? per copia$/.test(
      document.querySelector('#riepilogo-scheda').textContent));
    await page.locator('#campo-per-colonna').getByLabel('40').check();
    await page.locator('#campo-colonne').getByLabel('2').check();
    await page.getByLabel('Riga per nome, classe e data').check();
    await page.waitForFunction(() => /^80 operazioni, \d+ fogli per copia$/.test(
      document.querySelector('#riepilogo-scheda').textContent));
    const sheets = Number((await told.textContent()).match(/, (\d+) fogli/)[1]);
    // The sheets then shown are those told of, one copy without the key.
    await preview(page);
    assert.equal(await page.locator('.foglio').count(), sheets);
    if (cli) {
      const seed = await page.textContent('#link-scheda');
      const { stderr } = await run(cli, ['--scheda', '999', 'm', '--per-colonna', '40', '--in-colonna', '5',
        '--nome', '--seme', seed, '--pdf', join(scratch, 'told.pdf')]);
      assert.equal(stderr.trim().split('\n').at(-1), `zelmorio: ${await told.textContent()}.`);
    }
    // Another preview of the same choices makes new operations, and tells of them.
    await preview(page);
    await page.waitForFunction(() => /^80 operazioni/.test(document.querySelector('#riepilogo-scheda').textContent));
    assert.equal(await page.locator('.foglio').count(),
      Number((await told.textContent()).match(/, (\d+) fogli/)[1]));

    // Copies that differ are told all together, and each is numbered at the foot of its sheets.
    await page.getByLabel('N° copie').fill('3');
    await page.getByLabel('Operazioni diverse in ogni copia').check();
    await preview(page);
    // "Stampa" draws every sheet, however many, before the browser's print dialog.
    await page.evaluate(() => { window.print = () => { window.printed = true; }; });
    await page.click('#stampa');
    await page.waitForFunction(() => window.printed);
    await page.waitForFunction(() => /^80 operazioni, (da \d+ a )?\d+ fogli per copia$/.test(
      document.querySelector('#riepilogo-scheda').textContent));
    const [, fewest, most] = (await told.textContent()).match(/, (?:da (\d+) a )?(\d+) fogli/);
    const feet = await page.$$eval('.foglio', (all) => all.map((sheet) =>
      sheet.textContent.match(/Copia (\d) di 3/)?.[1]));
    assert.ok(feet.length >= 3 * Number(fewest ?? most) && feet.length <= 3 * Number(most), `${feet.length} sheets`);
    assert.deepEqual(feet, [...feet].sort(), 'copies in turn');
    assert.deepEqual([...new Set(feet)], ['1', '2', '3']);
    assert.match(page.url(), /&copie-diverse=1&/);
    await page.getByLabel('In riga').check();
    await page.waitForFunction(() => document.querySelector('#riepilogo-scheda').textContent === '');

    // 1 cm squares: not for the multiplications by 10, 100 and 1000.
    const centimetre = page.getByLabel('In colonna, quadretti da 1 cm');
    assert.equal(await centimetre.isEnabled(), true);
    await page.selectOption('#finestra', 'dec999');
    await page.getByLabel('Moltiplicazioni per 10 - 100 - 1.000').check();
    assert.equal(await centimetre.isDisabled(), true);
    await page.getByLabel('Addizioni').check();
    assert.equal(await centimetre.isEnabled(), true);
    await page.close();
  });

  test('fonts that fail to load are told, the lines work on, and a retry works once they are back', async () => {
    const page = await shared.browser.newPage();
    await page.route('**/fonts/*', (route) => route.fulfill({ status: 404, body: '' }));
    await openPage(page, shared.site.origin, '?scheda=999&tipo=-&seme=4');
    assert.equal(await page.textContent('#messaggio-scheda'),
      'Non riesco a caricare i caratteri dei fogli: ricarica la pagina.');
    assert.equal(await page.locator('.foglio').count(), 0);
    await page.click('#nuove');
    assert.equal(await page.locator('#righe li').count(), 10);
    await page.unroute('**/fonts/*');
    await preview(page);
    assert.equal(await page.isVisible('#messaggio-scheda'), false);
    await page.close();
  });

  test('a heading too long for the address is kept in the browser, and a reload makes the same sheet', async () => {
    const page = await shared.browser.newPage();
    await openPage(page, shared.site.origin);
    const heading = Array.from({ length: 600 }, (_, i) => `Verifica ${i}`).join(' ');
    assert.ok(encodeURIComponent(heading).length > 6000);
    await page.getByLabel('Comando').fill(heading);
    await preview(page);
    assert.equal(await page.isVisible('#nota-intestazione'), true);
    assert.doesNotMatch(page.url(), /intestazione=/);
    const sheet = await page.locator('.foglio').first().innerHTML();
    await page.reload();
    await ready(page);
    assert.equal(await page.inputValue('#intestazione'), heading);
    assert.equal(await page.locator('.foglio').first().innerHTML(), sheet);
    // A shorter one goes in the address, and the note goes.
    await page.getByLabel('Comando').fill('Verifica di marzo');
    await preview(page);
    assert.equal(await page.isVisible('#nota-intestazione'), false);
    assert.match(page.url(), /intestazione=Verifica%20di%20marzo/);
    await page.close();
  });

  test('sheets far from the view lose their picture, keep their text, and are drawn again', { timeout: 120000 }, async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1366, height: 900 } });
    await openPage(page, shared.site.origin,
      '?scheda=999&tipo=m&per-colonna=40&colonne=2&copie=40&soluzioni=1&in-colonna=5&seme=3');
    const count = await page.locator('#fogli .foglio').count();
    assert.ok(count > 60, `${count} sheets`);
    // Scrolled to the end a screen at a time, as a reader would.
    // A frame, or 100 ms where the browser draws none (a busy machine may hold frames back).
    await page.evaluate(async () => {
      const frame = () => Promise.race([
        new Promise((done) => requestAnimationFrame(() => setTimeout(done))),
        new Promise((done) => setTimeout(done, 100))]);
      for (let y = 0; y < document.body.scrollHeight; y += innerHeight) { scrollTo(0, y); await frame(); }
      await frame();
    });
    const drawn = () => page.$$eval('#fogli .foglio', (all) => all.map((f) => f.querySelector('svg') !== null));
    const atTheEnd = await drawn();
    assert.ok(atTheEnd.filter(Boolean).length < 30, `${atTheEnd.filter(Boolean).length} sheets drawn at once`);
    assert.equal(atTheEnd[1], false, 'the second sheet, far above, keeps no picture');
    assert.equal(await page.locator('#fogli .foglio').nth(1).locator('.testo-foglio li').count() > 0, true);
    // Back in view, it is drawn again; printing draws every sheet.
    await page.evaluate(() => document.querySelectorAll('#fogli .foglio')[1].scrollIntoView());
    await page.waitForFunction(() => document.querySelectorAll('#fogli .foglio')[1].querySelector('svg') !== null);
    await page.emulateMedia({ media: 'print' });
    await page.evaluate(() => dispatchEvent(new Event('beforeprint')));
    assert.ok((await drawn()).every(Boolean), 'every sheet drawn for printing');
    await page.close();
  });

  test('a wrong value in a worksheet\'s address shows its message and no sheet', async () => {
    const page = await shared.browser.newPage();
    for (const [query, expected] of [
      ['?scheda=999&tipo=m&copie=100', 'Copie vuole un numero intero da 1 a 99, non «100».'],
      ['?scheda=999&tipo=m&copie=0,5', 'Copie vuole un numero intero da 1 a 99, non «0,5».'],
      ['?scheda=999&tipo=m&in-colonna=3', 'In-colonna vuole la misura dei quadretti in millimetri, 5, 4 o 10, non «3».'],
      ['?scheda=dec9999&tipo=:10&in-colonna=10', 'Le operazioni più larghe di «Divisioni per 10 - 100 - 1000» ' +
        '(dec9999 :10) non entrano nella larghezza di un foglio a quadretti da 1 cm: scegli quadretti più piccoli.'],
    ]) {
      await openPage(page, shared.site.origin, query);
      assert.equal(await page.textContent('#messaggio-scheda'), expected, query);
      assert.equal(await page.locator('.foglio').count(), 0, query);
    }
    await page.close();
  });
});
