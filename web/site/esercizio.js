// SPDX-License-Identifier: GPL-3.0-or-later
// Working the ten operations out on screen, square by square, in the order the core gives:
// a digit (or the comma) is written only if it is the one that goes there; a wrong one is
// said and not written, and the second wrong try shows the step's hint. Carries and loans
// are the pupil's choice: their small squares can be picked and written, and are checked
// like the others. Nothing is stored or sent anywhere.
import { byId, element } from './dom.js';

const key = (column, row) => `${column}:${row}`;

export class Practice {
  constructor({ behind, onLeave }) {
    this.behind = behind;
    this.onLeave = onLeave;
    this.screen = byId('esercizio');
    this.grid = byId('griglia');
    this.live = byId('esito-esercizio');
    this.returnFocus = null;
    for (const button of this.screen.querySelectorAll('[data-cifra]'))
      button.addEventListener('click', () => this.type(button.dataset.cifra));
    byId('cancella').addEventListener('click', () => this.erase());
    byId('mostra-passaggio').addEventListener('click', () => this.showStep());
    byId('ricomincia').addEventListener('click', () => this.restart());
    byId('esci-esercizio').addEventListener('click', () => this.close());
    byId('avanti-esercizio').addEventListener('click', () => this.next());
    byId('schermo-intero-esercizio').hidden = !document.fullscreenEnabled;
    byId('schermo-intero-esercizio').addEventListener('click', () => this.toggleFullScreen());
    this.keys = (event) => this.key(event);
    window.addEventListener('resize', () => { if (this.isOpen) this.fit(); });
  }

  get isOpen() { return !this.screen.hidden; }

  // Keys anywhere in the practice: digits and the comma write, Backspace erases, Esc leaves
  // full screen and then the practice, Tab goes round the practice's own controls.
  key(event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (/^[0-9]$/.test(event.key)) this.type(event.key);
    else if (event.key === ',' || event.key === '.') this.type(',');
    else if (event.key === 'Backspace' || event.key === 'Delete') this.erase();
    else if (event.key === 'Enter' && this.finished) this.next();
    else if ((event.key === 'Enter' || event.key === ' ') && document.activeElement?.dataset.passo)
      this.pick(Number(document.activeElement.dataset.passo));
    else if (event.key === 'Escape') {
      if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
      else this.close();
    } else if (event.key === 'Tab') {
      const stops = [this.grid, ...this.grid.querySelectorAll('[data-passo]'),
        ...this.screen.querySelectorAll('button:not([hidden])')];
      const at = stops.indexOf(document.activeElement);
      const next = (at + (event.shiftKey ? -1 : 1) + stops.length) % stops.length;
      stops[at < 0 ? 0 : next].focus();
    } else return;
    event.preventDefault();
  }

  toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else this.screen.requestFullscreen?.().catch(() => {});
  }

  // Squares as large as the screen allows: the class reads them from the back at the
  // whiteboard, a finger taps them on a tablet.
  fit() {
    const { columns, rows } = this.operation.form;
    const board = this.screen.classList.contains('alla-lavagna');
    const side = Math.min(innerWidth * (board ? 0.6 : 0.9) / Math.max(columns, 1),
      innerHeight * (board ? 0.55 : 0.45) / Math.max(rows, 1));
    this.grid.style.setProperty('--lato', `${Math.round(Math.max(40, Math.min(side, board ? 140 : 96)))}px`);
  }

  // Starts the ten operations the core worked out (core.exercise's answer).
  open(made, { board = false } = {}) {
    if (!this.isOpen) this.returnFocus = document.activeElement;
    this.screen.classList.toggle('alla-lavagna', board);
    for (const part of this.behind) part.inert = true;
    document.addEventListener('keydown', this.keys);
    this.made = made;
    this.texts = made.texts;
    this.index = 0;
    this.firstTry = 0;
    this.hints = 0;
    this.screen.hidden = false;
    byId('riepilogo').hidden = true;
    this.start(0);
    this.grid.focus();
  }

  close() {
    if (!this.isOpen) return;
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    this.screen.hidden = true;
    for (const part of this.behind) part.inert = false;
    document.removeEventListener('keydown', this.keys);
    this.returnFocus?.focus();
    this.onLeave?.();
  }

  // Operation i, its squares empty.
  start(i) {
    this.index = i;
    this.finished = false;
    byId('avanti-esercizio').hidden = true;
    this.operation = this.made.operations[i];
    this.done = new Set();   // steps written, by index
    this.chosen = null;      // an optional step the pupil picked
    this.typed = '';         // the characters typed so far into a square of several
    this.wrong = 0;          // wrong tries at the current square
    this.clean = true;       // no wrong try and no hint in this operation
    byId('titolo-esercizio').textContent =
      `Operazione ${i + 1} di ${this.made.operations.length}: ${this.operation.line.trim()}`;
    byId('suggerimento').hidden = true;
    this.advance();
    this.fit();
    this.draw();
    // A line that cannot be worked out in column form (a division by 0) is shown as it is,
    // and the pupil goes on from it as from a finished one, without it counting as right.
    if (!this.operation.steps.length) {
      this.clean = false;
      this.finish(this.texts.nothingToWork);
    }
  }

  // The step the cursor stands on: the picked optional one, else the first required one
  // not written; steps written for the pupil are written as the cursor reaches them.
  current() {
    if (this.chosen !== null && !this.done.has(this.chosen)) return this.chosen;
    const steps = this.operation.steps;
    for (let i = 0; i < steps.length; ++i) {
      if (this.done.has(i) || !steps[i].required) continue;
      return i;
    }
    return null;
  }

  advance() {
    const steps = this.operation.steps;
    for (let i = 0; i < steps.length; ++i) {
      if (this.done.has(i)) continue;
      if (steps[i].automatic) { this.done.add(i); continue; }
      if (steps[i].required) break;
    }
  }

  next() {
    if (!this.finished) return;
    this.start(this.index + 1);
    this.grid.focus();
  }

  type(character) {
    if (!this.isOpen) return;
    if (this.finished) this.next();
    if (document.activeElement?.dataset.cifra === undefined) this.grid.focus();
    const at = this.current();
    if (at === null) return;
    const step = this.operation.steps[at];
    const attempt = this.typed + character;
    if (step.text.startsWith(attempt)) {
      this.typed = attempt;
      if (attempt === step.text) this.write(at);
      else this.draw();
      return;
    }
    // Not written: said, and the hint shown from the second wrong try.
    this.typed = '';
    this.wrong += 1;
    this.clean = false;
    this.say(this.wrong >= 2 ? this.texts.wrongAgain : this.texts.wrong);
    if (this.wrong >= 2) this.showHint(step);
    this.draw(true);
  }

  // An optional square (a carry, a loan) chosen to write next.
  pick(i) {
    this.chosen = i;
    this.typed = '';
    this.draw();
    this.grid.focus();
  }

  erase() {
    this.typed = '';
    this.chosen = null;
    this.draw();
  }

  write(at) {
    this.done.add(at);
    this.typed = '';
    this.wrong = 0;
    this.chosen = null;
    byId('suggerimento').hidden = true;
    this.advance();
    if (this.current() === null) {
      this.finish();
      return;
    }
    this.draw();
    this.say('');
  }

  showHint(step) {
    const hint = byId('suggerimento');
    hint.textContent = step.hint;
    hint.hidden = false;
  }

  // "Mostra il passaggio": the square written for the pupil, with its hint; a hint used.
  showStep() {
    this.grid.focus();
    if (this.finished) return;
    const at = this.current();
    if (at === null) return;
    this.hints += 1;
    this.clean = false;
    const step = this.operation.steps[at];
    this.write(at);
    if (this.isOpen && this.operation.steps[at] === step) {
      this.showHint(step);
      this.say(step.hint);
    }
  }

  restart() {
    if (this.finished) return;
    this.clean = false;
    this.start(this.index);
  }

  // The operation done stays on show, "…" and all, until the pupil goes on: with the
  // button, or by typing the next operation's first digit straight away.
  finish(said = this.texts.right) {
    if (this.clean) this.firstTry += 1;
    const count = this.made.operations.length;
    this.draw();
    if (this.index + 1 < count) {
      this.finished = true;
      byId('avanti-esercizio').hidden = false;
      this.say(said);
      return;
    }
    const summary = byId('riepilogo');
    summary.textContent = `${said} Hai finito le ${count} operazioni: ` +
      `${this.firstTry} giuste al primo tentativo, ${this.hints} ` +
      `${this.hints === 1 ? 'suggerimento usato' : 'suggerimenti usati'}.`;
    summary.hidden = false;
    summary.dataset.giuste = String(this.firstTry);
    summary.dataset.suggerimenti = String(this.hints);
    this.say(summary.textContent);
  }

  say(text) {
    this.live.textContent = text;
  }

  // The operation in its squares: the worksheet's glyphs, the steps written so far, the
  // square to fill marked (and said), the optional squares still free offered to pick.
  draw(wrong = false) {
    const { form, steps } = this.operation;
    const at = this.finished ? null : this.current();
    const cells = new Map();
    const cell = (column, row) => {
      const k = key(column, row);
      if (!cells.has(k)) {
        cells.set(k, element('span', { className: 'quadretto' }));
        cells.get(k).style.gridArea = `${row + 1} / ${column + 1}`;
      }
      return cells.get(k);
    };
    for (let row = 0; row < form.rows; ++row)
      for (let column = 0; column < form.columns; ++column) cell(column, row);
    const commas = [];
    const put = (glyph, classes = '') => {
      if (glyph.kind === 'virgola') {
        const comma = element('span', { className: `virgola ${classes}` }, glyph.text);
        comma.style.gridArea = `${glyph.row + 1} / ${glyph.column + 1}`;
        comma.dataset.posto = key(glyph.column, glyph.row);
        commas.push(comma);
        return;
      }
      const mark = element('span', {
        className: `${glyph.kind === 'davanti' ? 'davanti' : 'cifra'}${glyph.small ? ' piccola' : ''} ${classes}`,
      }, glyph.text);
      cell(glyph.column, glyph.row).append(mark);
    };
    form.glyphs.forEach((g) => put(g));
    const struck = new Set();
    steps.forEach((s, i) => {
      if (!this.done.has(i)) return;
      put(s, 'scritta');
      for (const k of s.strokes) struck.add(`${k.kind}:${key(k.column, k.row)}`);
    });
    for (const [k, c] of cells) if (struck.has(`quadretto:${k}`)) c.classList.add('barrata');
    for (const c of commas) if (struck.has(`virgola:${c.dataset.posto}`)) c.classList.add('barrata');
    // Optional squares still free: the pupil may pick them.
    steps.forEach((s, i) => {
      if (this.done.has(i) || s.required || s.automatic || s.kind === 'virgola') return;
      const c = cell(s.column, s.row);
      // Picked by a tap, or by Tab and Enter.
      c.classList.add('facoltativa');
      c.dataset.passo = String(i);
      c.title = s.place;
      c.tabIndex = 0;
      c.setAttribute('role', 'button');
      c.setAttribute('aria-label', `${s.place}: facoltativo`);
      c.addEventListener('click', () => this.pick(i));
    });
    if (at !== null) {
      const s = steps[at];
      const target = s.kind === 'virgola'
        ? element('span', { className: 'virgola attiva' }, '')
        : cell(s.column, s.row);
      if (s.kind === 'virgola') {
        target.style.gridArea = `${s.row + 1} / ${s.column + 1}`;
        commas.push(target);
      }
      target.classList.add('attiva');
      if (wrong) target.classList.add('sbagliata');
      if (this.typed) target.append(element('span', { className: 'cifra scritta' }, this.typed));
      byId('posto').textContent = s.place;
      this.grid.setAttribute('aria-label', `${byId('titolo-esercizio').textContent} Quadretto: ${s.place}.`);
    }
    const rules = form.rules.map((r) => {
      const line = element('span', { className: `regola${r.dark ? ' scura' : ''}` });
      const across = r.fromRow === r.toRow;
      Object.assign(line.style, {
        left: `calc(${Math.min(r.fromColumn, r.toColumn)} * var(--lato))`,
        top: `calc(${Math.min(r.fromRow, r.toRow)} * var(--lato))`,
        [across ? 'width' : 'height']: across
          ? `calc(${Math.abs(r.toColumn - r.fromColumn)} * var(--lato))`
          : `calc(${Math.abs(r.toRow - r.fromRow)} * var(--lato))`,
      });
      line.classList.add(across ? 'orizzontale' : 'verticale');
      return line;
    });
    this.grid.style.setProperty('--colonne', form.columns);
    this.grid.style.setProperty('--righe', form.rows);
    this.grid.replaceChildren(...cells.values(), ...commas, ...rules);
  }
}
