// The fields' typing rules, carried inline right after the calculator's markup, so that
// they hold from the first frame the fields are drawn in, before the page's module script
// (at its end) has run: each field takes only the characters the description gave it,
// and a paste or a drop longer than any total can need is refused whole.
{
    const main = document.getElementById(document.body.dataset.main);
    const pasteLimit = Number(main.dataset.pasteLimit);
    const tooLong = (data) => (data?.getData('text/plain') ?? '').length > pasteLimit;

    for (const field of main.querySelectorAll('[data-typed]')) {
        const typed = field.dataset.typed;
        const accepts = (text) => [...text].every((character) => typed.includes(character));
        field.addEventListener('beforeinput', (event) => {
            if (event.inputType !== 'insertText' || event.data === null) return; // pastes and drops pass
            if (!accepts(event.data)) event.preventDefault();
        });
        field.addEventListener('paste', (event) => tooLong(event.clipboardData) && event.preventDefault());
        field.addEventListener('drop', (event) => tooLong(event.dataTransfer) && event.preventDefault());
        // A keyboard that composes (most on phones) cannot be stopped while it composes: its
        // text is judged once composed, and a refused one leaves the field as it was.
        let before = null;
        field.addEventListener('compositionstart', () => { before = [field.value, field.selectionStart, field.selectionEnd]; });
        field.addEventListener('compositionend', (event) => {
            const [value, start, end] = before ?? [field.value, field.selectionStart, field.selectionEnd];
            before = null;
            if (accepts(event.data ?? '')) return;
            field.value = value;
            field.setSelectionRange(start, end);
        });
        field.addEventListener('focus', () => field.select());
        // A click that brings the focus selects the whole text instead of placing the caret.
        field.addEventListener('mousedown', (event) => {
            if (document.activeElement === field || event.button !== 0) return;
            event.preventDefault();
            field.focus();
        });
    }
}
