// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet's sheets: the fonts they are measured and drawn with, the measure the core's
// text model asks for, and the drawing of what the core placed, one SVG per A4 sheet.

// Loads each font the sheets name from the site, for the page (or the worker that makes
// the sheets) to draw and measure with, and for the core, if one is given, to read its
// metrics from.
export async function loadFonts(core, fonts) {
  await Promise.all(fonts.map(async ({ family, file }) => {
    const response = await fetch(`fonts/${file}`);
    if (!response.ok) throw new Error(`fonts/${file}: ${response.status}`);
    const bytes = await response.arrayBuffer();
    const face = new FontFace(family, bytes);
    (globalThis.document?.fonts ?? self.fonts).add(await face.load());
    core?.addFont(family, new Uint8Array(bytes));
  }));
}

// A text's width in pixels, with the font at that many pixels per em: the core's text
// model asks for it.
export function canvasMeasure() {
  const canvas = globalThis.document ? document.createElement('canvas') : new OffscreenCanvas(1, 1);
  const context = canvas.getContext('2d');
  let current = '';
  return {
    width(family, perEm, text) {
      const font = `${perEm}px "${family}"`;
      if (font !== current) {
        context.font = font;
        current = font;
      }
      return context.measureText(text).width;
    },
    // The ink height of a digit per pixel of font size: a square's digits are drawn at the
    // size that makes them as high as the core asks, as on the desktop.
    digitHeight(family) {
      context.font = `100px "${family}"`;
      current = '';
      const zero = context.measureText('0');
      return (zero.actualBoundingBoxAscent + zero.actualBoundingBoxDescent) / 100;
    },
  };
}

const escapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' };
const escape = (text) => String(text).replace(/[&<>"]/g, (c) => escapes[c]);
const n = (v) => Math.round(v * 1000) / 1000;

function squares(out, s, style, glyphScale) {
  const { x, y, columns, rows, square } = s.grid;
  let path = '';
  for (let c = 0; c <= columns; ++c) path += `M${n(x + c * square)} ${n(y)}V${n(y + rows * square)}`;
  for (let r = 0; r <= rows; ++r) path += `M${n(x)} ${n(y + r * square)}H${n(x + columns * square)}`;
  out.push(`<path d="${path}" stroke="${style.gridColour}" stroke-width="${style.gridLine}" fill="none"/>`);
  for (const { x1, y1, x2, y2, dark } of s.rules)
    out.push(`<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" stroke="${style.ink}" ` +
      `stroke-width="${dark ? style.darkRule : style.thinRule}"/>`);
  // The glyphs of a row that share their baseline and size go into one text element, each
  // character at its own x (where each is centred): a sheet has thousands of glyphs, and far
  // fewer elements are far quicker for the browser to take in.
  const lines = new Map();
  for (const g of s.glyphs) {
    // A square's glyph has its middle height at y; a comma sits on its baseline y.
    const baseline = n(g.comma ? g.y : g.y + g.height / 2);
    const size = n(g.height / glyphScale);
    if ([...g.text].length !== 1) {
      out.push(`<text x="${g.x}" y="${baseline}" font-size="${size}" text-anchor="middle">` +
        `${escape(g.text)}</text>`);
      continue;
    }
    const key = `${baseline} ${size}`;
    if (!lines.has(key)) lines.set(key, { baseline, size, xs: [], text: '' });
    const line = lines.get(key);
    line.xs.push(g.x);
    line.text += g.text;
  }
  for (const { baseline, size, xs, text } of lines.values())
    out.push(`<text x="${xs.join(' ')}" y="${baseline}" font-size="${size}" text-anchor="middle" ` +
      `xml:space="preserve">${escape(text)}</text>`);
}

// What a sheet says, line by line, for a screen reader: its texts (heading, name line,
// labels, lines in rows) and the operations in its squares, with their results on the key.
function sheetText(sheet) {
  const lines = sheet.texts.map((t) => t.text.trim()).filter(Boolean);
  for (const s of sheet.squares) lines.push(...s.lines.map((l) => l.trim()));
  return `<ol class="nascosto testo-foglio">${lines.map((l) => `<li>${escape(l)}</li>`).join('')}</ol>`;
}

// The size a square's digits are drawn at, per point of their height (see canvasMeasure).
export const glyphScaleOf = (form, measure) => measure.digitHeight(form.style.glyphFamily);

// A sheet as an A4 page in points, the printable area from the page's margins, with its
// text for those who cannot see it; the picture itself is hidden from them. The contents
// of its `.foglio` element.
export function drawSheet(sheet, form, glyphScale) {
  const { page, style } = form;
  const out = [`${sheetText(sheet)}<svg aria-hidden="true" xmlns="http://www.w3.org/2000/svg" ` +
    `viewBox="0 0 ${page.width} ${page.height}" width="${page.width}pt" height="${page.height}pt" ` +
    `fill="${style.ink}" font-family="${style.glyphFamily}">` +
    `<g transform="translate(${page.left} ${page.top})">`];
  for (const s of sheet.squares) squares(out, s, style, glyphScale);
  for (const { x, baseline, font, points, text } of sheet.texts)
    out.push(`<text x="${x}" y="${baseline}" font-family="${escape(font)}" font-size="${points}" ` +
      `xml:space="preserve">${escape(text)}</text>`);
  for (const { x1, x2, y } of sheet.rules)
    out.push(`<line x1="${x1}" y1="${y}" x2="${x2}" y2="${y}" stroke="${style.ink}" ` +
      `stroke-width="${style.writingLine}"/>`);
  out.push('</g></svg>');
  return out.join('');
}
