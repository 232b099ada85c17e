// The web page's costs, in headless Chromium and Firefox ESR, medians of several first
// visits (each with a new profile, so nothing is cached): the bytes the server sent for
// the whole visit (the page, then what the service worker keeps for offline use), the
// time from navigation to a usable calculator, and one calculation (Calculate pressed,
// the rating written). Chromium also loads it as a slow phone would (4x CPU slowdown,
// 150 ms round trips, 1.6 Mbit/s down, 750 kbit/s up; gzip served), median of 5. Run from
// the top folder after building the web preset:
//   node bench/web_load.mjs [LOADS]
import { fileURLToPath } from 'node:url';

import { launch } from '../tools/web/browsers.mjs';
import { serve } from '../tools/web/server.mjs';

const loads = Number(process.argv[2] ?? 7);
const site = fileURLToPath(new URL('../build/web/site', import.meta.url));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function visit(name, server, slowPhone = false) {
    const browser = await launch(name);
    try {
        const page = await browser.browser.newPage();
        if (slowPhone) {
            const cdp = await page.createCDPSession();
            await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
            await cdp.send('Network.enable');
            await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 150,
                downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8 });
            await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true });
        }
        const before = server.served.bytes;
        await page.goto(server.url);
        await page.waitForFunction(() => document.documentElement.dataset.ready !== undefined);
        const usable = await page.evaluate(() => performance.getEntriesByName('calculator-usable')[0].startTime);
        const pageBytes = server.served.bytes - before;
        await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
        const visitBytes = server.served.bytes - before;
        const calculation = await page.evaluate(() => {
            const set = (id, text) => { document.getElementById(id).value = text; };
            [['txtAttempts', '34'], ['txtCompletions', '21'], ['txtYards', '285'], ['txtTouchdowns', '1'],
                ['txtInterceptions', '1']].forEach(([id, text]) => set(id, text));
            const button = document.getElementById('btnCalculate');
            const start = performance.now();
            for (let i = 0; i < 2000; ++i) button.click();
            return { mean: (performance.now() - start) / 2000, rating: document.getElementById('txtPasserRating').value };
        });
        if (calculation.rating !== '86') throw new Error(`${name}: the rating read ${calculation.rating}`);
        return { pageBytes, visitBytes, usable, calculation: calculation.mean };
    } finally {
        await browser.close();
    }
}

const server = await serve(site);
try {
    for (const name of ['chromium', 'firefox']) {
        const runs = [];
        for (let i = 0; i < loads; ++i) runs.push(await visit(name, server));
        const pick = (key) => median(runs.map((run) => run[key]));
        console.log(`${name}: first visit ${(pick('visitBytes') / 1024).toFixed(1)} KiB sent ` +
            `(${(pick('pageBytes') / 1024).toFixed(1)} KiB before the service worker), usable after ` +
            `${pick('usable').toFixed(0)} ms, one calculation ${(pick('calculation') * 1000).toFixed(1)} µs ` +
            `(medians of ${loads} loads)`);
    }
    const phone = [];
    for (let i = 0; i < 5; ++i) phone.push(await visit('chromium', server, true));
    console.log(`chromium as a slow phone: usable after ${median(phone.map((run) => run.usable)).toFixed(0)} ms, ` +
        `${(median(phone.map((run) => run.pageBytes)) / 1024).toFixed(1)} KiB before the service worker (median of 5)`);
} finally {
    await server.stop();
}
