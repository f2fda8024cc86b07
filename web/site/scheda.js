// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet's choices, built from the print dialog's table in the core, its preview
// and its printing through the browser's own print dialog. The sheets are made by a worker
// (preparafogli.js) and drawn as they come into view, a slice at a time, so that the page
// answers all along, whatever their number.
import { byId, check, checkedValue, element, radio } from './dom.js';
import { canvasMeasure, drawSheet, glyphScaleOf, loadFonts } from './fogli.js';

// The longest the page draws sheets before it answers again, in milliseconds: a sheet
// takes about ten, and the browser then lays it out and paints it.
const SliceMs = 8;

// Where the browser keeps a heading too long for the address.
const KeptHeading = 'zelmorio-intestazione';

const sheetCount = (n) => `${n} ${n === 1 ? 'foglio' : 'fogli'}`;

// A frame of option buttons named by the command line's option, none chosen unless asked.
function choiceFrame(group, chosen) {
  const options = element('div', { className: 'opzioni affiancate' });
  for (const choice of group.choices)
    options.append(radio(group.option, choice.value, choice.caption, choice.value === chosen));
  const legend = element('legend', {}, group.caption);
  const frame = element('fieldset', { className: 'gruppo', id: `campo-${group.option}` }, legend, options);
  if (group.key) options.querySelector('input').accessKey = group.key;
  return frame;
}

function textField(field, value) {
  const input = element('input', { type: 'text', id: field.option, name: field.option, value });
  if (field.key) input.accessKey = field.key;
  return element('div', { className: 'campo' }, element('label', { htmlFor: field.option }, field.caption), input);
}

function tick(field) {
  const input = element('input', { type: 'checkbox', id: field.option, name: field.option });
  if (field.key) input.accessKey = field.key;
  return element('label', { className: 'spunta' }, input, field.caption);
}

export class Worksheet {
  // `source()` gives the address's fields of the window, kind and options the page shows;
  // `forms()` the values of the sheet's forms whose squares that kind's operations fit;
  // `showSource(made)` puts the page's controls on those a sheet was made of.
  constructor(core, { source, forms, showSource }) {
    this.core = core;
    this.source = source;
    this.forms = forms;
    this.showSource = showSource;
    this.form = core.sheetForm();
    this.measure = canvasMeasure();
    this.fonts = null;
    this.made = null;
    // The seed of the next sheet, known beforehand so that what it will make can be told;
    // drawn anew when a choice changes, and once its sheets are shown, for the next preview.
    this.seed = null;
    this.seedShown = false;
    // The worker's requests waiting for their answers, by number.
    this.worker = null;
    this.waiting = new Map();
    this.requests = 0;
    this.summaries = 0;
    this.shows = 0;
    // The sheets on show, which of them are drawn, and those to draw next.
    this.sheets = [];
    this.drawn = [];
    this.queue = [];
    this.observer = null;
    // The browser lays out every sheet for printing: the missing ones are drawn first.
    // While printing, no sheet loses its picture.
    window.addEventListener('beforeprint', () => { this.printing = true; this.drawAll(); });
    window.addEventListener('afterprint', () => { this.printing = false; });
    this.build();
    this.pending = this.update();
  }

  // Asks the worker; resolves with its answer ({ made } or { failed }), the sheets that came
  // before it gathered into `made.sheets`. `onFirst` takes the first copy's sheets, which
  // come first.
  ask(action, fields, onFirst) {
    if (!this.worker) {
      this.worker = new Worker('preparafogli.js', { type: 'module' });
      this.worker.addEventListener('message', ({ data }) => this.waiting.get(data.id)?.(data));
      // A worker that cannot start answers nothing: every request is told, and the next
      // one starts a new worker.
      this.worker.addEventListener('error', () => {
        this.worker = null;
        for (const answer of [...this.waiting.values()]) answer({ failed: 'core' });
      });
    }
    const id = ++this.requests;
    const sheets = [];
    return new Promise((resolve) => {
      this.waiting.set(id, (answer) => {
        if (answer.first) {
          onFirst?.(answer.first);
          return;
        }
        if (answer.sheets) {
          sheets.push(...answer.sheets);
          return;
        }
        this.waiting.delete(id);
        if (answer.made && sheets.length) answer.made.sheets = sheets;
        resolve(answer);
      });
      this.worker.postMessage({ id, action, fields });
    });
  }

