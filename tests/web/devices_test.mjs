// Catches a page that a phone cuts, a zoomed desktop scrolls away from, a browser without scripts leaves silent, a
// printer spreads over more than one A4 page or without the exercise's numbers, or whose QR code does not lead the
// students to their address. Under an X server (WebKit needs one).
// Usage: node devices_test.mjs PAGE.html WEB_EXPECTATIONS_PROGRAM FOLDER
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { actions, expected, started, withPuppeteer, withWebKit } from './drivers.mjs';

const [, , pagePath, program, folder] = process.argv;
const pageUrl = `file://${pagePath}`;
const series = actions('c1 c2*3 c3 c4 c5*10 c6 c7');
const student = expected(program, 'lago=4242', series);

// Every control of the window inside the visible width, and the window's left edge at the left of its frame.
function fits() {
  const controls = [...document.querySelectorAll('#Form1 > *')].map((e) => e.getBoundingClientRect());
  return { outside: controls.filter((r) => r.left < 0 || r.right > innerWidth).length,
    left: Math.round(document.getElementById('Form1').getBoundingClientRect().left), focus: document.activeElement.id };
}

async function phoneAndZoom() {
  // A phone held upright, touch only: the whole window in view on load, at any engine that emulates one.
  const firefoxTouch = { extraPrefsFirefox: { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } };
  for (const [name, browser, path, options] of [['chromium', 'chrome', '/usr/bin/chromium', {}],
    ['firefox', 'firefox', '/usr/bin/firefox-esr', firefoxTouch]]) {
    const driver = await withPuppeteer(browser, path, pageUrl, options);
    try {
      await driver.page.setViewport({ width: 360, height: 780, isMobile: true, hasTouch: true, deviceScaleFactor: 3 });
      await driver.open(`${pageUrl}?lago=4242`);
      assert.ok(await driver.run(started));
      assert.deepEqual((await driver.run(fits)).outside, 0, `${name}: a control outside a phone's width`);
      if (name === 'chromium') {  // a desktop at 400 % zoom: the window keeps its size, its left edge in view
        await driver.page.setViewport({ width: 320, height: 700 });
        await driver.open(`${pageUrl}?lago=4242`);
        assert.ok(await driver.run(started));
        const seen = await driver.run(fits);
        assert.deepEqual([seen.left > 0, seen.focus], [true, 'Text1'], 'zoomed: the window scrolled away on load');
      }
    } finally {
      await driver.close();
    }
  }
}

// With scripts off, the window's place says why nothing works and what to do, in every engine.
async function withoutScripts() {
  const says = () => document.getElementById('needs-script')?.textContent.includes('Ricattura ha bisogno di JavaScript');
  const chromium = await withPuppeteer('chrome', '/usr/bin/chromium', pageUrl);
  const firefox = await withPuppeteer('firefox', '/usr/bin/firefox-esr', pageUrl, { extraPrefsFirefox: { 'javascript.enabled': false } });
  const webkit = await withWebKit(['--enable-javascript=false']);
  await chromium.page.setJavaScriptEnabled(false);
  for (const [name, driver] of [['chromium', chromium], ['firefox', firefox], ['webkit', webkit]]) {
    try {
      await driver.open(`${pageUrl}?lago=4242`);
      if (name === 'chromium') await chromium.page.setJavaScriptEnabled(true);  // to read the page, not to run it
      assert.ok(await driver.run(says), `${name}: nothing said without scripts`);
    } finally {
      await driver.close();
    }
  }
}

// After step 7: printed, one A4 page with the exercise's numbers; from a web address, the students' QR code.
async function printAndCode() {
  const server = createServer((request, response) => response.end(readFileSync(pagePath))).listen(0, '127.0.0.1');
  await new Promise((done) => server.once('listening', done));
  const base = `http://127.0.0.1:${server.address().port}/ricattura.html`;
  const driver = await withPuppeteer('chrome', '/usr/bin/chromium', base);
  try {
    await driver.open(`${base}?lago=4242`);
    assert.ok(await driver.run(started));
    for (const action of series) await driver.click(`Command${action.slice(1)}`);
    await driver.page.pdf({ path: `${folder}/sheet.pdf`, format: 'A4' });
    assert.match(execFileSync('pdfinfo', [`${folder}/sheet.pdf`], { encoding: 'utf8' }), /Pages:\s+1\n[^]*A4/);
    const printed = execFileSync('pdftotext', ['-layout', `${folder}/sheet.pdf`, '-'], { encoding: 'utf8' });
    const shown = student.afterEach.at(-1).texts;  // the estimate, the true size, the errors
    for (const number of [student.code, ...shown.slice(5, 9)]) assert.ok(printed.includes(number), `printed: ${number}`);
    await driver.open(`${base}?lago=4242&insegnante`);
    assert.ok(await driver.run(started));
    await driver.run(() => { document.querySelector('#class-board details').open = true; });
    await (await driver.page.$('#students-qr')).screenshot({ path: `${folder}/students-qr.png` });
    const read = execFileSync('zbarimg', ['-q', '--raw', `${folder}/students-qr.png`], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
    assert.equal(read.trim(), `${base}?lago=4242`, 'the QR code leads elsewhere');
    assert.deepEqual(driver.problems, []);
  } finally {
    await driver.close();
    server.close();
  }
}

await phoneAndZoom();
await withoutScripts();
await printAndCode();
console.log('devices: the phone, a zoomed desktop, no scripts in three engines, the printed sheet and the QR code');
