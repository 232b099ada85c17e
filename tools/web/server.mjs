// A static web server for the site on a free loopback port, as a static host serves it:
// gzip where the browser takes it, Last-Modified with 304 for a request that has the
// file already. It counts the bytes it sends, in all and for each request in turn. The
// files named in `held` are answered only once released, as over a line that is slow.
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';
import { createGzip } from 'node:zlib';

const types = {
    '.html': 'text/html; charset=utf-8', '.htm': 'text/html; charset=utf-8', '.js': 'text/javascript',
    '.css': 'text/css', '.wasm': 'application/wasm', '.jpg': 'image/jpeg', '.png': 'image/png',
    '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
};

export async function serve(root, { held = [] } = {}) {
    const served = { bytes: 0, requests: [] };
    let release;
    const released = new Promise((resolve) => { release = resolve; });
    const sockets = new Set();
    const server = http.createServer(async (request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
        const file = path.join(root, name.endsWith('/') ? `${name}index.html` : name);
        const record = { name, bytes: 0 };
        served.requests.push(record);
        if (held.includes(name)) await released;
        const info = file.startsWith(root) ? await stat(file).catch(() => null) : null;
        if (!info?.isFile()) {
            response.writeHead(404).end();
            return;
        }
        const modified = info.mtime.toUTCString();
        if (request.headers['if-modified-since'] === modified) {
            response.writeHead(304).end();
            return;
        }
        const gzip = /\bgzip\b/.test(request.headers['accept-encoding'] ?? '') && !file.endsWith('.png') &&
            !file.endsWith('.jpg');
        response.writeHead(200, {
            'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
            'Cache-Control': 'no-cache',
            'Last-Modified': modified,
            ...(gzip ? { 'Content-Encoding': 'gzip' } : {}),
        });
        const body = createReadStream(file);
        const counted = gzip ? body.pipe(createGzip({ level: 9 })) : body;
        counted.on('data', (chunk) => {
            served.bytes += chunk.length;
            record.bytes += chunk.length;
        });
        counted.pipe(response);
    });
    server.on('connection', (socket) => {
        sockets.add(socket);
        socket.on('close', () => sockets.delete(socket));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}/`,
        served,
        release,
        stop: () => new Promise((resolve) => {
            server.close(resolve);
            for (const socket of sockets) socket.destroy();
        }),
    };
}
