// SPDX-License-Identifier: GPL-3.0-or-later
// The page in Debian's Chromium: the same lines as the command line, and a teacher's use
// of it with clicks and keys.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { promisify } from 'node:util';
import { launchWithProfile, openPage, ready, siteAndBrowser } from './support.js';

const run = promisify(execFile);
const cli = process.env.ZELMORIO_CLI;

const shared = siteAndBrowser();

const shownLines = (page) => page.$$eval('#righe li', (items) => items.map((li) => li.textContent));
const message = (page) => page.textContent('#messaggio');

describe('same lines as the command line', { skip: !cli && 'ZELMORIO_CLI names no program' }, () => {
  test('every window and kind, every divisor of the cases, two seeds', async () => {
    const listing = (await run(cli, ['--elenco'])).stdout.trim().split('\n').slice(1);
    const asked = [];
    for (const row of listing) {
      const range = row.slice(0, 12).trim();
      const kind = row.slice(12, 18).trim();
      const divisors = kind ? [null] : ['1', '2', 'misto'];
      for (const divisor of divisors)
        for (const seed of ['42', '18446744073709551615'])
          asked.push({ range, kind, divisor, seed });
    }
    assert.equal(asked.length, (51 + 5 * 3) * 2);
    const argsOf = ({ range, kind, divisor, seed }) => ['--righe', range, ...(kind ? [kind] : []),
      ...(divisor ? ['--divisore', divisor] : []), '--seme', seed];
    // The command line in a few processes at a time, then the page for each.
    const expected = [];
    for (let i = 0; i < asked.length; i += 6)
      expected.push(...await Promise.all(asked.slice(i, i + 6).map(async (a) =>
        (await run(cli, argsOf(a))).stdout)));
    const page = await shared.browser.newPage();
    for (const [i, { range, kind, divisor, seed }] of asked.entries()) {
      const query = new URLSearchParams([['righe', range], ...(kind ? [['tipo', kind]] : []),
        ...(divisor ? [['divisore', divisor]] : []), ['seme', seed]]);
      await openPage(page, shared.site.origin, `?${query}`);
      const lines = await shownLines(page);
      const what = argsOf(asked[i]).join(' ');
      assert.equal(lines.map((l) => `${l}\n`).join(''), expected[i], what);
      assert.equal(await page.inputValue('#testo'), lines.join(''), what);
    }
    await page.close();
  });

  test('difficulty levels: the same lines, and only the levels a kind has', async () => {
    const asked = [
      ['999', '+2', [['cambi', '0']]], ['500', '-', [['cambi', 'zero']]],
      ['99999', 'x2', [['cambi', '1']]], ['999', ':2', [['resto', 'no']]],
      ['9999', 'm', [['cambi', '2+'], ['resto', 'si']]], ['2', '', [['divisore', '2'], ['resto', 'no']]],
      ['dec999', '-', [['cambi', '1']]],
    ];
    const page = await shared.browser.newPage();
    for (const [range, kind, levels] of asked) {
      const args = ['--righe', range, ...(kind ? [kind] : []),
        ...levels.flatMap(([name, value]) => [`--${name}`, value]), '--seme', '7'];
      const expected = (await run(cli, args)).stdout;
      const query = new URLSearchParams([['righe', range], ...(kind ? [['tipo', kind]] : []),
        ...levels, ['seme', '7']]);
      await openPage(page, shared.site.origin, `?${query}`);
      assert.equal((await shownLines(page)).map((l) => `${l}\n`).join(''), expected, args.join(' '));
      for (const [name, value] of levels)
        assert.equal(await page.isChecked(`input[name="${name}"][value="${value}"]`), true, `${name} ${value}`);
    }
    // Only the levels the chosen kind has: none for the additions' remainder, no "con lo
    // zero" for additions; a level the new kind lacks goes back to "Qualsiasi".
    await openPage(page, shared.site.origin, '?righe=999&tipo=-&cambi=zero&seme=7');
    assert.equal(await page.isVisible('#resto'), false);
    await page.getByLabel('Addizioni a 2 addendi').check();
    assert.equal(await page.isDisabled('input[name=cambi][value=zero]'), true);
    assert.equal(await page.isChecked('input[name=cambi][value=""]'), true);
    await page.getByLabel('Senza cambio').check();
    await page.click('#nuove');
    await page.waitForURL((url) => /^\?righe=999&tipo=%2B2&cambi=0&seme=\d+$/.test(url.search));
    await page.close();
  });
});

