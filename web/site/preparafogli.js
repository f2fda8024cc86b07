// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the worksheet's sheets away from the page, so that the page answers meanwhile: the
// core lays them out here, measuring with the same fonts on an offscreen canvas.
//
// Asked { id, action: 'summary' | 'sheets', fields }, it answers { id, made } with what the
// core made, or { id, failed: 'core' | 'fonts' }. For 'sheets' it first answers
// { id, first } with the sheets of the first copy alone: they come at once, and they are the
// whole job's first sheets. The job's own sheets follow a few at a time ({ id, sheets }),
// before its answer, so that no message keeps the page busy for long as it arrives. Each
// sheet comes as its JSON text, which the page reads when it draws the sheet: hundreds of
// texts weigh far less on its memory than the millions of small objects they describe.
import createCore from './core.js';
import { canvasMeasure, loadFonts } from './fogli.js';

const loading = createCore();
const measure = canvasMeasure();
let fonts = null;

// Sheets in one message: their copy into the page takes a few milliseconds.
const SheetsAMessage = 8;

const without = (fields, names) => fields.filter(([name]) => !names.includes(name));

function sheets(core, id, fields) {
  const given = fields.find(([name]) => name === 'seme')?.[1];
  // The first copy alone; a job without a seed takes the one this draws.
  const first = core.firstCopySheets(fields, measure);
  if (first.sheets) self.postMessage({ id, first: first.sheets.map((sheet) => JSON.stringify(sheet)) });
  const seed = given ?? first.seed;
  const asked = seed === undefined ? fields : [...without(fields, ['seme']), ['seme', seed]];
  const made = core.sheets(asked, measure);
  for (let i = 0; i < (made.sheets?.length ?? 0); i += SheetsAMessage)
    self.postMessage({ id, sheets: made.sheets.slice(i, i + SheetsAMessage).map((sheet) => JSON.stringify(sheet)) });
  delete made.sheets;
  self.postMessage({ id, made });
}

self.addEventListener('message', async ({ data: { id, action, fields } }) => {
  let core;
  try {
    core = await loading;
  } catch (error) {
    self.postMessage({ id, failed: 'core' });
    throw error;
  }
  try {
    fonts ??= loadFonts(core, core.sheetForm().fonts);
    await fonts;
  } catch (error) {
    fonts = null; // not kept: the next request loads them again
    self.postMessage({ id, failed: 'fonts' });
    throw error;
  }
  if (action === 'summary') self.postMessage({ id, made: core.sheetSummary(fields, measure) });
  else sheets(core, id, fields);
});
