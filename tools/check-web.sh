#!/usr/bin/env bash
# The web page: built with the web preset (clang 22 for WebAssembly) into build/web/site;
# the engine's and the window description's tests cross-built and run under Node's WASI;
# the WebAssembly engine against the native one (build/ci) on generated calculations; and
# the page itself in headless Chromium and Firefox ESR.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset web >/dev/null
cmake --build --preset web
ctest --preset web
python3 tests/web/differential.py build/ci/tests/rate_lines build/web/tests/rate_lines.wasm
site=build/web/site
echo "site: $(du -sb "$site" | cut -f1) bytes; engine.wasm $(stat -c %s "$site/engine.wasm") bytes," \
    "$(gzip -9c "$site/engine.wasm" | wc -c) gzipped"

# The browser session's packages (puppeteer-core, axe-core), as the lock file pins them;
# no browser is downloaded: the suite and the benchmark drive Debian's.
if ! cmp -s tools/web/package-lock.json tools/web/node_modules/.installed-lock.json; then
    (cd tools/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund &&
        cp package-lock.json node_modules/.installed-lock.json)
fi
node --test tests/web/
