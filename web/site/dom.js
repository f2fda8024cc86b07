// SPDX-License-Identifier: GPL-3.0-or-later
// The page's small helpers for its elements and option buttons, shared by its modules.

export const byId = (id) => document.getElementById(id);

// A new element with these properties and children.
export function element(tag, properties = {}, ...children) {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
}

// An option button of the group `name`, in its label.
export function radio(name, value, caption, checked) {
  return element('label', {}, element('input', { type: 'radio', name, value, checked }), caption);
}

// The value of the group's chosen option button; undefined when none is chosen.
export const checkedValue = (name) =>
  document.querySelector(`input[name="${name}"]:checked`)?.value;

// Chooses the group's option button of this value, and no other.
export function check(name, value) {
  for (const input of document.querySelectorAll(`input[name="${name}"]`))
    input.checked = input.value === value;
}
