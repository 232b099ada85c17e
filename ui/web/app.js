// The calculator page: its controls were written from the window description (site.mjs),
// this script inline with them. It wires their events to the WebAssembly module, which
// runs the commands (Calculate, Reset, Contents, Index, About), and implements what the
// module asks of the window. The fields take typing as soon as the page is drawn, by the
// rules typing.js (inline after the calculator's markup) gives them; a command given
// before the module has arrived runs once it has, the fields held until then. Then, and
// whenever the address changes, a calculation the address holds is filled in and calculated.
//
//   button, menu item, key --pr_run(command)--> module --page.*--> fields, dialogs, help tab
//   a rating --page.show_work, page.set_address--> the work under it, the address

const $ = (id) => document.getElementById(id);
const names = document.body.dataset; // the windows' and their controls' names in the description
const main = $(names.main);
const fields = main.dataset.fields.split(' ').map($); // in the order Calculate reads them
const controls = [...main.querySelectorAll('[data-control]')];
const button = (flag) => main.querySelector(`[data-${flag}]`);
const encoder = new TextEncoder();
const decoder = new TextDecoder();
let engine = null;

const memory = (pointer, length) => new Uint8Array(engine.memory.buffer, pointer, length);
const textAt = (pointer, length) => decoder.decode(memory(pointer, length));

// A text for the module: written into its exchange buffer, its length returned.
function handOver(text) {
    const bytes = encoder.encode(text);
    memory(engine.pr_reserve(bytes.length), bytes.length).set(bytes);
    return bytes.length;
}

function showModal(dialog) {
    const returnTo = document.activeElement;
    dialog.addEventListener('close', () => returnTo?.focus({ preventScroll: true }), { once: true });
    dialog.showModal();
}

// The labels a window fills as it loads: the module says what each shows.
function fillLoaded(window) {
    for (const label of window.querySelectorAll('[data-loaded]')) {
        const length = engine.pr_loaded_text(Number(label.dataset.loaded)); // first: it replaces the exchange buffer
        label.textContent = textAt(engine.pr_exchange(), length);
    }
}

const page = {
    entry_text: (field) => handOver(fields[field].value),
    set_entry_text: (field, pointer, length) => { fields[field].value = textAt(pointer, length); },
    set_rating_text: (pointer, length) => {
        const rating = $(names.result);
        rating.value = textAt(pointer, length);
        rating.setSelectionRange(0, 0); // a long college rating shows its start
        rating.scrollLeft = 0;
        if (rating.value) $('announce').textContent = `${rating.getAttribute('aria-label')}: ${rating.value}`;
        if (!rating.value) { // Reset: the address and the work forget the calculation too
            $('work').hidden = true;
            history.replaceState(null, '', location.pathname + location.search);
        }
    },
    chosen_option: () => Number(main.querySelector('input[type=radio]:checked').dataset.control),
    choose_option: (control) => { main.querySelector(`input[type=radio][data-control="${control}"]`).checked = true; },
    // Asked once, at the first calculation: the browser's number formats take a while to
    // load, which the page's start need not wait for (numberFormat is carried before this).
    number_format: () => handOver(numberFormat(navigator.language)),
    show_work: (pointer, length) => showWork(textAt(pointer, length)),
    set_address: (pointer, length) => {
        const hash = `#${textAt(pointer, length)}`;
        if (location.hash !== hash) history.replaceState(null, '', hash);
        $('cmdShare').hidden = !navigator.share;
    },
    show_message: (pointer, length) => {
        $('dlgMessageText').textContent = textAt(pointer, length);
        showModal($('dlgMessage'));
    },
    show_about: () => { // the About window loads anew each time: its notice for today's year
        fillLoaded($(names.about));
        showModal($(names.about));
    },
    open_help: (pointer, length) => { window.open(textAt(pointer, length), 'passer-rating-help'); },
    local_year: () => new Date().getFullYear(),
};

