// The web page's load beside the floors no page of its kind beats, measured in one run
// and in turns (bare, module, window, calculator, bare, ...), so the machine's load falls
// on all of them alike:
//   bare        a page holding only a text field;
//   module      a page that compiles the same engine.wasm before enabling its field;
//   window      the calculator's own window, its markup and style taken from the site,
//               with no script, engine or dialog: what drawing the window costs,
//               whatever the page does to load;
//   calculator  the site.
// "Usable" is the moment the first text field is shown, enabled and the topmost element
// at its centre, checked at every frame by the same script on all of them. Each visit is a
// new headless Chromium with a new profile, idle before the page is asked for, served gzip
// by the same server, on two profiles: a desktop, and a slow phone (4x CPU slowdown,
// 150 ms round trips, 1.6 Mbit/s down, 750 kbit/s up, a 360 px touch screen). Prints
// medians and the ratios to the bare page in the same turn, when the calculator's module
// is ready beside the module floor, then the calculator's bytes and one calculation. Run
// from the top folder after building the web preset:
//   node bench/web_load.mjs [LOADS]
import { readdirSync, readFileSync } from 'node:fs';
import { copyFile, mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { launch } from '../tools/web/browsers.mjs';
import { serve } from '../tools/web/server.mjs';

const loads = Number(process.argv[2] ?? 15);
const site = fileURLToPath(new URL('../build/web/site', import.meta.url));
const quantile = (values, q) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) * q + 0.5)];
const median = (values) => quantile(values, 0.5);
// A ratio over a run: the median of each turn's own, so a slow moment weighs on one turn
// alone, and its quartiles, which show how far one run can be trusted.
const spread = (ratios, floor) => `${median(ratios).toFixed(2)} x ${floor} (quartiles ` +
    `${quantile(ratios, 0.25).toFixed(2)}-${quantile(ratios, 0.75).toFixed(2)})`;

const head = '<!DOCTYPE html><html lang="en"><head><meta charset="utf-8">' +
    '<meta name="viewport" content="width=device-width, initial-scale=1"><title>Floor</title></head><body>';
const sitePage = readFileSync(path.join(site, 'index.html'), 'utf8');
const floors = {
    bare: `${head}<input type="text" aria-label="Total"></body></html>`,
    window: `${head}${sitePage.match(/<style>.*?<\/style>/s)[0]}${sitePage.match(/<main .*?<\/main>/s)[0]}</body></html>`,
    module: `${head}<input type="text" aria-label="Total" disabled><script type="module">
await WebAssembly.compileStreaming(fetch('engine.wasm'));
document.querySelector('input').disabled = false;
</script></body></html>`,
};

// The processor time (in clock ticks) the browser and every process it started have used.
function browserTicks(pid) {
    const processes = new Map();
    for (const name of readdirSync('/proc').filter((entry) => /^\d+$/.test(entry))) {
        try {
            const stat = readFileSync(`/proc/${name}/stat`, 'utf8');
            const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' '); // state, parent, ...
            processes.set(Number(name), { parent: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) });
        } catch {
            // the process ended while it was being read
        }
    }
    let ticks = 0;
    const tree = [pid];
    while (tree.length > 0) {
        const at = tree.pop();
        ticks += processes.get(at)?.ticks ?? 0;
        tree.push(...[...processes].filter(([, { parent }]) => parent === at).map(([child]) => child));
    }
    return ticks;
}

// A visitor's browser is running before the page is asked for: a new one is left to
// finish starting (its processes using at most a tick in a tenth of a second) first, so
// that its own start-up does not fall on one page's load more than another's.
async function settled(browser) {
    const pid = browser.process().pid;
    let before = browserTicks(pid);
    for (let tenths = 0; tenths < 100; ++tenths) {
        await new Promise((resolve) => { setTimeout(resolve, 100); });
        const now = browserTicks(pid);
        if (now - before <= 1) return;
        before = now;
    }
    throw new Error('the browser was still busy starting after 10 s');
}

