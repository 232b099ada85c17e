// How a language writes numbers, as the browser's Intl says, for the module's reading
// rule: the decimal and group separators, the minus sign, the digit zero, and the sizes
// of the last group and of the one before it ("1,23,45,678" in India), a tab between each.
// The page carries this inline before its own script; the locale tests import it.
export function numberFormat(language) {
    const parts = new Intl.NumberFormat(language).formatToParts(-12345678.5);
    const part = (type) => parts.find((p) => p.type === type)?.value ?? '';
    const groups = parts.filter((p) => p.type === 'integer').map((p) => p.value.length);
    const zero = new Intl.NumberFormat(language, { useGrouping: false }).format(0);
    return [part('decimal'), part('group'), part('minusSign'), zero, groups.at(-1), groups.at(-2) ?? groups.at(-1)].join('\t');
}
