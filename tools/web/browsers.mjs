// Debian's Chromium and Firefox ESR, headless, each with a new empty profile, driven by
// puppeteer-core: Chromium over the DevTools protocol, Firefox over WebDriver BiDi. No
// browser is downloaded. LANGUAGE sets the browser's language (navigator.language).
import { mkdtemp, rm } from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

export const browserNames = (process.env.PR_BROWSERS ?? 'chromium firefox').split(' ');

export async function launch(name, { language = 'en-US' } = {}) {
    const profile = await mkdtemp(path.join(os.tmpdir(), `pr-${name}-`));
    const browser = name === 'chromium'
        ? await puppeteer.launch({
            browser: 'chrome', executablePath: '/usr/bin/chromium', userDataDir: profile, headless: true,
            args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-sync',
                '--disable-background-networking', '--disable-component-update', `--lang=${language}`, `--accept-lang=${language}`],
            env: { ...process.env, LANGUAGE: language.replace('-', '_') },
        })
        : await puppeteer.launch({
            browser: 'firefox', executablePath: '/usr/bin/firefox-esr', userDataDir: profile, headless: true,
            extraPrefsFirefox: { 'intl.accept_languages': language, 'intl.locale.requested': language },
        });
    return {
        browser,
        close: async () => {
            await browser.close();
            await rm(profile, { recursive: true, force: true });
        },
    };
}
