#!/usr/bin/env bash
# The web page's build, which CTest runs as the set-up of the tests labelled "web": the
# site built with the web preset (clang 22 for WebAssembly) into build/web/site, with the
# engine's and the window description's tests for Node's WASI; and the browser session's
# packages (puppeteer-core, axe-core) as the lock file pins them. No browser is
# downloaded: the page's suite and the benchmark drive Debian's.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset web >/dev/null
cmake --build --preset web
site=build/web/site
echo "site: $(du -sb "$site" | cut -f1) bytes; engine.wasm $(stat -c %s "$site/engine.wasm") bytes," \
    "$(gzip -9c "$site/engine.wasm" | wc -c) gzipped"

if ! cmp -s tools/web/package-lock.json tools/web/node_modules/.installed-lock.json; then
    (cd tools/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund &&
        cp package-lock.json node_modules/.installed-lock.json)
fi
