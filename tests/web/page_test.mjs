// Catches a page that differs from the native core, clips text, uses the network or storage, or mishandles Esci.
// Usage: node page_test.mjs PAGE.html WEB_EXPECTATIONS_PROGRAM
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, expectationsProgram] = process.argv.slice(2);
const expected = JSON.parse(execFileSync(expectationsProgram, { encoding: 'utf8' }));
const folder = mkdtempSync(join(tmpdir(), 'ricattura-page-'));  // the page alone, as a teacher passes it on
copyFileSync(pagePath, join(folder, 'ricattura.html'));
const pageUrl = pathToFileURL(join(folder, 'ricattura.html')).href;

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox',
  '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update',
  '--disable-sync'] });
const context = await browser.newContext();
const page = await context.newPage();
const problems = [];
const isPage = (request) => request.url().split('?')[0] === pageUrl;
await context.route('**/*', (route) => (isPage(route.request()) ? route.continue() : route.abort()));
page.on('request', (r) => isPage(r) || problems.push(`request: ${r.url()}`));
page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
page.on('pageerror', (e) => problems.push(`error: ${e.message}`));

// The ten boxes (with the lines the native core writes), the nine buttons, and what does not fit.
const shown = () => page.evaluate(() => {
  const clipped = [...document.querySelectorAll('#Form1 button, #Form1 label')].filter((e) => {
    const range = document.createRange();
    range.selectNodeContents(e);
    const [text, box] = [range.getBoundingClientRect(), e.getBoundingClientRect()];
    return text.left < box.left || text.right > box.right || text.top < box.top || text.bottom > box.bottom;
  }).map((e) => e.id);
  const text1 = document.getElementById('Text1');
  if (text1.scrollHeight > text1.clientHeight) clipped.push('Text1');
  const texts = [...Array(10).keys()].map((i) => document.getElementById(`Text${i + 1}`).value);
  return { texts, enabled: [...Array(9).keys()].map((i) => !document.getElementById(`Command${i + 1}`).disabled), clipped };
});
const expectShown = async (want, where) => {
  const got = await shown();
  assert.deepEqual(got, { texts: want.texts.map((t) => t.replaceAll('\r\n', '\n')), enabled: want.enabled, clipped: [] },
    where);
};
const open = async (query) => {
  await page.goto(`${pageUrl}?${query}`);
  await page.waitForFunction(() => document.getElementById('Text1')?.value !== '');
};

try {
  await open(`lago=${expected.code}`);
  assert.equal(await page.title(), expected.title);
  assert.equal(await page.textContent('#lake-note'), `Lago della classe: ${expected.code}`);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
  assert.deepEqual(await page.evaluate(() => {  // border boxes from the client area's corner; labels name boxes
    const form = document.getElementById('Form1');
    const origin = form.getBoundingClientRect();
    const at = (r) => [r.left - origin.left - form.clientLeft, r.top - origin.top - form.clientTop, r.width, r.height];
    const labels = [...form.querySelectorAll('label')];
    return { Form1: [0, 0, form.clientWidth, form.clientHeight],
      wrongLabels: labels.filter((l) => l.control?.id !== `Text${l.id.slice(5)}`).length,
      colours: [...new Set([getComputedStyle(form).backgroundColor, ...labels.map((l) => getComputedStyle(l).color)])],
      ...Object.fromEntries([...form.children].map((e) => [e.id, at(e.getBoundingClientRect())])) };
  }), { ...expected.layout, wrongLabels: 0, colours: expected.colours });
  await expectShown(expected.start, 'at start');
  await page.evaluate(() => { window.sameDocument = true; });
  for (const [i, step] of expected.series.entries()) {
    if (step.kind === 'c') await page.click(`#Command${step.what}`, { force: true });
    if (step.kind === 't') await page.fill('#Text3', step.what);
    if (step.kind === 'k') await page.press('#Text3', step.what);
    await expectShown(step, `after action ${i} (${step.kind} ${step.what})`);
  }

  await page.click('#Command8');
  assert.ok(await page.isVisible('#ended'));
  const ended = await shown();
  await page.click('#Command2', { force: true });
  assert.deepEqual(await shown(), ended, 'the window still responds after Esci');
  await page.click('#new-exercise');
  await expectShown(expected.start, 'after a new exercise');
  assert.ok(!(await page.isVisible('#ended')));
  assert.equal(await page.evaluate(() => `${document.activeElement.id} ${window.sameDocument}`), 'Text1 true');

  await open('lago=07');  // not a class code: said so, and the clock seeds the lakes
  assert.equal(await page.title(), expected.title.split(' – ')[0]);
  assert.match(await page.textContent('#lake-note'), /«07» non è un lago valido/);
  assert.deepEqual(await context.cookies(), []);
  assert.deepEqual(await page.evaluate(async () => [localStorage.length, sessionStorage.length,
    (await indexedDB.databases()).length]), [0, 0, 0]);
  assert.deepEqual(problems, []);
  console.log(`browser page: ${expected.series.length} actions matched the native core`);
} finally {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
}
