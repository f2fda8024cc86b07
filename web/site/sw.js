// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site's own files, so that the page works offline once it has been loaded.
const CACHE = 'zelmorio-1';

// files.json lists every file of the site, as the build wrote it.
self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const files = await (await fetch('files.json', { cache: 'no-store' })).json();
    await (await caches.open(CACHE)).addAll(files);
  })());
  self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) =>
    Promise.all(names.filter((n) => n !== CACHE).map((n) => caches.delete(n)))));
  self.clients.claim();
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  // The network first, so that the module and its WebAssembly always come from the same
  // version; the kept copy when there is no network.
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    // The page's address carries its choices in the query; its file is the same.
    const key = request.mode === 'navigate' ? './' : request;
    try {
      const response = await fetch(request);
      if (response.ok) await cache.put(key, response.clone());
      return response;
    } catch (offline) {
      const kept = await cache.match(key);
      if (kept) return kept;
      throw offline;
    }
  })());
});
