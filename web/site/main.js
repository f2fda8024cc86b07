// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the menus' choices, ten lines, their copy text and the whiteboard, all as the
// core gives them. This file only puts the core's values on the page.
import { byId, check, checkedValue, element, radio } from './dom.js';
import { Lavagna } from './lavagna.js';
import { Practice } from './esercizio.js';
import { Worksheet } from './scheda.js';

class Page {
  constructor(core) {
    this.core = core;
    this.choices = core.choices();
    this.windows = new Map();
    this.current = null;
    this.fillChoices();
    this.lavagna = new Lavagna({
      screen: byId('schermo-lavagna'),
      list: byId('righe-lavagna'),
      next: byId('avanti'),
      renew: byId('nuove-lavagna'),
      leave: byId('esci-lavagna'),
      fullScreen: byId('schermo-intero'),
      behind: [document.querySelector('.testata'), byId('pagina'), byId('fogli')],
      onRenew: () => this.renew(),
    });
    // Another range, kind or option makes new lines at once: the lines on show are always
    // of the choices on show.
    byId('finestra').addEventListener('change', () => this.showKinds());
    byId('elenco-tipi').addEventListener('change', () => this.showOptions());
    byId('scelte').addEventListener('change', () => this.renew());
    byId('nuove').addEventListener('click', () => this.renew());
    byId('copia').addEventListener('click', () => this.copy());
    // The lines as the browser prints them, when no sheet is shown: written only then, so
    // that a click costs no more than its lines on screen.
    window.addEventListener('beforeprint', () => {
      byId('righe-stampa').replaceChildren(
        ...(this.current?.lines ?? []).map((line) => element('li', {}, line)));
    });
    this.practice = new Practice({
      behind: [document.querySelector('.testata'), byId('pagina'), byId('fogli'), byId('schermo-lavagna')],
      onLeave: () => this.leavePractice(),
    });
    // The same ten lines worked out on screen, from their choices and seed; from the
    // whiteboard, in its large form.
    const practise = (board) => {
      if (!this.current) return;
      this.exercise([['esercizio', this.current.range], ...this.fields().slice(1),
        ['seme', this.current.seed]], { board });
    };
    byId('esercitati').addEventListener('click', () => practise(false));
    byId('esercitati-lavagna').addEventListener('click', () => practise(true));
    byId('lavagna').addEventListener('click', () => {
      if (this.current) this.lavagna.open(this.current.lines, this.current.results);
    });
  }

  fillChoices() {
    const select = byId('finestra');
    for (const group of this.choices.groups) {
      const options = element('optgroup', { label: group.caption });
      for (const window of group.windows) {
        this.windows.set(window.range, window);
        options.append(new Option(window.caption, window.range));
      }
      select.append(options);
    }
    // One group of option buttons per option of the generators, named as the address
    // names it; a window shows the groups of the options it offers.
    byId('opzioni').replaceWith(...this.choices.options.map((o) =>
      element('fieldset', { id: o.name, className: 'gruppo', hidden: true },
        element('legend', {}, o.caption),
        element('div', { className: 'opzioni' },
          ...o.values.map((v) => radio(o.name, v.value, v.caption, v.standard))))));
    this.showKinds();
  }

  // The kinds of the chosen window, the first one chosen, as the window's buttons list them.
  showKinds(kind) {
    const window = this.windows.get(byId('finestra').value);
    byId('descrizione').textContent = window.description;
    byId('elenco-tipi').replaceChildren(...window.kinds.map((k, i) =>
      radio('tipo', k.kind, k.label, kind === undefined ? i === 0 : k.kind === kind)));
    this.showOptions();
  }

  // The chosen kind as the core describes it.
  kind() {
    const window = this.windows.get(byId('finestra').value);
    const kind = checkedValue('tipo') ?? '';
    return window.kinds.find((k) => k.kind === kind) ?? window.kinds[0];
  }

  // The groups of the options the chosen kind offers, with only the values it offers; a
  // value it does not offer goes back to the one the option starts with.
  showOptions() {
    const offered = this.kind().options;
    for (const option of this.choices.options) {
      const values = offered[option.name];
      byId(option.name).hidden = values === undefined;
      const standard = option.values.find((v) => v.standard)?.value ?? '';
      for (const input of document.querySelectorAll(`input[name="${option.name}"]`)) {
        input.disabled = input.value !== '' && !(values ?? []).includes(input.value);
        if (input.checked && input.disabled) check(option.name, standard);
      }
    }
  }

  // The values of the sheet's forms whose squares the chosen kind's operations fit.
  forms() {
    return this.kind().forms;
  }

  // The address's fields for what the page's controls say.
  fields() {
    const range = byId('finestra').value;
    const fields = [['righe', range]];
    const kind = checkedValue('tipo');
    if (kind) fields.push(['tipo', kind]);
    // An option at the value that leaving it out chooses is left out.
    for (const name of Object.keys(this.kind().options)) {
      const value = checkedValue(name);
      if (value) fields.push([name, value]);
    }
    return fields;
  }