// Run in every page before its own scripts.
function watchUsable() {
    const check = () => {
        const field = document.querySelector('input[type=text]');
        const box = field?.getBoundingClientRect();
        if (field && !field.disabled && field.checkVisibility() && box.width > 0 &&
            document.elementFromPoint(box.left + (box.width / 2), box.top + (box.height / 2)) === field) {
            window.usableAt = performance.now();
            return;
        }
        requestAnimationFrame(check);
    };
    requestAnimationFrame(check);
    // The calculator's module has arrived and started (the module floor's "usable").
    new MutationObserver(() => {
        window.readyAt ??= document.documentElement.hasAttribute('data-ready') ? performance.now() : undefined;
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-ready'] });
}

async function visit(server, slowPhone, calculate) {
    const browser = await launch('chromium');
    try {
        const page = await browser.browser.newPage();
        await settled(browser.browser);
        if (slowPhone) {
            const cdp = await page.createCDPSession();
            await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
            await cdp.send('Network.enable');
            await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 150,
                downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 });
            await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
        } else {
            await page.setViewport({ width: 1280, height: 800 });
        }
        await page.evaluateOnNewDocument(watchUsable);
        const before = server.served.requests.length;
        await page.goto(server.url);
        await page.waitForFunction(() => window.usableAt !== undefined);
        const result = { usable: await page.evaluate(() => window.usableAt) };
        if (calculate) {
            await page.waitForFunction(() => window.readyAt !== undefined);
            result.ready = await page.evaluate(() => window.readyAt);
            await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
            // What the page asked for itself (everything before the service worker's script),
            // and the whole visit, with what the worker keeps for use offline.
            const requests = server.served.requests.slice(before);
            const sum = (list) => list.reduce((total, request) => total + request.bytes, 0);
            result.pageBytes = sum(requests.slice(0, requests.findIndex((request) => request.name === '/sw.js')));
            result.visitBytes = sum(requests);
            result.calculation = await page.evaluate(() => {
                const set = (id, text) => { document.getElementById(id).value = text; };
                [['txtAttempts', '34'], ['txtCompletions', '21'], ['txtYards', '285'], ['txtTouchdowns', '1'],
                    ['txtInterceptions', '1']].forEach(([id, text]) => set(id, text));
                const button = document.getElementById('btnCalculate');
                const start = performance.now();
                for (let i = 0; i < 2000; ++i) button.click();
                return { mean: (performance.now() - start) / 2000, rating: document.getElementById('txtPasserRating').value };
            });
            if (result.calculation.rating !== '86') throw new Error(`the rating read ${result.calculation.rating}`);
        }
        return result;
    } finally {
        await browser.close();
    }
}

const folder = await mkdtemp(path.join(tmpdir(), 'web-floors-'));
const servers = {};
try {
    for (const [name, html] of Object.entries(floors)) {
        await writeFile(path.join(folder, `${name}.html`), html);
    }
    await copyFile(path.join(site, 'engine.wasm'), path.join(folder, 'engine.wasm'));
    for (const name of Object.keys(floors)) {
        servers[name] = await serve(folder);
        servers[name].url += `${name}.html`;
    }
    servers.calculator = await serve(site);
    for (const [profile, slowPhone] of [['desktop', false], ['slow phone', true]]) {
        const runs = { bare: [], module: [], window: [], calculator: [] };
        for (let i = 0; i < loads; ++i) {
            for (const name of Object.keys(runs)) {
                runs[name].push(await visit(servers[name], slowPhone, name === 'calculator'));
            }
        }
        const against = (list, floor) => spread(list.map((run, i) => run.usable / runs[floor][i].usable), floor);
        const summary = Object.entries(runs).map(([name, list]) => `${name} ${median(list.map((run) => run.usable))
            .toFixed(0)} ms${name === 'bare' ? '' : `, ${against(list, 'bare')}`}`);
        console.log(`chromium, ${profile}: usable after (medians of ${loads}) ${summary.join(', ')}`);
        const calculator = runs.calculator;
        console.log(`chromium, ${profile}: the calculator against its window alone: ${against(calculator, 'window')}`);
        const ready = median(calculator.map((run, i) => run.ready / runs.module[i].usable));
        console.log(`chromium, ${profile}: the calculator's module ready after ${median(calculator.map((run) => run.ready))
            .toFixed(0)} ms (${ready.toFixed(2)} x the module floor)`);
        const kib = (key) => (median(calculator.map((run) => run[key])) / 1024).toFixed(1);
        console.log(`chromium, ${profile}: the calculator's first visit sent ${kib('pageBytes')} KiB before its ` +
            `service worker, ${kib('visitBytes')} KiB in all; one calculation ` +
            `${(median(calculator.map((run) => run.calculation.mean)) * 1000).toFixed(1)} µs`);
    }
} finally {
    for (const server of Object.values(servers)) await server.stop();
    await rm(folder, { recursive: true, force: true });
}
