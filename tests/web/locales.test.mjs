// Every locale Node's number data knows, through the page's own module (engine.wasm) fed
// what the page hands it (numberFormat, the page's own reading of Intl): the numbers each
// locale writes read back as themselves, and texts that could mean two things read as the
// number the locale means by them or bring the field's message, never another number. The
// locales are the system's (glibc's list of supported ones) that Intl knows, a few hundred.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { test } from 'node:test';

import { numberFormat } from '../../ui/web/number_format.mjs';

const site = path.resolve(process.env.PR_SITE ?? fileURLToPath(new URL('../../build/web/site', import.meta.url)));
const engine = await WebAssembly.compile(await readFile(path.join(site, 'engine.wasm')));
const calculate = Number((await readFile(path.join(site, 'index.html'), 'utf8'))
    .match(/id="btnCalculate"[^>]* data-command="(\d+)"/)[1]);
const tags = [...new Set((await readFile('/usr/share/i18n/SUPPORTED', 'utf8')).split('\n')
    .map((line) => line.split(/[.@ ]/)[0].replace('_', '-')).filter(Boolean))]
    .filter((tag) => {
        try {
            return Intl.NumberFormat.supportedLocalesOf([tag]).length > 0;
        } catch {
            return false; // a name Intl cannot parse
        }
    });

// Yards across the 32-bit range that the totals below allow (99 times the completions).
const kMostYards = 2147483646;
let seed = 20261209;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const numbers = [0, 7, -99, 1234, 20000, 200000, kMostYards, -kMostYards,
    ...Array.from({ length: 40 }, () => Math.round(((random() * 2) - 1) * kMostYards)),
    ...Array.from({ length: 16 }, () => Math.round(((random() * 2) - 1) * (10 ** Math.ceil(random() * 6))))];
const ambiguous = ['4.643', '4,643', '0.643', '1.234,5'];

// The module under a page of one language: a yards text in, what Calculate read it as
// (the address records the totals as read) or its message out.
function yardsReader(language) {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    let exports;
    let fields;
    let said;
    const textAt = (pointer, length) => decoder.decode(new Uint8Array(exports.memory.buffer, pointer, length));
    const handOver = (text) => {
        const bytes = encoder.encode(text);
        new Uint8Array(exports.memory.buffer, exports.pr_reserve(bytes.length), bytes.length).set(bytes);
        return bytes.length;
    };
    const nothing = () => 0;
    const page = {
        entry_text: (field) => handOver(fields[field]),
        number_format: () => handOver(numberFormat(language)),
        chosen_option: () => 15, // optNFL
        set_address: (pointer, length) => { said = Number(new URLSearchParams(textAt(pointer, length)).get('yards')); },
        show_message: (pointer, length) => { said = textAt(pointer, length); },
        set_entry_text: nothing, set_rating_text: nothing, choose_option: nothing, show_work: nothing,
        show_about: nothing, open_help: nothing, local_year: nothing,
    };
    const refuse = () => 8; // EBADF
    ({ exports } = new WebAssembly.Instance(engine, { page, wasi_snapshot_preview1: { fd_close: refuse, fd_seek: refuse, fd_write: refuse } }));
    exports._initialize();
    return (yards) => {
        fields = ['2147483647', '21691754', yards, '0', '0'];
        exports.pr_run(calculate);
        return said;
    };
}

// What a locale means by a text: where every "." and "," is one of its separators and a
// grouped number does not start with 0, the number they make, rounded as a total is;
// otherwise nothing.
function meant(language, text) {
    const parts = new Intl.NumberFormat(language).formatToParts(12345.5);
    const [decimal, group] = ['decimal', 'group'].map((type) => parts.find((part) => part.type === type)?.value);
    if (![...text].every((c) => !'.,'.includes(c) || c === decimal || c === group)) return null;
    if (text.split(decimal)[0].includes(group) && text.startsWith('0')) return null;
    const value = Number(text.split(group).join('').replace(decimal, '.'));
    const floor = Math.floor(value);
    return value - floor > 0.5 || (value - floor === 0.5 && floor % 2 !== 0) ? floor + 1 : floor;
}

test('every locale reads back the numbers it writes, and what could mean two things as the number it means or the message', () => {
    assert.ok(tags.length > 200, `only ${tags.length} locales`);
    const message = 'The Yards field contains an error.';
    const wrong = [];
    for (const tag of tags) {
        const read = yardsReader(tag);
        const writes = new Intl.NumberFormat(tag, { useGrouping: true, maximumFractionDigits: 0 });
        for (const number of numbers) {
            const text = writes.format(number);
            const got = read(text);
            if (got !== number) wrong.push(`${tag}: ${JSON.stringify(text)} read as ${got}, not ${number}`);
        }
        for (const text of ambiguous) {
            const got = read(text);
            if (got !== message && got !== meant(tag, text)) wrong.push(`${tag}: ${JSON.stringify(text)} read as ${got}`);
        }
    }
    assert.deepEqual(wrong.slice(0, 30), [], `${wrong.length} texts read wrongly`);
});