// Work for the module: now, or once it has arrived (in the order given); never if it
// cannot load. While work waits for it the fields take no typing and the window is busy,
// so that a command acts on the fields as they were when it was given: a Reset never
// clears what was typed after it.
let ready = null;
let waiting = 0;
function hold(by) {
    waiting += by;
    for (const field of fields) field.readOnly = waiting > 0;
    if (waiting > 0) main.setAttribute('aria-busy', 'true');
    else main.removeAttribute('aria-busy');
}
function whenReady(work) {
    if (engine) return work();
    hold(1);
    return ready.then((loaded) => {
        hold(-1);
        if (loaded) work();
    });
}
const run = (command) => whenReady(() => engine.pr_run(Number(command)));

// The module's table of the work: a caption line, a header line, then a line a row.
let shownWork = '';
function showWork(table) {
    $('work').hidden = false;
    if (table === shownWork) return; // the same calculation again
    shownWork = table;
    const [caption, header, ...rows] = table.trimEnd().split('\n').map((line) => line.split('\t'));
    const cell = (tag, text, scope) => {
        const element = document.createElement(tag);
        element.textContent = text;
        if (scope) element.scope = scope;
        return element;
    };
    const line = (cells) => {
        const row = document.createElement('tr');
        row.append(...cells);
        return row;
    };
    const head = document.createElement('thead');
    head.append(line(header.map((text) => cell('th', text, 'col'))));
    const body = document.createElement('tbody');
    body.append(...rows.map(([name, ...values]) => line([cell('th', name, 'row'), ...values.map((v) => cell('td', v))])));
    $('workTable').replaceChildren(cell('caption', caption[0]), head, body);
}

function share() {
    navigator.share({ title: document.title, url: location.href }).catch(() => {}); // closed without sharing
}

// Menus: opened by a click or Alt and their letter; arrows, Enter, Esc and the items'
// letters inside. An item runs with the focus back where it was.
const menuButtons = [...document.querySelectorAll('[aria-haspopup="menu"]')];
let openMenu = null;
let focusBeforeMenu = null;

function showMenu(menuButton) {
    if (!openMenu) focusBeforeMenu = document.activeElement;
    closeMenu(false);
    openMenu = menuButton;
    menuButton.setAttribute('aria-expanded', 'true');
    $(menuButton.getAttribute('aria-controls')).hidden = false;
    menuItems()[0].focus();
}

function closeMenu(restoreFocus = true) {
    if (!openMenu) return;
    openMenu.setAttribute('aria-expanded', 'false');
    $(openMenu.getAttribute('aria-controls')).hidden = true;
    openMenu = null;
    if (restoreFocus) focusBeforeMenu?.focus();
}

const menuItems = () => [...$(openMenu.getAttribute('aria-controls')).children];

function menuKey(event) {
    const items = menuItems();
    const at = items.indexOf(document.activeElement);
    const step = (list, from, by) => list[(from + by + list.length) % list.length];
    const item = items.find((candidate) => candidate.dataset.access === event.key.toUpperCase());
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        step(items, at, event.key === 'ArrowDown' ? 1 : -1).focus();
    } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
        showMenu(step(menuButtons, menuButtons.indexOf(openMenu), event.key === 'ArrowRight' ? 1 : -1));
    } else if (event.key === 'Escape' || event.key === 'Tab') {
        closeMenu();
    } else if (event.key === 'Enter' || event.key === ' ') {
        items[at]?.click();
    } else if (item && !event.ctrlKey && !event.altKey) {
        item.click();
    } else {
        return;
    }
    event.preventDefault();
}

function activateMenuItem(item) {
    closeMenu();
    if (item.dataset.command) run(item.dataset.command);
}

// Alt and a caption's letter: a menu opens, a label focuses the control after it, an
// option is chosen.
function accessKey(letter) {
    const menu = menuButtons.find((candidate) => candidate.dataset.access === letter);
    if (menu) return showMenu(menu);
    const owner = main.querySelector(`#clientArea [data-access="${letter}"]`);
    if (!owner) return;
    if (owner.classList.contains('option')) {
        const option = owner.querySelector('input');
        option.checked = true;
        option.focus();
        return;
    }
    const index = controls.indexOf(owner);
    controls.slice(index + 1).find((control) => !control.classList.contains('label'))?.focus();
}

