// Writes the web page's static site from the windows as designed: it runs the
// describe_windows module for the description, writes the markup of the calculator, its
// menus, the message and About dialogs with the script and their layout in CSS pixels,
// the help topics as pages with their Contents and Index (from the .hhc and .hhk), the
// web-app manifest and the service worker's list of what to keep offline.
// Usage: node site.mjs PAGE_MODULE DESCRIBE_MODULE SOURCE_DIR OUT_DIR
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFile, mkdir, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import path from 'node:path';

const [modulePath, describePath, sourceDir, outDir] = process.argv.slice(2);
const webDir = path.join(sourceDir, 'ui/web');
const helpDir = path.join(sourceDir, 'help');

// Nothing on the site runs or loads what is not its own. The calculator's page carries its
// script and styles inline, allowed by their digests, so its first response is all it
// needs to be drawn and used; the help pages link theirs.
const sourcePolicy = (script, style) =>
    `default-src 'none'; script-src ${script} 'wasm-unsafe-eval'; style-src ${style}; img-src 'self'; ` +
    "connect-src 'self'; manifest-src 'self'; worker-src 'self'; base-uri 'none'; form-action 'none'";
const digest = (text) => `'sha256-${createHash('sha256').update(text).digest('base64')}'`;
const helpPolicy = sourcePolicy("'self'", "'self'");

// The describe_windows module's JSON: the windows, or with a sitemap's bytes given, the
// help's contents or index as the help viewer reads them.
function describe(sitemap) {
    const run = path.join(sourceDir, 'tools/wasi-run.mjs');
    const args = ['--no-warnings', run, describePath, ...(sitemap ? ['--sitemap'] : [])];
    return JSON.parse(execFileSync('node', args, { encoding: 'utf8', input: sitemap }));
}

