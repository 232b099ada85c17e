// Deploys as a static host goes through them, for a returning visitor in Chromium: site A
// is visited, then site B (the same sources with a comment added to the page's script and
// the help's style sheet) arrives, first only its sw.js and index.html beside A's other
// files, then whole. The visitor runs A whole until B is whole, then B whole: every file
// the page gets matches one build's digests. Another application's cache on the same
// host outlives both, and an older cache of the site, left in place, never answers.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFile, cp, mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { test } from 'node:test';

import { launch } from '../../tools/web/browsers.mjs';
import { serve } from '../../tools/web/server.mjs';

const source = fileURLToPath(new URL('../..', import.meta.url));
const build = path.join(source, 'build/web');

// The site rebuilt from a copy of the sources with `changed` files given a comment.
async function rebuilt(folder, changed) {
    for (const part of ['ui/web', 'help', 'resources', 'tools/wasi-run.mjs']) {
        await cp(path.join(source, part), path.join(folder, 'source', part), { recursive: true });
    }
    for (const file of changed) await appendFile(path.join(folder, 'source/ui/web', file), '\n/* rebuilt */\n');
    const out = path.join(folder, 'site');
    execFileSync('node', [path.join(folder, 'source/ui/web/site.mjs'), path.join(build, 'ui/web/engine.wasm'),
        path.join(build, 'ui/web/describe_windows.wasm'), path.join(folder, 'source'), out]);
    return out;
}

// The files and digests a build's service worker checks, and its cache's name.
const worker = (site) => readFile(path.join(site, 'sw.js'), 'utf8');
const digests = async (site) => JSON.parse((await worker(site)).match(/const files = (.*);/)[1]);
const version = async (site) => (await worker(site)).match(/const cacheName = `\$\{ownCaches\}(\w+)`;/)[1];

// Which build every file the page gets (through its service worker) belongs to.
async function running(page, builds) {
    const got = await page.evaluate(async (files) => Promise.all(files.map(async ([file]) => {
        const bytes = await (await fetch(file)).arrayBuffer();
        return `sha256-${btoa(String.fromCharCode(...new Uint8Array(await crypto.subtle.digest('SHA-256', bytes))))}`;
    })), builds.A);
    const names = Object.entries(builds).filter(([, files]) => files.every(([, digest], i) => digest === got[i]));
    return names.map(([name]) => name).join() || 'a mix';
}

test('a returning visitor runs one build whole through an out-of-order deploy, then the new one', async () => {
    const folder = await mkdtemp(path.join(tmpdir(), 'deploy-'));
    const live = path.join(folder, 'live');
    const [a, b] = [path.join(build, 'site'), await rebuilt(folder, ['app.js', 'help-site.css'])];
    const builds = { A: await digests(a), B: await digests(b) };
    await cp(a, live, { recursive: true });
    const server = await serve(live);
    const chromium = await launch('chromium');
    try {
        const page = await chromium.browser.newPage();
        const visit = async () => {
            await page.goto(server.url);
            await page.waitForFunction(() => document.documentElement.dataset.ready !== undefined);
            await page.waitForFunction(() => navigator.serviceWorker.controller?.state === 'activated');
        };
        await visit();
        assert.equal(await running(page, builds), 'A');
        // The manifest the browser reads, whole.
        const manifest = await (await page.createCDPSession()).send('Page.getAppManifest');
        assert.deepEqual([new URL(manifest.url).pathname, manifest.errors, JSON.parse(manifest.data).start_url],
            ['/manifest.webmanifest', [], './']);
        await page.evaluate(() => caches.open('another app').then((cache) => cache.put('/theirs', new Response('kept'))));

        for (const file of ['sw.js', 'index.html']) await cp(path.join(b, file), path.join(live, file));
        for (let i = 0; i < 2; ++i) { // the new worker fails its install on B's help style sheet
            await visit();
            await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()).catch(() => {}));
            assert.equal(await running(page, builds), 'A');
        }

        await cp(b, live, { recursive: true });
        await visit(); // finds B, installs it whole and activates it, which deletes A's cache
        const ends = [`${server.url} ${await version(a)}`, `${server.url} ${await version(b)}`];
        const ours = () => page.evaluate(async () => (await caches.keys()).filter((n) => n.startsWith('passer-rating ')).join());
        const onlyB = (b) => page.waitForFunction(async (b) => (await caches.keys())
            .filter((n) => n.startsWith('passer-rating ')).join() === `passer-rating ${b}`, { timeout: 15000 }, b);
        // An install that fails is tried again on a later visit, as the browser does; seen
        // once in CI, an install right after the failed ones did not finish within 30 s.
        for (let visits = 1; !(await onlyB(ends[1]).then(() => true, () => false)); ++visits) {
            assert.ok(visits < 3, `our caches after ${visits} visits: ${await ours()}`);
            await visit();
            await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()).catch(() => {}));
        }
        assert.ok(await page.evaluate(() => caches.has('another app')), 'another application\'s cache kept');
        await page.evaluate((stale) => caches.open(`passer-rating ${stale}`) // A's, as if never deleted
            .then((cache) => cache.put('probe.txt', new Response('stale'))), ends[0]);
        await visit();
        assert.equal(await running(page, builds), 'B');
        assert.equal(await page.evaluate(() => fetch('probe.txt').then((r) => r.status)), 404, 'the older cache answered');
    } finally {
        await chromium.close();
        await server.stop();
        await rm(folder, { recursive: true, force: true });
    }
});