  // What the page says while it prepares the sheets, and how many there are.
  progress(text) {
    byId('progresso-fogli').textContent = text;
  }

  build() {
    const f = this.form;
    byId('campi-scheda').replaceChildren(
      textField(f.heading, f.headingDefault),
      choiceFrame(f.perColumn, f.perColumnDefault),
      choiceFrame(f.columns, f.columnsDefault),
      textField(f.copies, f.copiesDefault),
      choiceFrame(f.form, f.formDefault),
      element('div', { className: 'campo' }, tick(f.key), tick(f.nameLine), tick(f.differentCopies)));
    byId('anteprima').textContent = f.preview;
    byId('stampa').textContent = f.title;
    byId('scelte-scheda').addEventListener('change', () => this.enable());
    // Sheets made of other choices are not printed: "Stampa" makes them anew.
    for (const form of ['scelte', 'scelte-scheda'])
      byId(form).addEventListener('input', () => { this.made = null; });
    const renew = () => {
      this.seed = null;
      this.seedShown = false;
      this.pending = this.update();
    };
    byId('scelte').addEventListener('change', renew);
    byId('scelte-scheda').addEventListener('change', renew);
    byId(this.form.heading.option).addEventListener('input', renew);
    byId('scelte-scheda').addEventListener('submit', (event) => {
      event.preventDefault();
      this.preview();
    });
    byId('stampa').addEventListener('click', () => this.print());
    this.enable();
  }

  // The outputs become available as the print dialog's do.
  enable() {
    const on = this.core.outputsEnabled(checkedValue(this.form.perColumn.option) !== undefined,
      checkedValue(this.form.columns.option) !== undefined);
    byId('anteprima').disabled = !on;
    byId('stampa').disabled = !on;
  }

  // Offers only the forms whose squares the operations fit, and tells beside the choices
  // what a sheet in column form will make, for the seed the next sheet will have.
  async update() {
    const f = this.form;
    const allowed = this.forms();
    for (const input of document.querySelectorAll(`input[name="${f.form.option}"]`))
      input.disabled = !allowed.includes(input.value);
    const told = byId('riepilogo-scheda');
    if (!checkedValue(f.form.option) || checkedValue(f.perColumn.option) === undefined ||
        checkedValue(f.columns.option) === undefined) {
      told.textContent = '';
      return;
    }
    // Copies that differ are told all together, so their number counts too.
    const fields = this.choiceFields();
    const copies = this.core.readCopies(byId(f.copies.option).value);
    if (byId(f.differentCopies.option).checked && copies.message === undefined)
      fields.push([f.copies.option, String(copies.count)]);
    const asked = ++this.summaries;
    const { made } = await this.ask('summary', fields);
    if (asked !== this.summaries) return; // another change asked again meanwhile
    // The seed it drew is the next sheet's, unless a sheet has been shown meanwhile.
    if (made?.seed !== undefined && this.seed === null) this.seed = made.seed;
    told.textContent = made?.summary ?? made?.message ?? '';
  }

  // The address's fields of the worksheet's choices, but for the copies.
  choiceFields() {
    const f = this.form;
    // The lines' window, kind and options, for a worksheet instead of ten lines.
    const [[, range], ...source] = this.source();
    const fields = [['scheda', range], ...source];
    if (this.seed !== null) fields.push(['seme', this.seed]);
    fields.push([f.perColumn.option, checkedValue(f.perColumn.option)]);
    fields.push([f.columns.option, checkedValue(f.columns.option)]);
    fields.push([f.heading.option, byId(f.heading.option).value]);
    if (byId(f.key.option).checked) fields.push([f.key.option, '1']);
    const form = checkedValue(f.form.option);
    if (form) fields.push([f.form.option, form]);
    if (byId(f.nameLine.option).checked) fields.push([f.nameLine.option, '1']);
    if (byId(f.differentCopies.option).checked) fields.push([f.differentCopies.option, '1']);
    return fields;
  }

  // The copies the field asks for; null, with the dialog's message shown, when it asks for
  // no copy or too many.
  copies() {
    const f = this.form;
    const copies = this.core.readCopies(byId(f.copies.option).value);
    if (copies.message === undefined) return copies.count;
    // Sheets of another copies value are not left on screen under the message.
    this.showSheets(null);
    this.progress('');
    this.tell(copies.message);
    const field = byId(f.copies.option);
    field.focus();
    field.select();
    return null;
  }

