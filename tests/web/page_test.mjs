// Catches a page that differs from the native core, clips text, uses the network or storage, or mishandles Esci.
// Usage: node page_test.mjs PAGE.html WEB_EXPECTATIONS_PROGRAM
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { chromium } from 'playwright-core';

// Clicks ("c9" is Command9), typing into Text3 ("t12.5") and keys pressed there ("kEnter"), "*n" for n times;
// the first c6 comes with too few marked fish, so the estimate is refused.
const series = 'c9 c1*2 c2*2 t12.5 kEnter kEscape c3 c4 c5*4 c6 c9 c1 c2*12 c3 c4 c5*12 c6 c7*2 c5 c6 c7'.split(' ')
  .flatMap((a) => Array(Number(a.split('*')[1] ?? 1)).fill(a.split('*')[0]));
const code = '4242';
// Records end in a bare LF; CRLF, the core's line break, is LF in the page.
const records = execFileSync(process.argv[3], [code, ...series], { encoding: 'utf8' }).split(/(?<!\r)\n/)
  .map((line) => line.replaceAll('\r\n', '\n').split('\t'));
const want = (tag) => records.filter(([t]) => t === tag).map(([, ...fields]) => fields);
const [start, ...afterEach] = want('shown').map((f) => ({ texts: f.slice(0, 10), enabled: f.slice(10), clipped: [] }));

const folder = mkdtempSync(`${tmpdir()}/ricattura-page-`);  // the page alone, as a teacher passes it on
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));
copyFileSync(process.argv[2], `${folder}/ricattura.html`);
const pageUrl = `file://${folder}/ricattura.html`;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu'] });
const page = await browser.newPage();
const problems = [];
const isPage = (request) => request.url().split('?')[0] === pageUrl;
await page.context().route('**/*', (route) => (isPage(route.request()) ? route.continue() : route.abort()));
page.on('request', (r) => isPage(r) || problems.push(`request: ${r.url()}`));
page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
page.on('pageerror', (e) => problems.push(`error: ${e.message}`));

// The ten boxes, the nine buttons ("1" when enabled), and the captions (and Text1) that do not fit.
const shown = () => page.evaluate(() => ({
  texts: [...Array(10)].map((_, i) => document.getElementById(`Text${i + 1}`).value),
  enabled: [...Array(9)].map((_, i) => (document.getElementById(`Command${i + 1}`).disabled ? '0' : '1')),
  clipped: [...document.querySelectorAll('#Form1 button, #Form1 label, #Text1')]
    .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight).map((e) => e.id) }));
const open = (query) => page.goto(`${pageUrl}?${query}`)
  .then(() => page.waitForFunction(() => document.getElementById('Text1')?.value !== ''));

await open(`lago=${code}`);
assert.deepEqual(await page.evaluate(() => {  // border boxes from the client area's corner; labels name boxes
  window.sameDocument = true;  // a new exercise must not reload the page
  const form = document.getElementById('Form1');
  const [x, y] = [form.getBoundingClientRect().x + form.clientLeft, form.getBoundingClientRect().y + form.clientTop];
  const at = (e, r = e.getBoundingClientRect()) => `${e.id} ${r.x - x} ${r.y - y} ${r.width} ${r.height}`;
  const labels = [...form.querySelectorAll('label')];
  return { title: document.title, note: document.getElementById('lake-note').textContent,
    rects: [`Form1 0 0 ${form.clientWidth} ${form.clientHeight}`, ...[...form.children].map((e) => at(e))].sort(),
    focus: document.activeElement.id, badLabels: labels.filter((l) => l.control?.id !== `Text${l.id.slice(5)}`).length,
    colours: [...new Set([getComputedStyle(form).backgroundColor, ...labels.map((l) => getComputedStyle(l).color)])] };
}), { title: want('title')[0][0], note: `Lago della classe: ${code}`, focus: 'Text1', rects: want('rect').flat().sort(),
  badLabels: 0, colours: want('colour').flat() });
assert.deepEqual(await shown(), start, 'at start');
for (const [i, action] of series.entries()) {
  const what = action.slice(1);
  await ({ c: () => page.click(`#Command${what}`, { force: true }), t: () => page.fill('#Text3', what),
    k: () => page.press('#Text3', what) })[action[0]]();
  assert.deepEqual(await shown(), afterEach[i], `after action ${i} (${action})`);
}

await page.click('#Command8');
await page.click('#Command5', { force: true });  // still enabled, but the ended window must not respond
assert.deepEqual([await page.isVisible('#ended'), await shown()], [true, afterEach.at(-1)], 'after Esci');
await page.click('#new-exercise');
assert.deepEqual([await page.isVisible('#ended'), await shown(), await page.evaluate(() => [document.activeElement.id,
  window.sameDocument])], [false, start, ['Text1', true]], 'after a new exercise');

await open('lago=07');  // not a class code: said so, and the clock seeds the lakes
assert.equal(await page.title(), want('title')[0][0].split(' – ')[0]);
assert.match(await page.textContent('#lake-note'), /«07» non è un lago valido/);
assert.deepEqual([await page.context().cookies(), problems, await page.evaluate(async () => [localStorage.length,
  sessionStorage.length, (await indexedDB.databases()).length])], [[], [], [0, 0, 0]], 'traces left or requests');
await browser.close();
console.log(`browser page: ${series.length} actions matched the native core`);
