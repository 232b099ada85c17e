// Keeps the whole site for use offline, one version at a time: cached on install, served
// from the cache first. site.mjs writes the cache's name (from the files' contents) and
// each file with the digest the build recorded. A version is installed only when every
// file arrives with its digest: a deploy still under way (the new list beside old files)
// fails the install, the version kept stays whole, and the browser tries again on a later
// visit. What the first visit loaded already is only revalidated, not sent again. Its
// caches are named by this site's folder and the version, so it deletes only its own
// earlier ones: other applications on the same host keep theirs.
const ownCaches = `passer-rating ${self.registration.scope} `;
const cacheName = `${ownCaches}VERSION`;
const files = [/* FILES */];

async function install() {
    const responses = await Promise.all(files.map(async ([file, integrity]) => {
        const response = await fetch(new Request(file, { cache: 'no-cache', integrity }));
        if (!response.ok) throw new Error(`${file}: ${response.status}`);
        return [file, response];
    }));
    const cache = await caches.open(cacheName);
    await Promise.all(responses.map(([file, response]) => cache.put(file, response)));
}

self.addEventListener('install', (event) => {
    event.waitUntil(install().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    const stale = (names) => Promise.all(names.filter((name) => name.startsWith(ownCaches) && name !== cacheName)
        .map((name) => caches.delete(name)));
    event.waitUntil(caches.keys().then(stale).then(() => self.clients.claim()));
});

// Only this version's cache answers: never a file of another version.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(caches.open(cacheName)
        .then((cache) => cache.match(event.request, { ignoreSearch: true }))
        .then((kept) => kept ?? fetch(event.request)));
});
