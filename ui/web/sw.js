// Keeps the whole site for use offline: cached on install, served from the cache first.
// site.mjs writes the cache's name and the list of files. What the first visit loaded
// already is only revalidated, not sent again.
const cacheName = 'CACHE_NAME';
const files = [/* FILES */];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'no-cache' })))).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    const stale = (names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name)));
    event.waitUntil(caches.keys().then(stale).then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.match(event.request, { ignoreSearch: true }).then((kept) => kept ?? fetch(event.request)));
});
