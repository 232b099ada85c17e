// The page on a phone: Chromium emulating one (360 x 740, touch, taps as touch events) and
// Firefox at the same width with clicks (its driver has no touch); and the page when its
// module cannot run. What is read is what the user sees and touches.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';

import { browserNames, launch } from '../../tools/web/browsers.mjs';
import { serve } from '../../tools/web/server.mjs';

const site = path.resolve(process.env.PR_SITE ?? fileURLToPath(new URL('../../build/web/site', import.meta.url)));
const axeSource = await readFile(createRequire(new URL('../../tools/web/package.json', import.meta.url)).resolve('axe-core/axe.min.js'), 'utf8');
const visible = (page, selector) => page.waitForSelector(selector, { visible: true, timeout: 30000 });

// Every control the user can touch, with its box, and what scrolls sideways.
const measure = () => ({
    sideways: document.documentElement.scrollWidth - innerWidth,
    controls: [...document.querySelectorAll('input, button, summary, [role=menuitem], label.option')]
        .filter((e) => e.checkVisibility() && !e.matches('input[type=radio]')) // an option is touched by its label
        .map((e) => { const r = e.getBoundingClientRect(); return { id: e.id || e.textContent, left: r.left, right: r.right, height: r.height, width: r.width, font: parseFloat(getComputedStyle(e).fontSize) }; }),
});

for (const name of browserNames) {
    describe(`${name} on a phone`, () => {
        let server;
        let instance;
        let page;
        const touch = name === 'chromium';
        const press = (selector) => (touch ? page.tap(selector) : page.click(selector));
        before(async () => {
            server = await serve(site);
            instance = await launch(name);
            page = await instance.browser.newPage();
            await page.setViewport({ width: 360, height: 740, ...(touch ? { isMobile: true, hasTouch: true } : {}) });
            await page.goto(server.url);
            await visible(page, '#txtCompletions');
        });
        after(async () => {
            await instance?.close();
            await server?.stop();
        });

        test('nothing scrolls sideways, every control is inside the screen, 44 px to touch, its text 16 px', async () => {
            for (const width of [360, 320]) {
                await page.setViewport({ width, height: 740, ...(touch ? { isMobile: true, hasTouch: true } : {}) });
                await press('#mnuHelp'); // an open menu is measured too
                const { sideways, controls } = await page.evaluate(measure);
                await press('#mnuHelp');
                assert.equal(sideways, 0, `${width} px`);
                for (const control of controls) {
                    assert.ok(control.left >= 0 && control.right <= width, `${control.id} inside ${width} px`);
                    assert.ok(control.height >= 44 && control.width >= 44, `${control.id} 44 px to touch`);
                    if (control.id.startsWith('txt')) assert.ok(control.font >= 16, `${control.id} text 16 px`);
                }
            }
        });

        test('menus, the rating, About and a message by touch alone', async () => {
            for (const [id, total] of [['txtCompletions', '16'], ['txtAttempts', '28'], ['txtYards', '210'], ['txtTouchdowns', '2'], ['txtInterceptions', '2']]) {
                await press(`#${id}`);
                await page.keyboard.type(total); // the phone's on-screen keyboard
            }
            await press('#optNCAA');
            await press('#mnuAction');
            await press('#mnuCalculate');
            await page.waitForFunction(() => txtPasserRating.value === '129.428571428571');
            assert.ok(await page.$eval('#txtPasserRating', (e) => e.scrollWidth <= e.clientWidth), 'the whole rating shown');
            await press('#mnuHelp');
            await press('#mnuAbout');
            await visible(page, '#cmdOK');
            await press('#cmdOK');
            await page.waitForFunction(() => !frmAbout.open);
            await press('#txtAttempts');
            await page.keyboard.type('0');
            await press('#btnCalculate');
            await visible(page, '#dlgMessageOK');
            await press('#dlgMessageOK');
            await page.waitForFunction(() => !dlgMessage.open);
        });

        test('axe finds nothing in light and in dark mode', async () => {
            // Firefox's driver cannot switch the colour scheme: it checks the light one.
            for (const scheme of touch ? ['light', 'dark'] : ['light']) {
                if (touch) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
                const violations = await page.evaluate(async (source) => {
                    if (!window.axe) new Function(source)();
                    return (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
                }, axeSource);
                assert.deepEqual(violations, [], scheme);
            }
        });
    });
}

test('chromium: text a phone keyboard composes passes the filter once composed', async () => {
    const server = await serve(site);
    const chromium = await launch('chromium');
    try {
        const page = await chromium.browser.newPage();
        await page.goto(server.url);
        await visible(page, '#txtCompletions');
        await page.keyboard.type('12');
        const ime = await page.createCDPSession();
        for (const text of ['ab', '3']) {
            await ime.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
            await ime.send('Input.insertText', { text });
        }
        await page.waitForFunction(() => txtCompletions.value === '123');
    } finally {
        await chromium.close();
        await server.stop();
    }
});

for (const [why, prepare, retry] of [
    ['the module blocked', (page) => page.setRequestInterception(true).then(() => page.on('request', (r) => (r.url().endsWith('.wasm') ? r.abort() : r.continue()))), true],
    ['no WebAssembly', (page) => page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; }), false],
]) {
    test(`chromium: ${why} brings a visible alert in place of the splash`, async () => {
        const server = await serve(site);
        const chromium = await launch('chromium');
        try {
            const page = await chromium.browser.newPage();
            await prepare(page);
            await page.goto(server.url);
            await visible(page, '#failure');
            assert.equal(await page.$eval('#failure', (e) => e.getAttribute('role')), 'alert');
            assert.equal(await page.$eval('#frmSplash', (e) => e.hidden && !e.hasAttribute('aria-busy')), true);
            assert.equal(await page.$eval('#cmdRetry', (e) => !e.hidden), retry);
        } finally {
            await chromium.close();
            await server.stop();
        }
    });
}