// The page's background in light and dark mode, as style.css sets it, for the browser's
// own frame.
const [kThemeColour, kDarkThemeColour] = [...(await readFile(path.join(webDir, 'style.css'), 'utf8'))
    .matchAll(/--page: (#[0-9a-f]{6})/g)].map((match) => match[1]);
const kDescription = 'Rates an American-football quarterback from five totals with the professional (NFL) ' +
    'or the college (NCAA) formula, exact to the last digit.';

const escape = (text) =>
    text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

// "Pass &Completions:" -> its markup with the access key underlined, and the key.
function caption(text) {
    const at = text.indexOf('&');
    if (at < 0) return { html: escape(text), key: '' };
    const key = text[at + 1];
    const html = escape(text.slice(0, at)) + `<u>${escape(key)}</u>` + escape(text.slice(at + 2));
    return { html, key: key.toUpperCase() };
}

// The windows' arrangement from the twips, on screens wide enough for it, at one and a
// half times the designed size (the designed 8.25 pt is small for a page). Narrower
// screens get style.css's single column, with each label's text size relative to the
// window's (About's product name stays large, its fine print readable).
const kScale = 1.5;
const kDesktop = '(min-width: 40em)';
const kRatingWidth = '19ch'; // a sign, 15 digits and a point, or an exponent form, with the field's padding
const scaled = (value) => Number((value * kScale).toFixed(3));
const box = (selector, [left, top, width, height]) =>
    `${selector}{left:${scaled(left)}px;top:${scaled(top)}px;width:${scaled(width)}px;height:${scaled(height)}px}`;

function labelRules(prefix, labels, basePoints, css) {
    for (const label of labels) {
        const id = `#${prefix}${label.name}`;
        css.all.push(`${id}{font-weight:${label.bold ? 700 : 400};text-align:${label.centred ? 'center' : 'left'}}`);
        css.desktop.push(box(id, label.rect).replace('}', `;font-size:${scaled(label.points)}pt;` +
            `white-space:${label.wrap ? 'normal' : 'nowrap'}}`));
        css.phone.push(`${id}{font-size:max(1rem,${(label.points / basePoints * 0.6).toFixed(3)}rem)}`);
    }
}

function labelMarkup(prefix, labels) {
    return labels.map((label) =>
        `<div class="label" id="${prefix}${label.name}"${'loaded' in label ? ` data-loaded="${label.loaded}"` : ''}>` +
        `${escape(label.text)}</div>`);
}

function mainMarkup(site, css) {
    const main = site.main;
    css.desktop.push(box('#clientArea', [0, 0, ...main.size]), `.window{font-size:${scaled(main.fontPoints)}pt}`);
    css.all.push(`.window{font-family:"${main.fontFamily}","${main.substituteFontFamily}",cursive}`);
    const controls = [];
    for (const control of main.controls) {
        const text = caption(control.caption);
        const key = text.key ? ` aria-keyshortcuts="Alt+${text.key}" data-access="${text.key}"` : '';
        // The browser gives the first focus itself as it draws the page, with no layout of its own.
        const at = `data-control="${control.index}"${control.firstFocus ? ' autofocus' : ''}`;
        const spoken = escape(control.spoken); // a field's: the caption of the label that names it
        switch (control.kind) {
        case 'label':
            // A label's access key focuses the control after it; a field is named after it.
            controls.push(`<label id="${control.name}" class="label" ${at}${key}><span>${text.html}</span></label>`);
            css.desktop.push(box(`#${control.name}`, control.rect));
            continue;
        case 'entry': {
            // A phone's number pad has no minus: the yards field gets the whole keyboard.
            const keyboard = control.signed ? 'text' : 'numeric';
            controls.push(`<input id="${control.name}" class="entry" type="text" inputmode="${keyboard}" ` +
                `autocomplete="off" spellcheck="false" enterkeyhint="go" ${at} data-typed="${escape(control.typed)}" ` +
                `aria-label="${spoken}">`);
            break;
        }
        case 'result':
            controls.push(`<input id="${control.name}" class="result" type="text" readonly ${at} ` +
                `aria-label="${spoken}">`);
            break;
        case 'button':
            if (control.command === site.exitCommand) continue; // a page has no program to end
            controls.push(`<button id="${control.name}" type="button" ${at} data-command="${control.command}"` +
                `${control.default ? ' data-default' : ''}${control.cancel ? ' data-cancel' : ''}>${text.html}</button>`);
            break;
        case 'option':
            controls.push(`<label class="option" id="${control.name}Box"${key}><input type="radio" name="formula" ` +
                `id="${control.name}" ${at}${control.chosenAtStart ? ' checked' : ''}><span>${text.html}</span></label>`);
            css.desktop.push(box(`#${control.name}Box`, control.rect));
            continue;
        }
        css.desktop.push(box(`#${control.name}`, control.rect));
        if (control.kind === 'result') { // wide enough for the longest rating, the window with it
            const [left, , width] = control.rect;
            css.desktop.push(`#${control.name}{width:max(${scaled(width)}px,${kRatingWidth})}`,
                `#clientArea{width:max(${scaled(main.size[0])}px,${scaled(left + 8)}px + ${kRatingWidth})}`);
        }
    }
    return controls;
}

function menuMarkup(site) {
    const menus = [];
    for (const menu of site.main.menus) {
        const items = menu.items.filter((item) => item.command !== site.exitCommand);
        if (items.length === 0) continue;
        const title = caption(menu.caption);
        const entries = items.map((item) => {
            const text = caption(item.caption);
            const shortcut = item.shortcut
                ? `<span class="shortcut">${item.shortcut}</span>`
                : '';
            // The page finds an item's shortcut by this, as a screen reader announces it.
            const keys = item.shortcut ? ` aria-keyshortcuts="${item.ctrl ? 'Control+' : ''}${item.key}"` : '';
            const inner = `<span>${text.html}</span>${shortcut}`;
            const common = `role="menuitem" id="${item.name}" tabindex="-1" data-access="${text.key}"${keys}`;
            if (item.command === site.webCommand) { // the home page: a link, opened by the browser
                return `<a ${common} href="${escape(site.homePage)}" target="_blank" rel="noopener noreferrer">${inner}</a>`;
            }
            return `<button type="button" ${common} data-command="${item.command}">${inner}</button>`;
        });
        menus.push(`<div class="menu"><button type="button" role="menuitem" id="${menu.name}" tabindex="-1" ` +
            `aria-haspopup="menu" aria-expanded="false" aria-controls="${menu.name}Items" ` +
            `aria-keyshortcuts="Alt+${title.key}" data-access="${title.key}">${title.html}</button>` +
            `<div role="menu" id="${menu.name}Items" aria-labelledby="${menu.name}" hidden>${entries.join('')}</div></div>`);
    }
    return menus;
}

// A style sheet or script as the page carries it: without its comments (whole lines of
// "//", and "/* */") and indentation, which the visitor has no use for.
const compact = (source) => source.replace(/\/\*[^]*?\*\//g, '').split('\n').map((line) => line.trim())
    .filter((line) => line !== '' && !line.startsWith('//')).join('\n') + '\n';

// The page, its script and styles inline. The browser's own loading is the splash: the
// calculator is drawn from the first response and its fields take typing at once. Its
// fields' typing rules come right after its markup, as a classic script: the module at the
// end runs once the whole page is parsed, which can be after the fields are first drawn.
async function pageMarkup(site) {
    const css = { all: [], desktop: [], phone: [] };
    const controls = mainMarkup(site, css);
    const about = site.about;
    css.desktop.push(box(`#${about.name} .client`, [0, 0, ...about.size]), box(`#${about.ok.name}`, about.ok.rect),
        box(`#${about.logo.name}`, about.logo.rect));
    labelRules(`${about.name}-`, about.labels, site.main.fontPoints, css);
    const lines = about.lines.map((line, i) => {
        const id = `${about.lineName}-${i}`;
        css.desktop.push(box(`#${id}`, line.rect));
        css.all.push(`#${id}{border-top:${line.width}px solid rgb(${line.grey},${line.grey},${line.grey})}`);
        return `<div class="line" id="${id}"></div>`;
    });
    const result = site.main.controls.find((control) => control.kind === 'result').name;
    const title = escape(site.title);
    const layout = `${css.all.join('\n')}\n@media ${kDesktop} {\n${css.desktop.join('\n')}\n}\n` +
        `@media not ${kDesktop} {\n${css.phone.join('\n')}\n}\n`;
    const style = `\n${compact(await readFile(path.join(webDir, 'style.css'), 'utf8'))}${layout}`;
    const typing = `\n${compact(await readFile(path.join(webDir, 'typing.js'), 'utf8'))}`;
    const script = `\n${compact(await readFile(path.join(webDir, 'number_format.mjs'), 'utf8'))}` +
        compact(await readFile(path.join(webDir, 'app.js'), 'utf8'));
    const policy = sourcePolicy(`${digest(typing)} ${digest(script)}`, digest(style));
    return `<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content="${policy}">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="description" content="${escape(kDescription)}">
<meta name="theme-color" content="${kThemeColour}" media="(prefers-color-scheme: light)">
<meta name="theme-color" content="${kDarkThemeColour}" media="(prefers-color-scheme: dark)">
<title>${title}</title>
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icon.svg" type="image/svg+xml">
<link rel="preload" href="engine.wasm" as="fetch" type="application/wasm" crossorigin fetchpriority="high">
<style>${style}</style>
</head>
<body data-main="${site.main.name}" data-result="${result}" data-about="${about.name}" data-about-ok="${about.ok.name}">
<noscript><div class="window failure"><p>The calculator needs JavaScript, which this browser has turned off.
Turn it on for this site and load the page again.</p></div></noscript>
<div id="failure" class="window failure" role="alert" hidden>
<p data-why="wasm" hidden>This browser cannot run the calculator: WebAssembly is turned off or missing.
Turn it on, or open the page in another browser.</p>
<p data-why="load" hidden>The calculator could not be loaded. Check the connection and try again.</p>
<button type="button" id="cmdRetry" hidden>Try again</button>
</div>
<main id="${site.main.name}" class="window" aria-labelledby="caption" data-fields="${site.main.fields.join(' ')}" data-paste-limit="${site.main.pasteLimit}" data-ctrl-dropped="${site.main.ctrlLettersDropped}">
<h1 class="titlebar" id="caption">${title}</h1>
<nav role="menubar" aria-label="Menu bar" id="menubar">${menuMarkup(site).join('')}</nav>
<div id="clientArea" class="client">
${controls.join('\n')}
</div>
<div id="announce" class="spoken" role="status" aria-live="polite"></div>
<div id="afterRating">
<button type="button" id="cmdShare" hidden>Share</button>
<details id="work" hidden><summary>How the rating was found</summary><table id="workTable"></table></details>
</div>
</main>
<script>${typing}</script>
<dialog id="dlgMessage" class="window" role="alertdialog" aria-labelledby="dlgMessageTitle" aria-describedby="dlgMessageText">
<div class="titlebar" id="dlgMessageTitle">${title}</div>
<p id="dlgMessageText"></p>
<button type="button" id="dlgMessageOK" autofocus>${escape(site.okCaption)}</button>
</dialog>
<dialog id="${about.name}" class="window" aria-labelledby="${about.name}Caption">
<div class="titlebar" id="${about.name}Caption">${escape(about.caption)}</div>
<div class="client">
<button type="button" id="${about.ok.name}" autofocus${about.ok.default ? ' data-default' : ''}${about.ok.cancel ? ' data-cancel' : ''}>${escape(about.ok.caption)}</button>
<img id="${about.logo.name}" src="logo.jpg" width="200" height="233" alt="" loading="lazy">
${labelMarkup(`${about.name}-`, about.labels).join('\n')}
${lines.join('')}
</div>
</dialog>
<script type="module">${script}</script>
</body>
</html>
`;
}

// The help topics' Contents (.hhc) and Index (.hhk): their entries, nested as listed.
const sitemap = async (name) => describe(await readFile(path.join(helpDir, name)));

const tree = (entries) => entries.length === 0 ? '' :
    `<ul>${entries.map((e) => `<li><a href="${escape(e.local)}">${escape(e.name)}</a>${tree(e.children)}</li>`).join('')}</ul>`;

async function writeHelp(site, out) {
    const help = site.help; // the folder, the start topic, the index page
    const dir = path.join(out, help.folder);
    await mkdir(dir, { recursive: true });
    const contents = await sitemap('Contents.hhc');
    const index = (await sitemap('Index.hhk'))
        .sort((a, b) => a.name.localeCompare(b.name, 'en', { sensitivity: 'base' }));
    const helpTitle = `${escape(site.title)} Help`;
    const nav = `<nav class="help-nav" aria-label="Contents"><p><a href="${help.start}">Contents</a> · ` +
        `<a href="${help.index}">Index</a></p>${tree(contents)}</nav>`;
    // The policy first in <head>, before the style sheet it governs.
    const first = `<meta http-equiv="Content-Security-Policy" content="${helpPolicy}">`;
    const head = `<meta name="viewport" content="width=device-width, initial-scale=1">\n` +
        `<link rel="icon" href="../icon.svg" type="image/svg+xml">\n<link rel="stylesheet" href="help-site.css">`;
    const page = (topic) => topic
        .replace(/<html>/i, '<!DOCTYPE html>\n<html lang="en">')
        .replace(/<head>/i, `<head>\n${first}`)
        .replace(/<\/head>/i, `${head}\n</head>`)
        .replace(/<body>/i, `<body>\n${nav}\n<main class="topic">`)
        .replace(/<\/body>/i, '</main>\n</body>')
        .replace(/src="logo.jpg"/g, 'src="../logo.jpg"')
        .replace(/<title>([^<]*)<\/title>/i, `<title>${helpTitle} - $1</title>`);
    const topics = (await readdir(helpDir)).filter((name) => name.endsWith('.htm'));
    for (const name of topics) {
        await writeFile(path.join(dir, name), page(await readFile(path.join(helpDir, name), 'utf8')));
    }
    const keywords = index.map((e) => `<li><a href="${escape(e.local)}">${escape(e.name)}</a></li>`).join('\n');
    await writeFile(path.join(dir, help.index), page(`<html>\n<head>\n<meta charset="utf-8">\n` +
        `<link rel="stylesheet" type="text/css" href="help.css">\n<title>Index</title>\n</head>\n<body>\n` +
        `<h1>Index</h1>\n<ul class="keywords">\n${keywords}\n</ul>\n</body>\n</html>\n`));
    await copyFile(path.join(helpDir, 'help.css'), path.join(dir, 'help.css'));
    await copyFile(path.join(webDir, 'help-site.css'), path.join(dir, 'help-site.css'));
    return [...topics, help.index, 'help.css', 'help-site.css'].map((name) => `${help.folder}${name}`);
}

async function main() {
    const site = describe();
    await rm(outDir, { recursive: true, force: true });
    await mkdir(outDir, { recursive: true });
    await writeFile(path.join(outDir, 'index.html'), await pageMarkup(site));
    const copies = [
        [modulePath, 'engine.wasm'], [path.join(sourceDir, 'resources/logo.jpg'), 'logo.jpg'],
        [path.join(sourceDir, 'resources/passer-rating.svg'), 'icon.svg'],
        ...['192', '512', 'maskable-512'].map((size) =>
            [path.join(sourceDir, `resources/icons/passer-rating-${size}.png`), `icon-${size}.png`]),
    ];
    for (const [from, to] of copies) await copyFile(from, path.join(outDir, to));
    await writeFile(path.join(outDir, 'manifest.webmanifest'), JSON.stringify({
        id: './', name: site.title, short_name: site.productName, description: kDescription,
        start_url: './', scope: './', display: 'standalone', background_color: kThemeColour,
        theme_color: kThemeColour, lang: 'en',
        icons: [{ src: 'icon-192.png', sizes: '192x192', type: 'image/png' },
            { src: 'icon-512.png', sizes: '512x512', type: 'image/png' },
            { src: 'icon-maskable-512.png', sizes: '512x512', type: 'image/png', purpose: 'maskable' },
            { src: 'icon.svg', sizes: 'any', type: 'image/svg+xml' }],
    }, null, 2) + '\n');
    // The PNG icons are for installing the page as an app, not for using it offline.
    const files = ['./', 'index.html', 'manifest.webmanifest',
        ...copies.map(([, to]) => to).filter((file) => !file.endsWith('.png')),
        ...await writeHelp(site, outDir)];
    // Each file with its digest, for the service worker to check what it caches; the
    // cache's name changes with any file's contents, so a new site replaces the old whole.
    const whole = createHash('sha256');
    const listed = [];
    for (const file of files) {
        const bytes = await readFile(path.join(outDir, file === './' ? 'index.html' : file));
        if (file !== './') whole.update(bytes);
        listed.push([file, `sha256-${createHash('sha256').update(bytes).digest('base64')}`]);
    }
    const worker = (await readFile(path.join(webDir, 'sw.js'), 'utf8'))
        .replace('VERSION', whole.digest('hex').slice(0, 16))
        .replace('[/* FILES */]', JSON.stringify(listed));
    await writeFile(path.join(outDir, 'sw.js'), worker);
}

await main();
