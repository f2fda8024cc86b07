// SPDX-License-Identifier: GPL-3.0-or-later
// Whiteboard mode: the ten operations fill the screen; each Space, → or tap shows the next
// result, N asks for ten new operations, Esc goes back to the page.
import { element } from './dom.js';

export class Lavagna {
  constructor({ screen, list, next, renew, leave, onRenew }) {
    this.screen = screen;
    this.list = list;
    this.onRenew = onRenew;
    this.shown = 0;
    this.results = [];
    this.returnFocus = null;
    next.addEventListener('click', () => this.reveal());
    renew.addEventListener('click', () => this.onRenew());
    leave.addEventListener('click', () => this.close());
    list.addEventListener('click', () => this.reveal());
    this.nextButton = next;
    this.keys = (event) => this.key(event);
  }

  get isOpen() {
    return !this.screen.hidden;
  }

  open(lines, results) {
    this.returnFocus = document.activeElement;
    this.screen.hidden = false;
    document.addEventListener('keydown', this.keys);
    this.show(lines, results);
    this.nextButton.focus();
  }

  show(lines, results) {
    this.results = results;
    this.shown = 0;
    this.list.replaceChildren(...lines.map((line) => element('li', {}, line)));
  }

  reveal() {
    if (this.shown >= this.results.length) return;
    this.list.children[this.shown].append(
      element('span', { className: 'risultato', textContent: this.results[this.shown] }));
    this.shown += 1;
  }

  close() {
    this.screen.hidden = true;
    document.removeEventListener('keydown', this.keys);
    if (this.returnFocus) this.returnFocus.focus();
  }

  key(event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.key === ' ' || event.key === 'ArrowRight') {
      // Handled here, so that a focused button does not also take the key.
      event.preventDefault();
      this.reveal();
    } else if (event.key === 'n' || event.key === 'N') {
      event.preventDefault();
      this.onRenew();
    } else if (event.key === 'Escape') {
      event.preventDefault();
      this.close();
    }
  }
}
