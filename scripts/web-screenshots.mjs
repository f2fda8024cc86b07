// SPDX-License-Identifier: GPL-3.0-or-later
// The README's pictures of the browser page, in Debian's Chromium:
//   node scripts/web-screenshots.mjs docs/screenshots
import { join } from 'node:path';
import { launchChromium, openPage, serveSite } from '../web/tests/support.js';

const folder = process.argv[2] ?? 'docs/screenshots';
const site = await serveSite();
const browser = await launchChromium();
try {
  const page = await browser.newPage({ viewport: { width: 1366, height: 768 } });
  await openPage(page, site.origin, '?righe=999&tipo=m&seme=42');
  await page.screenshot({ path: join(folder, 'web.png') });

  const board = await browser.newPage({ viewport: { width: 1920, height: 1080 } });
  await openPage(board, site.origin, '?righe=4&divisore=misto&seme=3');
  await board.click('#lavagna');
  for (let i = 0; i < 4; ++i) await board.keyboard.press('Space');
  await board.screenshot({ path: join(folder, 'web-lavagna.png') });

  // Working an operation out: a subtraction with a loan, on a laptop, half done; a
  // division of the cases at the whiteboard, its comma moved and its first rows written.
  const practice = await browser.newPage({ viewport: { width: 1366, height: 900 } });
  await openPage(practice, site.origin, '?esercizio=999&tipo=-&seme=5');
  for (let i = 0; i < 3; ++i) await practice.click('#mostra-passaggio');
  await practice.keyboard.press('Enter');
  // 680 - 349: the 8 lends (7 above it), the 0 receives (a small 1), 10 - 9 is 1.
  await practice.click('#griglia [data-passo]');
  await practice.keyboard.type('7');
  await practice.click('#griglia [data-passo]');
  await practice.keyboard.type('1');
  await practice.keyboard.type('1');
  await practice.keyboard.type('4');
  await practice.screenshot({ path: join(folder, 'web-esercizio.png') });
  const boardPractice = await browser.newPage({ viewport: { width: 1920, height: 1080 } });
  await openPage(boardPractice, site.origin, '?righe=1&seme=7');
  await boardPractice.click('#lavagna');
  await boardPractice.click('#esercitati-lavagna');
  for (let i = 0; i < 8; ++i) await boardPractice.click('#mostra-passaggio');
  await boardPractice.screenshot({ path: join(folder, 'web-esercizio-lavagna.png') });

  // The worksheet's choices and the first sheet of its preview.
  const sheet = await browser.newPage({ viewport: { width: 1366, height: 1400 } });
  await openPage(sheet, site.origin,
    '?scheda=999&tipo=m&per-colonna=20&colonne=2&copie=1&soluzioni=1&in-colonna=5&nome=1&seme=7');
  await sheet.locator('#scheda').screenshot({ path: join(folder, 'web-scheda.png') });
  await sheet.locator('.foglio').first().screenshot({ path: join(folder, 'web-foglio.png') });
} finally {
  await browser.close();
  site.server.close();
}
