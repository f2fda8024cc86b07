// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the site's own files, so that the page works offline once it has been loaded.
// Each request is answered from the cache at once and refreshed from the network behind,
// so a new version arrives on the visit after it is published.
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
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    // The page's address carries its choices in the query; its file is the same.
    const key = request.mode === 'navigate' ? './' : request;
    const cached = await cache.match(key, { ignoreSearch: request.mode === 'navigate' });
    const fresh = fetch(request).then((response) => {
      if (response.ok) cache.put(key, response.clone());
      return response;
    });
    if (cached) {
      event.waitUntil(fresh.catch(() => {}));
      return cached;
    }
    return fresh;
  }));
});
