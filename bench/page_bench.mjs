// Measures the browser edition: its size, and the time from navigation to the opening instructions
// being shown, against a static page holding one label, alternately in the same headless Chromium.
// Usage: node bench/page_bench.mjs PAGE.html [LOADS]
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, loadsArg] = process.argv.slice(2);
const loads = Number(loadsArg || 21);
const folder = mkdtempSync(join(tmpdir(), 'ricattura-bench-'));
const reference = join(folder, 'reference.html');
writeFileSync(reference, '<!doctype html><html lang="it"><meta charset="utf-8"><title>Riferimento</title>' +
  '<label>Per iniziare la simulazione clicca sul bottone in alto a sinistra.</label></html>');

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
// Milliseconds from the start of navigation until `shown` holds in the page, in a fresh context.
async function timeToShown(url, shown) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url, { waitUntil: 'commit' });
  const at = await page.waitForFunction(shown, null, { polling: 1 });
  const ms = await at.jsonValue();
  await context.close();
  return ms;
}
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

const ours = [];
const theirs = [];
try {
  for (let i = 0; i < loads; ++i) {
    ours.push(await timeToShown(pathToFileURL(pagePath).href,
      () => document.getElementById('Text1')?.value && performance.now()));
    theirs.push(await timeToShown(pathToFileURL(reference).href,
      () => document.querySelector('label') && performance.now()));
  }
} finally {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
}
const bytes = statSync(pagePath).size;
console.log(`page size: ${bytes} bytes (goal at most 153600)`);
console.log(`to the opening text, median of ${loads}: page ${median(ours).toFixed(1)} ms, ` +
  `one-label page ${median(theirs).toFixed(1)} ms, ratio ${(median(ours) / median(theirs)).toFixed(2)} (goal at most 2)`);
