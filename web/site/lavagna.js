// SPDX-License-Identifier: GPL-3.0-or-later
// Whiteboard mode: the ten operations fill the screen; each Space, → or tap shows the next
// result, N asks for ten new operations, F fills the whole screen, Esc leaves full screen and
// then goes back to the page. While it is open the page behind takes neither focus nor
// clicks, and Tab goes round its own buttons.
import { element } from './dom.js';

export class Lavagna {
  constructor({ screen, list, next, renew, leave, fullScreen, behind, onRenew }) {
    this.screen = screen;
    this.list = list;
    this.onRenew = onRenew;
    this.shown = 0;
    this.results = [];
    this.returnFocus = null;
    next.addEventListener('click', () => this.reveal());
    renew.addEventListener('click', () => this.onRenew());
    leave.addEventListener('click', () => this.close());
    this.behind = behind;
    this.fullScreen = fullScreen;
    // Not every browser lets a page fill the screen (an iPhone's does not).
    fullScreen.hidden = !document.fullscreenEnabled;
    fullScreen.addEventListener('click', () => this.toggleFullScreen());
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
    for (const part of this.behind) part.inert = true;
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

  toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else this.screen.requestFullscreen().catch(() => {});
  }

  close() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    this.screen.hidden = true;
    for (const part of this.behind) part.inert = false;
    document.removeEventListener('keydown', this.keys);
    if (this.returnFocus) this.returnFocus.focus();
  }

  key(event) {
    // A practice opened over the board takes the keys: Space and → reveal nothing there.
    if (this.screen.inert) return;
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.key === ' ' || event.key === 'ArrowRight') {
      // Handled here, so that a focused button does not also take the key.
      event.preventDefault();
      this.reveal();
    } else if (event.key === 'n' || event.key === 'N') {
      event.preventDefault();
      this.onRenew();
    } else if (event.key === 'f' || event.key === 'F') {
      event.preventDefault();
      this.toggleFullScreen();
    } else if (event.key === 'Escape') {
      // The first Esc leaves full screen (the browser may take it itself), the next the board.
      event.preventDefault();
      if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
      else this.close();
    } else if (event.key === 'Tab') {
      // Round the board's own buttons, whichever way.
      const buttons = [...this.screen.querySelectorAll('button:not([hidden])')];
      const at = buttons.indexOf(document.activeElement);
      const next = (at + (event.shiftKey ? -1 : 1) + buttons.length) % buttons.length;
      event.preventDefault();
      buttons[at < 0 ? 0 : next].focus();
    }
  }
}