  tell(message) {
    const shown = byId('messaggio-scheda');
    shown.hidden = message === undefined;
    shown.textContent = message ?? '';
  }

  // Whether the sheets' fonts are loaded, loading them the first time. A failure is told,
  // and not kept: the next try loads them again.
  async fontsReady() {
    // Only to draw with: the worker's core measures the sheets.
    this.fonts ??= loadFonts(null, this.form.fonts);
    try {
      await this.fonts;
      return true;
    } catch (error) {
      this.fonts = null;
      this.showSheets(null);
      this.tell(byId('messaggio-scheda').dataset.caratteri);
      console.error(error);
      return false;
    }
  }

  // Makes the sheets of these fields and shows them; an address without a worksheet shows
  // none. Returns what the core made; null when it could not, or when another preview was
  // asked for meanwhile.
  async show(fields) {
    if (!fields.some(([name]) => name === 'scheda')) return null;
    if (!(await this.fontsReady())) return null;
    const mine = ++this.shows;
    this.progress('Preparo i fogli…');
    const answer = await this.ask('sheets', fields, (first) => {
      if (mine === this.shows) this.showFirst(first[0]);
    });
    if (mine !== this.shows) return null;
    if (answer.failed) {
      this.progress('');
      this.showSheets(null);
      this.tell(byId('messaggio-scheda').dataset[answer.failed === 'fonts' ? 'caratteri' : 'preparazione']);
      return null;
    }
    const { made } = answer;
    this.keepHeading(made);
    this.tell(made.message);
    this.showSheets(made.sheets === undefined ? null : made);
    this.progress(made.sheets === undefined ? '' : `Anteprima: ${sheetCount(made.sheets.length)}.`);
    if (this.made) {
      byId('link-scheda').textContent = made.seed;
      byId('link-scheda').href = made.address;
      this.showChosen(made);
    }
    return made;
  }

  // A heading too long for the address is kept in the browser with its sheet's seed, so that
  // the address (whose link and reload lose it) makes the same sheet here; the page says so.
  keepHeading(made) {
    const long = made.headingInAddress === false;
    byId('nota-intestazione').hidden = !long;
    if (!long) return;
    try {
      localStorage.setItem(KeptHeading, JSON.stringify({ seed: made.seed, heading: made.chosen.heading }));
    } catch {
      // No storage (a private window): the heading stays on this page only.
    }
  }

  // The address's fields with the heading kept for its seed, when the address has none.
  withKeptHeading(fields) {
    if (fields.some(([name]) => name === this.form.heading.option)) return fields;
    const seed = fields.find(([name]) => name === 'seme')?.[1];
    try {
      const kept = JSON.parse(localStorage.getItem(KeptHeading) ?? 'null');
      if (kept && seed !== undefined && kept.seed === seed)
        return [...fields, [this.form.heading.option, kept.heading]];
    } catch {
      // Nothing kept, or nothing readable: the address as it is.
    }
    return fields;
  }

  // The first sheet, before the others are made: its own drawing, in view.
  showFirst(sheet) {
    const box = byId('fogli');
    box.innerHTML = `<div class="foglio" role="group" aria-label="Foglio 1" data-primo>` +
      `${drawSheet(JSON.parse(sheet), this.form, glyphScaleOf(this.form, this.measure))}</div>`;
    box.firstElementChild.scrollIntoView({ block: 'start' });
  }

