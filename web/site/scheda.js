// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet's choices, built from the print dialog's table in the core, its preview
// and its printing through the browser's own print dialog.
import { byId, check, checkedValue, element, radio } from './dom.js';
import { canvasMeasure, drawSheets, loadFonts } from './fogli.js';

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
    this.build();
    this.update();
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
      this.update();
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
    if (!(await this.fontsReady())) {
      told.textContent = '';
      return;
    }
    // Copies that differ are told all together, so their number counts too.
    const fields = this.choiceFields();
    const copies = this.core.readCopies(byId(f.copies.option).value);
    if (byId(f.differentCopies.option).checked && copies.message === undefined)
      fields.push([f.copies.option, String(copies.count)]);
    const made = this.core.sheetSummary(fields, this.measure);
    if (made.seed !== undefined) this.seed = made.seed;
    told.textContent = made.summary ?? made.message ?? '';
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

  // The address's fields for the worksheet the controls describe; null, with the dialog's
  // message shown, when the copies field asks for no copy or too many.
  fields() {
    const f = this.form;
    const copies = this.core.readCopies(byId(f.copies.option).value);
    if (copies.message !== undefined) {
      // Sheets of another copies value are not left on screen under the message.
      this.showSheets(null);
      this.tell(copies.message);
      const field = byId(f.copies.option);
      field.focus();
      field.select();
      return null;
    }
    return [...this.choiceFields(), [f.copies.option, String(copies.count)]];
  }

  tell(message) {
    const shown = byId('messaggio-scheda');
    shown.hidden = message === undefined;
    shown.textContent = message ?? '';
  }

  // Whether the sheets' fonts are loaded, loading them the first time. A failure is told,
  // and not kept: the next try loads them again.
  async fontsReady() {
    this.fonts ??= loadFonts(this.core, this.form.fonts);
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
  // none. Returns what the core made.
  async show(fields) {
    if (!fields.some(([name]) => name === 'scheda')) return null;
    if (!(await this.fontsReady())) return null;
    const made = this.core.sheets(fields, this.measure);
    this.tell(made.message);
    this.showSheets(made.sheets === undefined ? null : made);
    if (this.made) {
      byId('link-scheda').textContent = made.seed;
      byId('link-scheda').href = made.address;
      this.showChosen(made);
    }
    return made;
  }

  // Shows the sheets that the core made, or none.
  showSheets(made) {
    byId('fogli').innerHTML = made ? drawSheets(made.sheets, this.form, this.measure) : '';
    // The browser prints the sheets when there are any, else the lines.
    document.body.classList.toggle('con-fogli', Boolean(made));
    byId('seme-scheda').hidden = !made;
    this.made = made;
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
    this.update();
  }

  async preview() {
    // Another preview of the same choices makes new operations, as it always has.
    if (this.seedShown) this.seed = null;
    const fields = this.fields();
    if (!fields) return null;
    const made = await this.show(fields);
    if (made?.address) history.replaceState(null, '', made.address);
    byId('fogli').firstElementChild?.scrollIntoView({ block: 'start' });
    return made;
  }

  // The browser's print dialog, with the sheets of the current choices.
  async print() {
    if (!this.made && !(await this.preview())?.sheets) return;
    window.print();
  }
}
