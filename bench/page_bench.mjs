// Measures the browser edition in Debian's headless Chromium: its size; the time from navigation to the
// opening instructions being shown, against a static page holding one label, alternately, each load in a
// fresh context; the time from «7. Confronta con i dati reali» to «E se ripetessi l’esperimento?» being
// drawn, by the program's rule and with a trick; and Lighthouse's accessibility and best-practices scores, as
// it loads on a desktop and on a phone (with its layout shift) and after step 7 with a trick, with every audit
// that fails.
// Usage: node bench/page_bench.mjs PAGE.html [LOADS]
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import lighthouse, { snapshot } from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';

const [pagePath, loadsArg] = process.argv.slice(2);
const loads = Number(loadsArg || 21);
const repetitionLoads = 11;
// Steps 1 to 6 as a student plays them, before step 7: on lake 4242 by the program's rule (three capture hauls, six
// recapture hauls; the section then shows two blocks), and on lake 119 with a trick, its question answered.
const scenarios = {
  'the program\'s rule': { query: 'lago=4242', clicks: '#Command1 #Command2*3 #Command3 #Command4 #Command5*6 #Command6' },
  'a trick': { query: 'lago=119&trucco=marche-perse',
    clicks: '#Command1 #Command2*12 #Command3 #Command4 #trick-high #Command5*10 #Command6' },
};
const serverLifetimeMs = 10 * 60 * 1000;
const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync'];
const html = readFileSync(pagePath);
const folder = mkdtempSync(join(tmpdir(), 'ricattura-bench-'));
const reference = join(folder, 'reference.html');
writeFileSync(reference, '<!doctype html><html lang="it"><meta charset="utf-8"><title>Riferimento</title>' +
  '<label>Per iniziare la simulazione clicca sul bottone in alto a sinistra.</label></html>');
const referenceUrl = pathToFileURL(reference).href;
const pageUrl = pathToFileURL(resolve(pagePath)).href;

// Lighthouse will not audit a file, so the page is served, alone, from this machine, for ten minutes at most:
// a bench that hangs does not leave it listening.
async function serve() {
  const server = createServer((request, response) => {
    const found = request.url.split('?')[0] === '/ricattura.html';
    response.writeHead(found ? 200 : 404, { 'Content-Type': 'text/html; charset=utf-8', 'Cache-Control': 'no-store' });
    response.end(found ? html : 'non trovato');
  });
  await new Promise((ready) => server.listen(0, '127.0.0.1', ready));
  setTimeout(() => server.close(), serverLifetimeMs).unref();
  return { url: `http://127.0.0.1:${server.address().port}/ricattura.html`, close: () => server.close() };
}

const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: flags,
  defaultViewport: { width: 1280, height: 720 } });

// Milliseconds from the start of navigation to the frame that first shows what `shown` looks for, in its font,
// in a fresh context: the page itself checks at every change of its document and every few milliseconds, from
// before its first byte; then it lays itself out, so that the fonts the text needs start loading, waits for
// them and for the next frame to be drawn.
async function timeToShown(url, shown) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.evaluateOnNewDocument(`(() => {
      const shown = ${shown};
      let seen = false;
      const drawn = () => requestAnimationFrame(() => setTimeout(() => { window.shownAt = performance.now(); }));
      const check = () => seen || !shown() || ((seen = true), document.documentElement.getBoundingClientRect(),
        document.fonts.ready.then(drawn));
      new MutationObserver(check).observe(document,
        { subtree: true, childList: true, attributes: true, characterData: true });
      (function poll() { check(); if (!seen) setTimeout(poll, 1); })();
    })()`);
    await page.goto(url, { waitUntil: 'load' });
    return await (await page.waitForFunction(() => window.shownAt, { polling: 10 })).jsonValue();
  } finally {
    await context.close();
  }
}

// Opens the page in a fresh context and plays steps 1 to 6 of a scenario as a student does, ready for step 7.
async function beforeVerdict(url, { query, clicks }) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.goto(`${url}?${query}`, { waitUntil: 'load' });
  await page.waitForFunction(() => document.getElementById('Text1')?.value, { polling: 10 });
  for (const [selector, times] of clicks.split(' ').map((c) => c.split('*')))
    for (let i = 0; i < Number(times ?? 1); ++i) {
      if (await page.$eval(selector, (b) => b.disabled)) throw new Error(`${selector} is disabled`);
      await page.click(selector);
    }
  return { context, page };
}