  // Shows the sheets that the core made, or none: a blank A4 page for each, drawn as it
  // comes near the view.
  showSheets(made) {
    this.observer?.disconnect();
    this.observer = null;
    this.farObserver?.disconnect();
    this.farObserver = null;
    this.sheets = made ? made.sheets : [];
    this.drawn = this.sheets.map(() => false);
    this.queue = [];
    const box = byId('fogli');
    const count = this.sheets.length;
    // The first sheet drawn ahead is the job's first: it stays, and is not drawn again.
    const first = made ? box.querySelector(':scope > [data-primo]') : null;
    box.innerHTML = this.sheets.map((_, i) =>
      `<div class="foglio" role="group" aria-label="Foglio ${i + 1} di ${count}" data-foglio="${i}"></div>`).join('');
    if (first) {
      first.removeAttribute('data-primo');
      first.dataset.foglio = '0';
      first.setAttribute('aria-label', `Foglio 1 di ${count}`);
      box.replaceChild(first, box.firstElementChild);
      this.drawn[0] = true;
    }
    // The browser prints the sheets when there are any, else the lines.
    document.body.classList.toggle('con-fogli', Boolean(made));
    byId('seme-scheda').hidden = !made;
    this.made = made;
    if (!made) return;
    this.glyphScale = glyphScaleOf(this.form, this.measure);
    this.observer = new IntersectionObserver((entries) => {
      for (const entry of entries) {
        if (!entry.isIntersecting) continue;
        this.queue.push(Number(entry.target.dataset.foglio));
        // A drawn sheet is watched by the other observer until it goes far from the view.
        this.observer.unobserve(entry.target);
      }
      this.drawQueued();
    }, { rootMargin: '150% 0px' });
    // A sheet far from the view loses its picture (its text stays for screen readers), and
    // is drawn again when it comes back: the page holds a few dozen drawn sheets, not
    // hundreds, so that laying out and collecting its elements stays quick.
    this.farObserver = new IntersectionObserver((entries) => {
      for (const entry of entries) {
        if (entry.isIntersecting || this.printing) continue;
        const i = Number(entry.target.dataset.foglio);
        entry.target.querySelector('svg')?.remove();
        this.drawn[i] = false;
        this.farObserver.unobserve(entry.target);
        this.observer.observe(entry.target);
      }
    }, { rootMargin: '600% 0px' });
    for (const sheet of box.children)
      if (!this.drawn[Number(sheet.dataset.foglio)]) this.observer.observe(sheet);
  }

  drawSheetAt(i) {
    if (this.drawn[i] !== false) return;
    this.drawn[i] = true;
    const sheet = byId('fogli').children[i];
    sheet.innerHTML = drawSheet(JSON.parse(this.sheets[i]), this.form, this.glyphScale);
    this.farObserver?.observe(sheet);
  }

  // The sheets that came near the view, a slice at a time.
  drawQueued() {
    if (this.drawing) return;
    this.drawing = true;
    const slice = () => {
      const start = performance.now();
      while (this.queue.length && performance.now() - start < SliceMs) this.drawSheetAt(this.queue.shift());
      if (this.queue.length) setTimeout(slice);
      else this.drawing = false;
    };
    slice();
  }

  // Every sheet at once, as the browser's printing needs them.
  drawAll() {
    this.sheets.forEach((_, i) => this.drawSheetAt(i));
  }

  // Every sheet, a slice at a time, telling how far it has come; resolves once all are
  // drawn (or the sheets on show have changed).
  drawEverySheet() {
    const sheets = this.sheets;
    const count = sheets.length;
    return new Promise((resolve) => {
      let i = 0;
      const slice = () => {
        if (this.sheets !== sheets) return resolve();
        const start = performance.now();
        while (i < count && performance.now() - start < SliceMs) this.drawSheetAt(i++);
        this.progress(`Preparo la stampa: ${i} di ${sheetCount(count)}…`);
        if (i < count) setTimeout(slice);
        else resolve();
      };
      slice();
    });
  }

  showChosen(made) {
    const f = this.form;
    const c = made.chosen;
    this.showSource(made);
    check(f.perColumn.option, c.perColumn);
    check(f.columns.option, c.columns);
    byId(f.copies.option).value = c.copies;
    byId(f.heading.option).value = c.heading;
    byId(f.key.option).checked = c.key;
    check(f.form.option, c.form);
    byId(f.nameLine.option).checked = c.nameLine;
    byId(f.differentCopies.option).checked = c.differentCopies;
    this.seed = made.seed;
    this.seedShown = true;
    this.enable();
    // Told in a task of its own, after the sheets are on show.
    setTimeout(() => { this.pending = this.update(); });
  }

  async preview() {
    const copies = this.copies();
    if (copies === null) return null;
    // The summary's seed first, so that the preview makes the sheets it told of.
    await this.pending;
    // Another preview of the same choices makes new operations, as it always has.
    if (this.seedShown) this.seed = null;
    const made = await this.show([...this.choiceFields(), [this.form.copies.option, String(copies)]]);
    if (made?.address) history.replaceState(null, '', made.address);
    byId('fogli').firstElementChild?.scrollIntoView({ block: 'start' });
    return made;
  }

  // The browser's print dialog, with the sheets of the current choices, all drawn first.
  async print() {
    if (!this.made && !(await this.preview())?.sheets) return;
    this.printing = true;
    await this.drawEverySheet();
    this.progress(`Anteprima: ${sheetCount(this.sheets.length)}.`);
    window.print();
  }
}
