// Catches a page that differs from the native program (layout, texts, buttons after every click), hides
// or clips text, asks the network for anything, stores anything, logs an error or mishandles "Esci".
// Usage: node page_test.mjs PAGE.html WEB_EXPECTATIONS_PROGRAM
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';

const [pagePath, expectationsProgram] = process.argv.slice(2);
const expected = JSON.parse(execFileSync(expectationsProgram, { encoding: 'utf8' }));
const folder = mkdtempSync(join(tmpdir(), 'ricattura-page-'));
copyFileSync(pagePath, join(folder, 'ricattura.html'));
const pageUrl = pathToFileURL(join(folder, 'ricattura.html')).href;

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
const context = await browser.newContext();
const problems = [];
await context.route('**/*', (route) => {
  if (route.request().url().split('?')[0] === pageUrl) return route.continue();
  problems.push(`request: ${route.request().url()}`);
  return route.abort();
});
const page = await context.newPage();
page.on('request', (r) => r.url().split('?')[0] === pageUrl || problems.push(`request: ${r.url()}`));
page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
page.on('pageerror', (e) => problems.push(`error: ${e.message}`));

// What the page shows now: the ten boxes (lines as the native core writes them), the nine buttons,
// and whatever does not fit its control.
const shown = () => page.evaluate(() => {
  const form = document.getElementById('Form1');
  const clipped = [...form.querySelectorAll('button, label')].filter((e) => {
    const range = document.createRange();
    range.selectNodeContents(e);
    const text = range.getBoundingClientRect();
    const box = e.getBoundingClientRect();
    return text.left < box.left || text.right > box.right || text.top < box.top || text.bottom > box.bottom;
  }).map((e) => e.id);
  const text1 = document.getElementById('Text1');
  if (text1.scrollHeight > text1.clientHeight) clipped.push('Text1');
  return {
    texts: [...Array(10).keys()].map((i) => document.getElementById(`Text${i + 1}`).value),
    enabled: [...Array(9).keys()].map((i) => !document.getElementById(`Command${i + 1}`).disabled),
    clipped,
  };
});
const expectShown = async (want, where) => {
  const got = await shown();
  assert.deepEqual(got.clipped, [], `${where}: text does not fit`);
  assert.deepEqual(got.enabled, want.enabled, `${where}: buttons`);
  assert.deepEqual(got.texts, want.texts.map((t) => t.replaceAll('\r\n', '\n')), `${where}: boxes`);
};

try {
  await page.goto(`${pageUrl}?lago=${expected.code}`);
  await page.waitForFunction(() => document.getElementById('Text1')?.value !== '');
  assert.equal(await page.title(), expected.title);
  assert.equal(await page.textContent('#lake-note'), `Lago della classe: ${expected.code}`);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
  const boxes = await page.evaluate(() => {
    const form = document.getElementById('Form1');
    const origin = form.getBoundingClientRect();
    const at = (r) => [r.left - origin.left - form.clientLeft, r.top - origin.top - form.clientTop, r.width, r.height];
    return Object.fromEntries([['Form1', [0, 0, form.clientWidth, form.clientHeight]],
      ...[...form.children].map((e) => [e.id, at(e.getBoundingClientRect())])]);
  });
  assert.deepEqual(boxes, expected.layout);
  assert.ok(await page.evaluate(() => [...document.querySelectorAll('#Form1 label')]
    .every((l) => l.htmlFor === `Text${l.id.slice(5)}` && l.control)), 'a label names no box');
  await expectShown(expected.start, 'at start');

  await page.evaluate(() => { window.sameDocument = true; });
  for (const [i, step] of expected.series.entries()) {
    if (step.kind === 'c') await page.click(`#Command${step.what}`, { force: true });
    if (step.kind === 't') await page.fill('#Text3', step.what);
    if (step.kind === 'k') await page.press('#Text3', step.what);
    await expectShown(step, `after action ${i} (${step.kind} ${step.what})`);
  }
  assert.ok(await page.evaluate(() => window.sameDocument), 'the page was reloaded');

  await page.click('#Command8');
  assert.ok(await page.isVisible('#ended'));
  const before = await shown();
  await page.click('#Command2', { force: true });
  await page.fill('#Text3', '99', { force: true }).catch(() => {});
  assert.deepEqual(await shown(), before, 'the window still responds after Esci');
  await page.click('#new-exercise');
  await expectShown(expected.start, 'after a new exercise');
  assert.ok(!(await page.isVisible('#ended')));
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
  assert.ok(await page.evaluate(() => window.sameDocument), 'the new exercise reloaded the page');

  await page.goto(`${pageUrl}?lago=07`);
  await page.waitForFunction(() => document.getElementById('Text1')?.value !== '');
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
