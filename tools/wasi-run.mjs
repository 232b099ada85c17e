// Runs a WASI command module (a test built by the web preset) under Node, with the
// current folder and its arguments; its exit code is the module's.
import { readFile } from 'node:fs/promises';
import { WASI } from 'node:wasi';

const [file, ...args] = process.argv.slice(2);
const wasi = new WASI({ version: 'preview1', args: [file, ...args], env: {}, preopens: { '.': '.' } });
const module = await WebAssembly.compile(await readFile(file));
const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
process.exitCode = wasi.start(instance);