  // Shows what the core made of these fields: ten lines, or the message of a wrong value.
  show(fields, { later = false } = {}) {
    const made = this.core.lines(fields);
    const message = byId('messaggio');
    message.hidden = made.message === undefined;
    if (message.textContent !== (made.message ?? '')) message.textContent = made.message ?? '';
    const has = made.lines !== undefined;
    this.current = has ? made : null;
    // The list's items are kept and their texts replaced: the quickest change to draw.
    const list = byId('righe');
    const lines = has ? made.lines : [];
    while (list.children.length > lines.length) list.lastElementChild.remove();
    while (list.children.length < lines.length) list.append(document.createElement('li'));
    lines.forEach((line, i) => { list.children[i].textContent = line; });
    // After a click the copy text follows in a task of its own: a text area's new value
    // costs the browser more than the ten lines, which come first.
    clearTimeout(this.copyTextLater);
    const copyText = () => { byId('testo').value = has ? made.copyText : ''; };
    if (later) this.copyTextLater = setTimeout(copyText);
    else copyText();
    byId('testo').hidden = !has;
    byId('seme').hidden = !has;
    byId('copia').disabled = !has;
    byId('lavagna').disabled = !has;
    byId('esercitati').disabled = !has;
    byId('avviso-copia').hidden = true;
    if (has) {
      const link = byId('link-seme');
      link.textContent = made.seed;
      link.href = made.address;
      this.showSource(made);
    }
    return made;
  }

  // The controls show the choice that lines or sheets were made of (an address may have
  // made them).
  showSource(made) {
    if (byId('finestra').value !== made.range || checkedValue('tipo') !== made.kind) {
      byId('finestra').value = made.range;
      this.showKinds(made.kind);
    }
    for (const option of this.choices.options)
      check(option.name, made.options[option.name] ?? option.values.find((v) => v.standard)?.value);
  }

  // Ten operations to work out on screen, as an "esercizio" address asks; a wrong value's
  // message where the lines' messages go.
  exercise(fields, { board = false } = {}) {
    const made = this.core.exercise(fields);
    const message = byId('messaggio');
    message.hidden = made.message === undefined;
    message.textContent = made.message ?? '';
    if (!made.operations) return;
    this.showSource(made);
    history.replaceState(null, '', made.address);
    this.practised = made;
    this.practice.open(made, { board });
  }

  // Back from the practice: the page shows the same ten as lines, under their address.
  leavePractice() {
    const made = this.practised;
    if (!made || this.lavagna.isOpen) return;
    this.show([...new URLSearchParams(made.linesAddress)]);
    history.replaceState(null, '', made.linesAddress);
    byId('esercitati').focus();
  }

  // Ten new operations of the chosen kind; the address then makes the same ten again.
  renew() {
    const made = this.show(this.fields(), { later: true });
    // The address follows just after: writing it costs the browser more than the lines.
    if (made.address) setTimeout(() => history.replaceState(null, '', made.address));
    if (this.lavagna.isOpen && this.current)
      this.lavagna.show(this.current.lines, this.current.results);
  }

  async copy() {
    if (!this.current) return;
    const notice = byId('avviso-copia');
    try {
      await navigator.clipboard.writeText(this.current.copyText);
      notice.textContent = notice.dataset.fatto;
    } catch {
      const text = byId('testo');
      text.focus();
      text.select();
      notice.textContent = document.execCommand('copy') ? notice.dataset.fatto : notice.dataset.errore;
    }
    notice.hidden = false;
  }
}

// The core, loaded when the page starts; a retry asks for it under another address, since
// the browser keeps a module that failed to load as failed.
async function loadCore(attempt) {
  const { default: createCore } = await import(attempt ? `./core.js?prova=${attempt}` : './core.js');
  return createCore();
}

let attempts = 0;
const loadingText = byId('attesa').textContent;

async function start() {
  const waiting = byId('attesa');
  const retry = byId('riprova');
  retry.hidden = true;
  waiting.textContent = loadingText;
  waiting.classList.remove('messaggio');
  let core;
  try {
    core = await loadCore(attempts++);
  } catch (error) {
    // Said on the page, with a way to try again once the cause is gone.
    waiting.textContent = waiting.dataset.errore;
    waiting.classList.add('messaggio');
    retry.hidden = false;
    console.error(error);
    return;
  }
  const page = new Page(core);
  const worksheet = new Worksheet(core, {
    source: () => page.fields(),
    forms: () => page.forms(),
    showSource: (made) => page.showSource(made),
  });
  waiting.hidden = true;
  const fields = [...new URLSearchParams(location.search)];
  const named = (name) => fields.some(([n]) => n === name);
  if (named('scheda') && !named('righe')) {
    await worksheet.show(worksheet.withKeptHeading(fields));
    performance.mark('fogli-mostrati');
  } else if (named('esercizio')) {
    page.exercise(fields);
  } else {
    page.show(fields);
    performance.mark('righe-mostrate');
  }
  document.documentElement.dataset.pronta = '1';
  if ('serviceWorker' in navigator && window.isSecureContext)
    navigator.serviceWorker.register('sw.js').catch(() => {});
}

byId('riprova').addEventListener('click', () => start());
start();
