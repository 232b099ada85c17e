// The web page as its users meet it, in headless Chromium and Firefox ESR: keys and
// clicks as WebDriver actions, and what a user or a screen reader gets read back from the
// DOM and the accessibility tree. The site is served from build/web/site.
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
const title = 'Morvalenite Passer Rating Calculator';
const year = new Date().getFullYear();

// Waits until `read` (run in the page) gives what `done` accepts; a failure names what
// it waited for and the last value read.
async function waitFor(page, what, read, done = Boolean, ...args) {
    let last;
    for (const deadline = Date.now() + 30000; Date.now() < deadline;) {
        last = await page.evaluate(read, ...args).catch((error) => `(${error.message})`);
        if (done(last)) return last;
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    assert.fail(`timed out waiting for ${what}; last read: ${JSON.stringify(last)}`);
}

// What axe finds wrong on the page as it is.
async function audit(page, where) {
    const violations = await page.evaluate(async (source) => {
        if (!window.axe) new Function(source)();
        return (await window.axe.run(document)).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
    }, axeSource);
    assert.deepEqual(violations, [], where);
}

const value = (page, id) => page.$eval(`#${id}`, (element) => element.value);
const focused = (page) => page.evaluate(() => document.activeElement.id);
const dialogText = (page) => waitFor(page, 'a message', () => document.querySelector('#dlgMessage[open] p')?.textContent);

async function open(browser, url, withModule = true) {
    const page = await browser.newPage();
    page.problems = [];
    page.on('pageerror', (error) => page.problems.push(error.message));
    page.on('console', (message) => message.type() === 'error' && page.problems.push(message.text()));
    page.on('request', (request) => !request.url().startsWith(url) && page.problems.push(request.url()));
    await page.goto(url);
    await waitFor(page, 'the calculator', () => document.activeElement.id === 'txtCompletions');
    if (withModule) await waitFor(page, 'its module', () => document.documentElement.dataset.ready !== undefined);
    return page;
}

// The totals in tab order from the first field: completions, attempts, yards, touchdowns,
// interceptions; null leaves a field empty.
async function typeTotals(page, totals) {
    for (const [i, total] of totals.entries()) {
        if (i > 0) await page.keyboard.press('Tab');
        if (total !== null) await page.keyboard.type(String(total));
    }
}

// Keys one after the other, each a chord held down in order and let go in reverse
// ("Alt+h", "a", "Shift+Tab").
async function keys(page, ...chords) {
    for (const chord of chords) {
        const held = chord.split('+');
        for (const key of held) await page.keyboard.down(key);
        for (const key of held.reverse()) await page.keyboard.up(key);
    }
}

const rating = (page, text) => waitFor(page, `the rating ${text}`, () => txtPasserRating.value, (v) => v === text);

// Calculate by a click on its button or by keys: 'Alt+a c' is Action, Calculate.
const calculate = (page, how) => (how === 'click' ? page.click('#btnCalculate') : keys(page, ...how.split(' ')));

// attempts, completions, yards, touchdowns, interceptions; NFL; NCAA; how. The engine's
// own rows run on the page's module too; these prove the page's ways to a rating.
const examples = [
    ['a whole number shows no separator', [34, 21, 285, 1, 1], '86', '136', 'Control+l'],
    ['the interception component raised to 0', [20, 14, 210, 2, 2], '97.9', '171.2', 'click'],
    ['touchdowns and interceptions unequal', [26, 18, 240, 3, 1], '120.7', '177.153846153846', 'Alt+a c'],
    ['empty fields read as 0', [10, null, null, null, null], '39.6', '0', 'Enter'],
];

for (const name of browserNames) {
    describe(name, () => {
        let server;
        let instance;
        before(async () => {
            server = await serve(site);
            instance = await launch(name);
        });
        after(async () => {
            await instance?.close();
            await server?.stop();
        });
        // A case on a new page of the calculator, closed after it.
        const onPage = (title, body) => test(title, async () => {
            const page = await open(instance.browser, server.url);
            await body(page);
            await page.close();
        });

        for (const [row, [a, c, y, t, i], professional, college, how] of examples) {
            onPage(`worked example: ${row}`, async (page) => {
                await typeTotals(page, [c, a, y, t, i]);
                await calculate(page, how);
                await rating(page, professional);
                if (c === null) assert.equal(await value(page, 'txtYards'), '0');
                await keys(page, 'Alt+n');
                await calculate(page, how);
                await rating(page, college);
                assert.equal(await page.$eval('#announce', (e) => e.textContent), `Passer Rating: ${college}`);
                assert.deepEqual(page.problems, []);
            });
        }

        onPage('a message names the broken rule, keeps the rating and gives the focus back; axe finds nothing', async (page) => {
            await audit(page, 'the calculator');
            await typeTotals(page, [14, 20, 210, 2, 2]);
            await page.keyboard.press('Enter');
            await rating(page, '97.9');
            await keys(page, 'Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab');
            await page.keyboard.type('21'); // completions above the attempts
            await page.keyboard.press('Enter');
            assert.equal(await dialogText(page), 'Completions cannot exceed Attempts.');
            assert.equal(await page.$eval('#dlgMessage', (d) => d.getAttribute('role')), 'alertdialog');
            assert.equal(await page.$eval('#dlgMessageTitle', (e) => e.textContent), title);
            assert.equal(await page.$$eval('#dlgMessage button', (b) => b.map((e) => e.textContent).join()), 'OK');
            await audit(page, 'a message');
            await page.keyboard.press('Escape'); // into the dialog, not to Reset
            await waitFor(page, 'the message to close', () => !dlgMessage.open);
            assert.equal(await value(page, 'txtPasserRating'), '97.9');
            assert.equal(await focused(page), 'txtCompletions');
            await page.keyboard.press('Enter');
            await dialogText(page);
            await page.keyboard.press('Enter');
            await waitFor(page, 'Enter to close the message', () => !dlgMessage.open);
            await page.keyboard.press('Escape'); // now Reset
            await waitFor(page, 'Esc to reset', () => [...document.querySelectorAll('input[type=text]')].every((e) => !e.value));
            assert.equal(await focused(page), 'txtCompletions');
        });

        onPage('the filter keeps what a total can hold, Tab or a click selects the whole text, the editing keys work, a paste goes in', async (page) => {
            const typed = [['txtCompletions', '1a2 b+3,'], ['txtAttempts', '-7.5'], ['txtYards', '-7.5x']];
            for (const [i, [, text]] of typed.entries()) {
                if (i > 0) await page.keyboard.press('Tab');
                await page.keyboard.type(text);
            }
            await keys(page, 'Control+v', 'Control+z', 'Backspace');
            assert.deepEqual(await Promise.all(typed.map(([id]) => value(page, id))), ['123', '75', '-7.']);
            await keys(page, 'Shift+Tab');
            assert.deepEqual(await page.$eval('#txtAttempts', (e) => [e.selectionStart, e.selectionEnd]), [0, 2]);
            await page.keyboard.type('3');
            assert.equal(await value(page, 'txtAttempts'), '3');
            await page.click('#txtCompletions', { offset: { x: 6, y: 8 } });
            await waitFor(page, 'the click to select 123', () => [txtCompletions.selectionStart, txtCompletions.selectionEnd].join(), (v) => v === '0,3');
            await keys(page, 'Alt+y'); // the label's access key
            assert.equal(await focused(page), 'txtYards');
            assert.deepEqual(await page.$eval('#txtYards', (e) => [e.selectionStart, e.selectionEnd]), [0, 3]);
            for (const id of ['txtCompletions', 'txtAttempts', 'txtYards', 'txtTouchdowns', 'txtInterceptions']) {
                await page.focus(`#${id}`);
                await page.keyboard.type('1234'); // then the editing keys
                await keys(page, 'Home', 'Delete', 'ArrowRight', 'Backspace', 'End', 'Shift+ArrowLeft', '9', 'Home', 'Shift+ArrowRight', 'Delete');
                assert.equal(await value(page, id), '9', id);
            }
            // A paste goes in as it is, to be judged at Calculate as an address's values are.
            if (name === 'chromium') {
                await instance.browser.defaultBrowserContext().overridePermissions(server.url, ['clipboard-write', 'clipboard-sanitized-write']);
            }
            const clip = (text) => page.evaluate((t) => navigator.clipboard.writeText(t).then(() => 'written'), text);
            assert.equal(await clip('1x2'), 'written');
            await keys(page, 'Alt+c', 'Shift+Insert');
            assert.equal(await value(page, 'txtCompletions'), '1x2');
            await clip('9'.repeat(32768)); // longer than any total: refused whole
            await keys(page, 'End', 'Shift+Insert');
            assert.equal(await value(page, 'txtCompletions'), '1x2');
        });

        onPage('a long rating reads from its start; the address keeps a calculation, and another page opened on it shows the same', async (page) => {
            await typeTotals(page, [343, 502, 4643, 45, 6]);
            await keys(page, 'Alt+n', 'Enter');
            await rating(page, '173.209561752988');
            // A long rating reads from its start, to a screen reader too.
            assert.deepEqual(await page.$eval('#txtPasserRating', (e) => [e.selectionStart, e.scrollLeft]), [0, 0]);
            if (name === 'chromium') {
                const node = await page.accessibility.snapshot({ root: await page.$('#txtPasserRating') });
                assert.deepEqual([node.role, node.name, node.value], ['textbox', 'Passer Rating', '173.209561752988']);
            }
            const address = page.url();
            assert.match(address, /#attempts=502&completions=343&yards=4643&touchdowns=45&interceptions=6&formula=ncaa$/);
            // The work, as a table a screen reader reads, from the engine's own values.
            const work = async () => page.$$eval('#workTable tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent).join(' ')));
            assert.deepEqual(await work(), ['Step Total Points', 'Yards times 8.4 4643 39001.2', 'Touchdowns times 330 45 14850',
                'Interceptions times 200, taken away 6 -1200', 'Completions times 100 343 34300',
                'Rating: the sum divided by attempts 502 173.209561752988']);
            const context = await instance.browser.createBrowserContext();
            const fresh = await context.newPage();
            // A browser that shares: Share hands over the address.
            await fresh.evaluateOnNewDocument(() => { navigator.share = async ({ url }) => { window.shared = url; }; });
            await fresh.goto(address);
            await rating(fresh, '173.209561752988');
            await fresh.click('#cmdShare');
            assert.equal(await waitFor(fresh, 'the shared address', () => window.shared), address);
            assert.deepEqual(await Promise.all(['txtAttempts', 'txtYards'].map((id) => value(fresh, id))), ['502', '4643']);
            assert.equal(await fresh.$eval('#optNCAA', (e) => e.checked), true);
            await context.close();
            await page.bringToFront();
            // Another calculation's address in the same tab, escapes anywhere in its values.
            await page.goto(`${server.url}#attempts=3%34&completions=%321&yards=2%385&touchdowns=1&interceptions=%31&formula=nfl`);
            await rating(page, '86');
            assert.deepEqual(await Promise.all(['txtAttempts', 'txtCompletions', 'txtYards', 'txtInterceptions'].map((id) => value(page, id))),
                ['34', '21', '285', '1']);
            assert.equal(await page.$eval('#optNFL', (e) => e.checked), true);
            assert.deepEqual(await work(), ['Step Rate Component',
                'Completions per 100 attempts, less 30, times 0.05 61.76 1.588', 'Yards per attempt, less 3, times 0.25 5.38 1.345',
                'Touchdowns per 100 attempts, times 0.2 2.94 0.588', '2.375 less interceptions per 100 attempts times 0.25 2.94 1.64',
                'Sum of the components  5.161', 'Rating  86']);
            await page.keyboard.press('Escape');
            await waitFor(page, 'Reset to clear the address', () => location.hash, (hash) => hash === '');
        });

        onPage('a hostile address brings only a field\'s message', async (page) => {
            const hostile = [['%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E', 'The Pass Attempts field contains an error.'],
                ['99999999999999999999', 'The Pass Attempts field contains an error.'],
                ['10&completions=</script><script>alert(1)</script>', 'The Pass Completions field contains an error.'],
                [`${'0'.repeat(32767)}5`, 'The Pass Attempts field contains an error.']]; // a 5 longer than a paste may be
            for (const [attempts, message] of hostile) {
                await page.goto(`${server.url}#attempts=${attempts}`);
                await page.reload();
                assert.equal(await dialogText(page), message);
                assert.equal(await page.$$eval('img, script', (e) => e.length), 3, 'only the logo and the page\'s scripts');
            }
            assert.equal(await value(page, 'txtAttempts'), '', 'the field as it was');
            assert.deepEqual(page.problems, []);
        });

        onPage('About shows this year in its notice, after a calculation too; Esc and Enter close it; axe finds nothing', async (page) => {
            await typeTotals(page, [14, 20, 210, 2, 2]);
            await page.keyboard.press('Enter');
            await keys(page, 'Alt+c');
            for (const key of ['Escape', 'Enter']) {
                await keys(page, 'Alt+h', 'a');
                await waitFor(page, 'the About window', () => frmAbout.open);
                assert.equal(await page.$eval('#frmAboutCaption', (e) => e.textContent), `About ${title}`);
                assert.equal(await page.$eval('#frmAbout [data-loaded]', (e) => e.textContent),
                    `Copyright \u00A9 2005 - ${year} Morvalenite`);
                assert.equal(await focused(page), 'cmdOK');
                if (key === 'Enter') await audit(page, 'About');
                await page.keyboard.press(key);
                await waitFor(page, `${key} to close About`, () => !frmAbout.open);
                assert.equal(await focused(page), 'txtCompletions');
            }
        });

        onPage('F1 and Help, Index open the help pages in one tab of their own', async (page) => {
            const help = async (open) => {
                const opened = instance.browser.waitForTarget((t) => t.url().includes('/help/') && t.type() === 'page');
                await open();
                const target = await opened;
                const tab = await target.page();
                await waitFor(tab, 'the help page', () => document.readyState === 'complete' && document.title);
                return tab;
            };
            const welcome = await help(() => page.keyboard.press('F1'));
            assert.equal(await welcome.title(), `${title} Help - Welcome`);
            assert.deepEqual(await welcome.$$eval('nav[aria-label=Contents] a', (a) => a.map((e) => e.textContent)), ['Contents', 'Index', // then the .hhc's
                'Welcome', 'Entering totals', 'Keyboard use', 'Formulas', 'The professional formula', 'The college formula', 'Messages']);
            await audit(welcome, 'a help page');
            await welcome.close();
            await page.bringToFront();
            await keys(page, 'Alt+h', 'i');
            const index = await help(() => Promise.resolve());
            const keywords = await index.$$eval('.keywords a', (a) => a.map((e) => e.textContent));
            assert.deepEqual(keywords, [...keywords].sort((x, y) => x.localeCompare(y, 'en', { sensitivity: 'base' })));
            assert.ok(keywords.length > 10);
            await index.close();
        });

        // A phone: Chromium emulates one, taps as touch events; Firefox's driver has no touch
        // and clicks at the same width.
        const touch = name === 'chromium';
        async function phone(width, prepare = async () => {}) {
            const context = await instance.browser.createBrowserContext(); // no service worker yet
            const page = await context.newPage();
            page.done = () => context.close();
            await prepare(page);
            await page.setViewport({ width, height: 740, ...(touch ? { isMobile: true, hasTouch: true } : {}) });
            await page.goto(server.url);
            page.press = (selector) => (touch ? page.tap(selector) : page.click(selector));
            return page;
        }

        // Every visible control inside the screen, 44 px to touch, a field's text 16 px.
        const controlsSelector = 'input:not([type=radio]), button, summary, [role=menuitem], label.option';
        async function measure(page, width, when) {
            const { sideways, controls } = await page.evaluate((selector) => ({
                sideways: document.documentElement.scrollWidth - innerWidth,
                controls: [...document.querySelectorAll(selector)].filter((e) => e.checkVisibility()).map((e) => {
                    const box = e.getBoundingClientRect();
                    return { id: e.id || e.textContent, box: [box.left, box.right, box.width, box.height], font: parseFloat(getComputedStyle(e).fontSize) };
                }),
            }), controlsSelector);
            assert.equal(sideways, 0, `${width} px ${when}`);
            for (const { id, box: [left, right, w, h], font } of controls) {
                assert.ok(left >= 0 && right <= width && w >= 44 && h >= 44, `${id} at ${width} px ${when}: ${[left, right, w, h]}`);
                if (id.startsWith('txt')) assert.ok(font >= 16, `${id}: ${font} px`);
            }
        }

        // The contrast of each visible control's text with its own background (the nearest
        // one drawn), as WCAG reckons it.
        const contrasts = (page) => page.evaluate((selector) => {
            const rgb = (colour) => colour.match(/[\d.]+/g).map(Number);
            const linear = (v) => ((v /= 255) <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4);
            const luminance = ([r, g, b]) => (0.2126 * linear(r)) + (0.7152 * linear(g)) + (0.0722 * linear(b));
            const background = (element) => {
                for (let e = element; e; e = e.parentElement) {
                    const colour = rgb(getComputedStyle(e).backgroundColor);
                    if (colour.length < 4 || colour[3] > 0) return colour;
                }
                return [255, 255, 255];
            };
            return [...document.querySelectorAll(selector)].filter((e) => e.checkVisibility()).map((e) => {
                const [a, b] = [luminance(rgb(getComputedStyle(e).color)), luminance(background(e))];
                return [e.id || e.textContent, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
            });
        }, controlsSelector);

        test('on a phone nothing scrolls sideways, every control is inside the screen, 44 px to touch, its text 16 px, before and after a calculation; axe finds nothing; dark text is legible; everything goes by touch alone', async () => {
            for (const width of [360, 320]) {
                const page = await phone(width);
                await waitFor(page, 'the calculator', () => document.activeElement.id === 'txtCompletions');
                await page.press('#mnuHelp'); // the open menu's items are measured too
                await measure(page, width, 'before a calculation');
                await page.press('#mnuHelp');
                for (const scheme of touch ? ['light', 'dark'] : ['light']) { // Firefox's driver keeps the scheme
                    if (touch) await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]);
                    await audit(page, `${width} px, ${scheme}`);
                }

                for (const [id, total] of [['txtCompletions', 16], ['txtAttempts', 28], ['txtYards', 210], ['txtTouchdowns', 2], ['txtInterceptions', 2]]) {
                    await page.press(`#${id}`);
                    await page.keyboard.type(String(total)); // the on-screen keyboard
                }
                for (const control of ['#optNCAA', '#mnuAction', '#mnuCalculate']) await page.press(control);
                await rating(page, '129.428571428571');
                assert.ok(await page.$eval('#txtPasserRating', (e) => e.scrollWidth <= e.clientWidth), 'the whole rating shown');
                await page.press('#mnuHelp');
                await measure(page, width, 'after a calculation');
                for (const [control, ratio] of touch ? await contrasts(page) : []) { // dark, fields filled, a menu open
                    assert.ok(ratio >= 4.5, `${control}: ${ratio.toFixed(2)}:1 in dark mode`);
                }
                await page.press('#mnuAbout');
                await waitFor(page, 'About inside the screen', () => frmAbout.open && cmdOK.getBoundingClientRect().right <= innerWidth);
                await page.press('#cmdOK');
                await waitFor(page, 'About to close', () => !frmAbout.open);
                await page.press('#txtAttempts');
                await page.keyboard.type('0');
                await page.press('#btnCalculate');
                await dialogText(page);
                await page.press('#dlgMessageOK');
                await waitFor(page, 'the message to close', () => !dlgMessage.open);
                await page.done();
            }
        });

        if (touch) {
            onPage('text a phone keyboard composes is judged once composed', async (page) => {
                await page.keyboard.type('12');
                const ime = await page.createCDPSession();
                for (const text of ['ab', '3']) {
                    await ime.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
                    await ime.send('Input.insertText', { text });
                }
                await waitFor(page, 'the composed digit alone', () => txtCompletions.value, (v) => v === '123');
            });

            const blocked = (page) => page.setRequestInterception(true)
                .then(() => page.on('request', (r) => (r.url().endsWith('.wasm') ? r.abort() : r.continue())));
            const withoutWasm = (page) => page.evaluateOnNewDocument(() => { delete globalThis.WebAssembly; });
            for (const [why, prepare, retry, reason] of [['the module blocked', blocked, true, /^The calculator could not be loaded\./],
                ['no WebAssembly', withoutWasm, false, /^This browser cannot run the calculator/]]) {
                test(`${why}: an alert that says why in place of the calculator`, async () => {
                    const page = await phone(360, prepare);
                    await waitFor(page, 'the alert', () => failure.checkVisibility() && failure.getAttribute('role'), (v) => v === 'alert');
                    assert.match(await page.$eval('#failure', (e) => e.innerText), reason);
                    assert.equal(await page.$eval('#frmPasserRating', (e) => e.checkVisibility()), false);
                    assert.equal(await page.$eval('#cmdRetry', (e) => !e.hidden), retry);
                    await page.done();
                });
            }
        }

        test('before the module has arrived the fields take typing; Enter waits for it, the fields with it', async () => {
            const slow = await serve(site, { held: ['/engine.wasm'] });
            try {
                const page = await open(instance.browser, slow.url, false);
                await typeTotals(page, [21, 34, 285, 1, 1]);
                await page.keyboard.press('Enter');
                await page.keyboard.type('9'); // not to be read by the Enter before it
                assert.equal(await page.$eval('#frmPasserRating', (e) => e.ariaBusy), 'true');
                slow.release();
                await rating(page, '86');
                await page.keyboard.type('9');
                assert.deepEqual([await value(page, 'txtInterceptions'), page.problems], ['19', []]);
                await page.close();
            } finally {
                slow.release();
                await slow.stop();
            }
        });

        test('the page works offline once visited', async () => {
            const own = await serve(site);
            const page = await open(instance.browser, own.url);
            await waitFor(page, 'the service worker', () => navigator.serviceWorker.controller?.state);
            await own.stop();
            await page.reload();
            await waitFor(page, 'the calculator offline', () => document.activeElement.id === 'txtCompletions');
            await typeTotals(page, [21, 34, 285, 1, 1]);
            await page.keyboard.press('Enter');
            await rating(page, '86'); // offline
            await page.close();
        });
    });

    // The yards pasted (no key gives a space), then Calculate: the rating, or the message.
    const byLocale = [['de-DE', '4.643', '122,5'], ['fr-FR', '4.643', 'The Yards field contains an error.'],
        ['fr-FR', '4\u202F643', '122,5'], ['fr-FR', '4 643', '122,5']];
    for (const language of new Set(byLocale.map(([tag]) => tag))) {
        test(`${name}: under ${language} totals read as the locale writes them, and the rating has a comma`, async () => {
            const server = await serve(site);
            const local = await launch(name, { language });
            try {
                if (name === 'chromium') {
                    await local.browser.defaultBrowserContext().overridePermissions(server.url, ['clipboard-write', 'clipboard-sanitized-write']);
                }
                const page = await open(local.browser, server.url);
                for (const [, yards, shown] of byLocale.filter(([tag]) => tag === language)) {
                    await page.evaluate((text) => navigator.clipboard.writeText(text), yards);
                    await keys(page, 'Escape', 'Alt+c');
                    await typeTotals(page, [343, 502, null, 45, 6]);
                    await keys(page, 'Alt+y', 'Shift+Insert', 'Enter');
                    if (shown.endsWith('.')) {
                        assert.equal(await dialogText(page), shown, yards);
                        await keys(page, 'Enter');
                    } else {
                        await rating(page, shown);
                    }
                }
            } finally {
                await local.close();
                await server.stop();
            }
        });
    }
}