describe('a teacher at the page', () => {
  test('chooses with clicks and keys, copies, and makes the same lines again', async () => {
    const context = await shared.browser.newContext();
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: shared.site.origin });
    const page = await context.newPage();
    const asked = [];
    page.on('request', (r) => asked.push(r.url()));
    await openPage(page, shared.site.origin);

    const groups = await page.$$eval('#finestra optgroup', (gs) =>
      gs.map((g) => [g.label, [...g.children].map((o) => o.textContent)]));
    assert.deepEqual(groups, [
      ['Interi', ['Interi entro il 500', 'Interi entro il 999', 'Interi entro il 9.999',
        'Interi entro il 99.999', 'Interi entro il 999.999']],
      ['Decimali', ['Entro il 999', 'Entro il 9.999']],
      ['Divisioni con i decimali', ['I caso', 'II caso', 'III caso', 'IV caso', 'V caso']],
    ]);
    assert.deepEqual(await shownLines(page), []);

    // From the keyboard: the window list, then the kind, then Enter on the form's button.
    await page.focus('#finestra');
    await page.keyboard.press('ArrowDown'); // Interi entro il 999
    await page.getByLabel('Moltiplicazioni 2 cifre al moltiplicatore').check();
    await page.getByRole('button', { name: 'Nuove operazioni' }).press('Enter');
    let lines = await shownLines(page);
    assert.equal(lines.length, 10);
    for (const line of lines) assert.match(line, /^\d{2,3} x \d{2} = $/);
    const seed = await page.textContent('#link-seme');
    assert.match(seed, /^\d+$/);
    // The address follows the lines just after them.
    await page.waitForURL((url) => url.search === `?righe=999&tipo=x2&seme=${seed}`);

    await page.click('#copia');
    await page.locator('#avviso-copia').waitFor();
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), lines.join(''));

    // The seed's link makes the same ten lines again.
    await Promise.all([page.waitForEvent('load'), page.click('#link-seme')]);
    await ready(page);
    assert.deepEqual(await shownLines(page), lines);
    assert.equal(await page.inputValue('#finestra'), '999');
    assert.equal(await page.isChecked('input[name=tipo][value=x2]'), true);
    assert.equal(await page.isVisible('#divisore'), false, 'an integer window offers no divisor');

    // A case window shows its description and the divisor option, "Misto" chosen.
    await page.selectOption('#finestra', '3');
    // Another range makes its lines at once: no lines of the range left behind stay on show.
    lines = await shownLines(page);
    assert.equal(lines.length, 10);
    for (const line of lines) assert.match(line, /^\d+ : \d(,\d)?,?\d* = $/);
    assert.equal(await page.textContent('#descrizione'), 'Dividendo intero, divisore decimale');
    assert.equal(await page.isVisible('#divisore'), true);
    assert.equal(await page.textContent('#divisore legend'), 'Divisore');
    assert.equal(await page.isChecked('input[name=divisore][value=misto]'), true);
    await page.getByLabel('2 cifre').check();
    await page.click('#nuove');
    lines = await shownLines(page);
    for (const line of lines) assert.match(line, /^\d+ : \d,\d = $/, 'two digits once the comma goes');
    await page.waitForURL((url) => /^\?righe=3&divisore=2&seme=\d+$/.test(url.search));

    // Nothing but the site's own files, and no cookies.
    assert.deepEqual(asked.filter((u) => !u.startsWith(shared.site.origin)), []);
    assert.deepEqual(await context.cookies(), []);
    await context.close();
  });

  test('the whiteboard shows each result in turn, makes new lines and closes', async () => {
    const page = await shared.browser.newPage({ viewport: { width: 1920, height: 1080 } });
    await openPage(page, shared.site.origin, '?righe=500&tipo=-&seme=7');
    const lines = await shownLines(page);
    await page.click('#lavagna');
    const board = '#righe-lavagna li';
    const results = () => page.$$eval('#righe-lavagna .risultato', (r) => r.map((s) => s.textContent));
    assert.deepEqual(await results(), []);
    await page.keyboard.press('Space');
    await page.keyboard.press('ArrowRight');
    await page.click('#righe-lavagna');
    const difference = (line) => {
      const [a, b] = line.match(/\d+/g).map(Number);
      return String(a - b);
    };
    assert.deepEqual(await results(), lines.slice(0, 3).map(difference));
    // The ten fill the screen and fit in it.
    const bottom = await page.$eval(`${board}:last-child`, (li) => li.getBoundingClientRect().bottom);
    assert.ok(bottom <= 1080, `last line ends at ${bottom}`);
    const size = await page.$eval(board, (li) => parseFloat(getComputedStyle(li).fontSize));
    assert.ok(size >= 60, `type of ${size} px`);

    // Tab goes round the board's own buttons, both ways, and never reaches the page behind;
    // the focus ring stands out on the green.
    const focused = () => page.evaluate(() => document.activeElement.id);
    const round = [];
    for (let i = 0; i < 6; ++i) {
      await page.keyboard.press('Tab');
      round.push(await focused());
    }
    // (A tap on the lines left the focus on none of them.)
    assert.deepEqual(round,
      ['avanti', 'nuove-lavagna', 'esercitati-lavagna', 'schermo-intero', 'esci-lavagna', 'avanti']);
    await page.keyboard.press('Shift+Tab');
    assert.equal(await focused(), 'esci-lavagna');
    assert.equal(await page.$eval('#esci-lavagna', (b) => getComputedStyle(b).outlineColor), 'rgb(255, 224, 112)');
    assert.equal(await page.evaluate(() => document.getElementById('pagina').inert), true);
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.inputValue('#finestra'), '500');

    // Full screen, by its button or F; Esc leaves it first, then the board.
    await page.keyboard.press('f');
    await page.waitForFunction(() => document.fullscreenElement?.id === 'schermo-lavagna');
    await page.keyboard.press('Escape');
    await page.waitForFunction(() => document.fullscreenElement === null);
    assert.equal(await page.isVisible('#schermo-lavagna'), true);
    await page.click('#schermo-intero');
    await page.waitForFunction(() => document.fullscreenElement !== null);
    await page.click('#schermo-intero');
    await page.waitForFunction(() => document.fullscreenElement === null);

    await page.keyboard.press('n');
    const renewed = await page.$$eval(board, (items) => items.map((li) => li.textContent));
    assert.notDeepEqual(renewed, lines);
    assert.deepEqual(await results(), []);
    assert.deepEqual(await shownLines(page), renewed);
    await page.keyboard.press('Escape');
    assert.equal(await page.isVisible('#schermo-lavagna'), false);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'lavagna');
    assert.equal(await page.evaluate(() => document.getElementById('pagina').inert), false);
    await page.close();
  });

  test('the browser offers to install the page as an app, with its icons', async () => {
    const profile = await mkdtemp(join(tmpdir(), 'zelmorio-profilo-'));
    const context = await launchWithProfile(profile);
    try {
      const page = await context.newPage();
      await openPage(page, shared.site.origin);
      const devtools = await context.newCDPSession(page);
      const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      const { errors, data } = await devtools.send('Page.getAppManifest');
      assert.deepEqual(errors, []);
      const manifest = JSON.parse(data);
      assert.equal(manifest.name, 'Zelmorio di operazioni');
      assert.equal(manifest.short_name, 'Zelmorio');
      assert.equal(manifest.display, 'standalone');
      // Each PNG icon is served, and is as large as it says.
      for (const size of [192, 512]) {
        const icon = manifest.icons.find((i) => i.sizes === `${size}x${size}`);
        assert.equal(icon?.type, 'image/png', `${size} px`);
        const drawn = await page.evaluate(async (src) => {
          const image = await createImageBitmap(await (await fetch(src)).blob());
          return [image.width, image.height];
        }, icon.src);
        assert.deepEqual(drawn, [size, size]);
      }
    } finally {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    }
  });

  test('a core that fails to load is told, and "Riprova" loads it once it is back', async () => {
    const page = await shared.browser.newPage();
    let failing = true;
    await page.route('**/core.wasm', (route) =>
      (failing ? route.fulfill({ status: 404, body: '' }) : route.continue()));
    await page.goto(`${shared.site.origin}/?righe=999&tipo=-&seme=2`);
    await page.locator('#riprova').waitFor();
    assert.match(await page.textContent('#attesa'), /^Zelmorio non si è caricato: controlla la connessione/);
    failing = false;
    await page.click('#riprova');
    await ready(page);
    assert.equal(await page.isVisible('#riprova'), false);
    assert.equal(await page.isVisible('#attesa'), false);
    assert.equal((await shownLines(page)).length, 10);
    await page.close();
  });

  test('printing the page with no sheet previewed gives the ten lines on an A4 page', async () => {
    const page = await shared.browser.newPage();
    await openPage(page, shared.site.origin, '?righe=999&tipo=x1&seme=12');
    const lines = await shownLines(page);
    const file = join(await mkdtemp(join(tmpdir(), 'zelmorio-righe-')), 'righe.pdf');
    await page.pdf({ path: file, preferCSSPageSize: true });
    const { stdout: info } = await run('pdfinfo', [file]);
    assert.match(info, /Pages:\s+1\n/);
    assert.match(info, /Page size:.*\(A4\)/);
    const printed = (await run('pdftotext', ['-layout', file, '-'])).stdout
      .split('\n').map((l) => l.trim()).filter(Boolean);
    assert.deepEqual(printed, ['Zelmorio', ...lines.map((line, i) => `${i + 1}. ${line.trim()}`)]);
    await rm(dirname(file), { recursive: true, force: true });
    await page.close();
  });

  test('a wrong value in the address shows its message and no lines', async () => {
    const page = await shared.browser.newPage();
    const cases = [
      ['?righe=777', 'Intervallo sconosciuto «777». Intervalli validi: 500, 999, 9999, 99999, ' +
        '999999, dec999, dec9999, 1, 2, 3, 4, 5.'],
      ['?righe=999', 'Manca il tipo di operazione dell\'intervallo 999. Tipi validi: +2, +3, -, ' +
        'x1, x2, :, :2, m.'],
      ['?righe=999&tipo=-&seme=4x', 'Seme vuole un numero intero da 0 a 18446744073709551615, ' +
        'non «4x».'],
      ['?righe=999&tipo=-&divisore=2', 'Divisore vale solo per i casi della divisione ' +
        '(intervalli da 1 a 5).'],
      ['?righe=2&divisore=3', 'Divisore vuole 1, 2 o misto, non «3».'],
      ['?righe=999999&tipo=%2B3&cambi=0', 'Cambi 0 non vale per «Addizioni a 3 addendi» (999999 +3): ' +
        'le righe che lo rispettano sono troppo rare (circa 6 su 10.000) per farne dieci senza attese. ' +
        'Valori validi: 1, 2+.'],
      ['?righe=dec999&tipo=x10&resto=no', 'Resto non vale per «Moltiplicazioni per 10 - 100 - 1.000» ' +
        '(dec999 x10), che non ha livelli di difficoltà.'],
    ];
    for (const [query, expected] of cases) {
      await openPage(page, shared.site.origin, query);
      assert.equal(await message(page), expected, query);
      assert.deepEqual(await shownLines(page), [], query);
      assert.equal(await page.isVisible('#seme'), false, query);
    }
    await page.close();
  });

  test('fits a laptop, a whiteboard and a tablet, and works offline once loaded', async () => {
    for (const [width, height] of [[1366, 768], [1920, 1080], [768, 1024]]) {
      const context = await shared.browser.newContext({ viewport: { width, height } });
      const page = await context.newPage();
      await openPage(page, shared.site.origin, '?righe=999999&tipo=x3&seme=1');
      const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
      assert.ok(overflow <= 0, `${width}×${height}: ${overflow} px too wide`);
      if (width === 1366) {
        await page.evaluate(() => navigator.serviceWorker.ready);
        await page.reload();
        await ready(page);
        await context.setOffline(true);
        await openPage(page, shared.site.origin, '?righe=dec999&tipo=x10&seme=5');
        assert.equal((await shownLines(page)).length, 10);
      }
      await context.close();
    }
  });

  // Once loaded, the page asks the network first and keeps what it gets, so the test above
  // passes even with a file missing from files.json: a first visit that goes offline at
  // once has only what the service worker took from that list.
  test('the service worker\'s list holds every file the page and its worksheet load', async () => {
    const page = await shared.browser.newPage();
    const asked = new Set();
    page.on('request', (r) => {
      const url = new URL(r.url());
      if (url.origin === shared.site.origin) asked.add(url.pathname === '/' ? './' : url.pathname.slice(1));
    });
    await openPage(page, shared.site.origin, '?scheda=999&tipo=m&seme=1');
    await page.close();
    // The list leaves itself out: the worker always fetches it anew.
    asked.delete('files.json');
    for (const loaded of ['core.wasm', 'fonts/ComicNeue-Regular.otf'])
      assert.ok(asked.has(loaded), `${loaded} not loaded: the worksheet was not drawn`);
    const kept = await (await fetch(`${shared.site.origin}/files.json`)).json();
    assert.deepEqual([...asked].filter((file) => !kept.includes(file)), []);
  });
});