// The menu items' shortcuts, found by a key event's name in ARIA's notation.
const shortcuts = new Map([...document.querySelectorAll('[data-command][aria-keyshortcuts]')]
    .map((item) => [item.getAttribute('aria-keyshortcuts'), item.dataset.command]));

function keyName(event) {
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    return (event.ctrlKey ? 'Control+' : '') + key;
}

function windowKey(event) {
    if (document.querySelector('dialog[open]')) return; // its OK button takes Enter and Esc
    if (openMenu) return menuKey(event);
    const shortcut = shortcuts.get(keyName(event));
    if (shortcut !== undefined && !event.altKey) {
        event.preventDefault();
        return run(shortcut);
    }
    if (event.altKey && !event.ctrlKey && /^Key[A-Z]$/.test(event.code)) {
        event.preventDefault();
        return accessKey(event.code.slice(3));
    }
    const onButton = event.target.closest?.('button, a');
    if (event.key === 'Enter' && !onButton) {
        event.preventDefault();
        button('default').click();
    } else if (event.key === 'Escape') {
        event.preventDefault();
        button('cancel').click();
    } else if (event.ctrlKey && fields.includes(event.target) && event.key.length === 1 &&
        main.dataset.ctrlDropped.includes(event.key.toUpperCase())) {
        event.preventDefault(); // typed, these are control characters, which no field takes
    }
}

function wire() {
    for (const control of main.querySelectorAll('#clientArea [data-command]')) {
        control.addEventListener('click', () => run(control.dataset.command));
    }
    for (const menuButton of menuButtons) {
        menuButton.addEventListener('click', () => (openMenu === menuButton ? closeMenu() : showMenu(menuButton)));
        for (const item of $(menuButton.getAttribute('aria-controls')).children) {
            item.addEventListener('click', () => activateMenuItem(item));
        }
    }
    document.addEventListener('mousedown', (event) => {
        if (openMenu && !event.target.closest('.menu')) closeMenu(false);
    });
    document.addEventListener('keydown', windowKey);
    $('dlgMessageOK').addEventListener('click', () => $('dlgMessage').close());
    $(names.aboutOk).addEventListener('click', () => $(names.about).close());
    $('cmdShare').addEventListener('click', share);
}

// A calculation the address holds, as the page opens and when a link changes the address
// of the open page; the module judges its values as pasted text.
function openAddress() {
    if (location.hash.length <= 1) return;
    whenReady(() => {
        closeMenu(false);
        for (const dialog of document.querySelectorAll('dialog[open]')) dialog.close();
        engine.pr_open_address(handOver(location.hash));
    });
}

// In place of the calculator: why it cannot run, and a retry where one can help.
function fail(why) {
    main.hidden = true;
    $('failure').querySelector(`[data-why="${why}"]`).hidden = false;
    $('cmdRetry').hidden = why !== 'load';
    $('cmdRetry').addEventListener('click', () => location.reload());
    $('failure').hidden = false;
    return null;
}

async function load() {
    if (typeof WebAssembly !== 'object') return fail('wasm');
    const refuse = () => 8; // EBADF: the module never writes a file
    const wasi = { fd_close: refuse, fd_seek: refuse, fd_write: refuse };
    let instance;
    try {
        const response = await fetch('engine.wasm');
        if (!response.ok) throw new Error(`engine.wasm: ${response.status}`);
        ({ instance } = await WebAssembly.instantiateStreaming(response, { page, wasi_snapshot_preview1: wasi }));
    } catch {
        return fail('load');
    }
    engine = instance.exports;
    engine._initialize();
    document.documentElement.dataset.ready = '';
    navigator.serviceWorker?.register('sw.js');
    return engine;
}

wire();
window.addEventListener('hashchange', openAddress);
ready = load();
openAddress();