// Milliseconds from the click on «7. Confronta con i dati reali» to the repeated experiment being in the page
// (`handler`) and to the frame that shows it (`drawn`).
async function timeToRepetitions(url, scenario) {
  const { context, page } = await beforeVerdict(url, scenario);
  try {
    await page.evaluate(() => {
      const drawn = () => {
        const section = document.getElementById('repetitions');
        return section && !section.hidden && section.querySelector('svg') && section.querySelector('table');
      };
      window.addEventListener('click', (e) => {
        if (e.target.id !== 'Command7') return;
        const at = performance.now();
        const frame = () => (drawn() ? setTimeout(() => { window.repetitionsAt = [at, performance.now()]; }) :
          requestAnimationFrame(frame));
        requestAnimationFrame(frame);
      }, { capture: true, once: true });
      window.addEventListener('click', () => { window.handledAt = drawn() && performance.now(); }, { once: true });
    });
    await page.click('#Command7');
    const [clicked, shown] = await (await page.waitForFunction(() => window.repetitionsAt,
      { polling: 10, timeout: 5000 })).jsonValue();
    const handled = await page.evaluate(() => window.handledAt);
    return { handler: handled ? handled - clicked : NaN, drawn: shown - clicked };
  } finally {
    await context.close();
  }
}

// The scores of a Lighthouse report, its layout shift, and every audit that does not pass, with what it names.
function findings(lhr) {
  const failing = Object.values(lhr.categories).flatMap((c) => c.auditRefs).map((r) => lhr.audits[r.id])
    .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode !== 'informative')
    .map((a) => `  ${a.id}: ${a.title}${a.displayValue ? ` (${a.displayValue})` : ''}` +
      (a.details?.items ?? []).map((i) => `\n    ${i.node?.selector ?? i.source?.url ?? i.description ??
        JSON.stringify(i)}${i.node?.explanation ? `: ${i.node.explanation.replace(/\s+/g, ' ')}` : ''}`).join(''));
  return { scores: Object.fromEntries(Object.entries(lhr.categories).map(([id, c]) => [id, Math.round(c.score * 100)])),
    shift: lhr.audits['cumulative-layout-shift']?.displayValue, failing, version: lhr.lighthouseVersion,
    errors: lhr.runtimeError?.message };
}
const categories = ['accessibility', 'best-practices'];

// Lighthouse's audit of the served page as it loads, in one form factor (its desktop settings, or a phone's).
async function audit(url, config) {
  return findings((await lighthouse(url, { port: Number(new URL(browser.wsEndpoint()).port), output: 'json',
    logLevel: 'error', onlyCategories: categories, onlyAudits: ['cumulative-layout-shift'] }, config)).lhr);
}

// Lighthouse's audit of the page as it stands after step 7, the repeated experiment included, on a desktop.
async function auditAfterVerdict(url) {
  const { context, page } = await beforeVerdict(url, scenarios['a trick']);
  try {
    await page.click('#Command7');
    await page.waitForSelector('#repetitions:not([hidden]) svg', { timeout: 5000 }).catch(() => {});  // not there yet
    const settings = { logLevel: 'error', onlyCategories: categories };
    return findings((await snapshot(page, { config: desktopConfig, flags: settings })).lhr);
  } finally {
    await context.close();
  }
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const ours = [];
const theirs = [];
const repetitions = Object.fromEntries(Object.keys(scenarios).map((name) => [name, []]));
const audits = {};
let server;
try {
  for (let i = 0; i < loads; ++i) {
    ours.push(await timeToShown(pageUrl, () => document.getElementById('Text1')?.value));
    theirs.push(await timeToShown(referenceUrl, () => document.querySelector('label')));
  }
  server = await serve();
  for (const [name, scenario] of Object.entries(scenarios)) {
    try {
      for (let i = 0; i < repetitionLoads; ++i) repetitions[name].push(await timeToRepetitions(server.url, scenario));
    } catch (e) {
      console.log(`«E se ripetessi l’esperimento?» not measured with ${name}: ${e.message.split('\n')[0]}`);
      repetitions[name].length = 0;
    }
  }
  audits.desktop = await audit(server.url, desktopConfig);
  audits.mobile = await audit(server.url, undefined);
  audits['desktop, after step 7'] = await auditAfterVerdict(server.url);
} finally {
  await browser.close();
  server?.close();
  rmSync(folder, { recursive: true, force: true });
}

console.log(`page size: ${html.length} bytes (goal at most 194560)`);
console.log(`to the opening text, median of ${loads}: page ${median(ours).toFixed(1)} ms, ` +
  `one-label page ${median(theirs).toFixed(1)} ms, ratio ${(median(ours) / median(theirs)).toFixed(2)} ` +
  '(goal at most 2)');
for (const [name, times] of Object.entries(repetitions)) {
  if (!times.length) continue;
  console.log(`from «7. Confronta con i dati reali» to «E se ripetessi l’esperimento?», ${name}, ` +
    `median of ${times.length}: ${median(times.map((r) => r.drawn)).toFixed(1)} ms to the frame that shows it ` +
    `(goal at most 50), ${median(times.map((r) => r.handler)).toFixed(1)} ms in the click`);
}
for (const [form, { scores, shift, failing, version, errors }] of Object.entries(audits)) {
  console.log(`Lighthouse ${version}, ${form}: accessibility ${scores.accessibility}, best practices ` +
    `${scores['best-practices']} (goal 100 and 100)${shift ? `, layout shift ${shift}` : ''}` +
    `${errors ? `; error: ${errors}` : ''}`);
  if (failing.length) console.log(failing.join('\n'));
}
