// SPDX-License-Identifier: GPL-3.0-or-later
// What the browser tests and benchmarks share: a static server over the built site on
// loopback, and Debian's Chromium driven by playwright-core.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

export const siteDir = process.env.ZELMORIO_SITE ?? new URL('../../build-web/site/', import.meta.url).pathname;

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
  '.otf': 'font/otf',
  '.ttf': 'font/ttf',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
};

// Serves siteDir on a free loopback port; resolves to { server, origin }.
export function serveSite() {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(siteDir, path.endsWith('/') ? `${path}index.html` : path);
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () =>
      resolve({ server, origin: `http://127.0.0.1:${server.address().port}` }));
  });
}

const chromiumOptions = {
  executablePath: process.env.ZELMORIO_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
};

export function launchChromium() {
  return chromium.launch(chromiumOptions);
}

// A browser with a profile of its own in `folder`, as a teacher's is: unlike the tests'
// usual private windows, it may install apps.
export function launchWithProfile(folder) {
  return chromium.launchPersistentContext(folder, chromiumOptions);
}

// Serves the site and starts Chromium before a test file's tests, and closes both after
// them; the object's `site` and `browser` stand for them meanwhile.
export function siteAndBrowser() {
  const shared = {};
  before(async () => {
    shared.site = await serveSite();
    shared.browser = await launchChromium();
  });
  after(async () => {
    await shared.browser?.close();
    shared.site?.server.close();
  });
  return shared;
}

// Waits until the core has drawn the page.
export function ready(page) {
  return page.waitForSelector('html[data-pronta="1"]', { state: 'attached' });
}

// Opens the page at this query and waits until it is drawn.
export async function openPage(page, origin, query = '') {
  await page.goto(`${origin}/${query}`);
  await ready(page);
}
