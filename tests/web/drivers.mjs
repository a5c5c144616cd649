// What the browser tests share: the three engines behind one small interface, the expected records the native core
// prints, and the wait for a page that has started.
import { execFileSync, spawn } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import puppeteer from 'puppeteer-core';

// Clicks ("c9" is Command9), typing into Text3 ("t12,5"), keys pressed there ("kEnter"), a trick's answer ("p0"),
// "*n" for n times.
export const actions = (text) => text.split(' ').flatMap((a) => Array(Number(a.split('*')[1] ?? 1)).fill(a.split('*')[0]));

// What the native core shows for a page's query and actions. Records end in a bare LF; CRLF, the core's line break,
// is LF in the page.
export function expected(program, query, series = [], board = '') {
  const records = execFileSync(program, [query, ...series, ...(board ? [`b${board}`] : [])], { encoding: 'utf8',
    maxBuffer: 1 << 26 }).split(/(?<!\r)\n/).map((line) => line.replaceAll('\r\n', '\n').split('\t'));
  const want = (tag) => records.filter(([t]) => t === tag).map(([, ...fields]) => fields);
  const rects = want('rect').flat().sort();
  const [start, ...afterEach] = want('shown').map((f) => ({ texts: f.slice(0, 10), enabled: f.slice(10, 19), spoken: f[19],
    focus: f[20], clipped: [], rects }));
  const joined = (tag) => want(tag).map((f) => f.join('\t'));
  return { query, series, board, title: want('title')[0][0], note: want('note')[0][0], colours: want('colour').flat(),
    start, afterEach, repeated: joined('repeated'), classBoard: joined('class'), code: want('code')[0]?.[0],
    data: joined('data')[0], boardData: joined('board-data')[0] };
}

// Waits for the page to have been read whole, its exercise started and its font loaded (events, not time), then says
// whether it shows its opening text in that font.
export async function started() {
  if (document.readyState !== 'complete') await new Promise((done) => window.addEventListener('load', done, { once: true }));
  if (!('started' in document.documentElement.dataset)) {
    await new Promise((done) => new MutationObserver((changes, observer) => {
      observer.disconnect();
      done();
    }).observe(document.documentElement, { attributeFilter: ['data-started'] }));
  }
  await document.fonts.ready;
  return document.getElementById('Text1')?.value !== '' && [...document.fonts].some((f) => f.status === 'loaded');
}

// Chromium or Firefox, driven by puppeteer; every request but the page and data, and every error, is a problem.
export async function withPuppeteer(browser, executablePath, pageUrl, options = {}) {
  const instance = await puppeteer.launch({ browser, executablePath, headless: true,
    args: browser === 'chrome' ? ['--no-sandbox', '--disable-gpu'] : [], defaultViewport: { width: 1000, height: 900 },
    ...options });
  const page = await instance.newPage();
  const problems = [];
  page.on('request', (r) => r.url().startsWith('data:') || r.url().startsWith('blob:') || r.url().split('?')[0] === pageUrl
    || problems.push(`request: ${r.url()}`));
  page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()}`));
  page.on('pageerror', (e) => problems.push(`error: ${e.message}`));
  return { page, problems, open: (url) => page.goto(url), run: (fn, ...args) => page.evaluate(fn, ...args),
    click: (id) => page.click(`#${id}`), type: (id, text) => page.$eval(`#${id}`, (e) => { e.value = ''; })
      .then(() => page.type(`#${id}`, text)), press: (id, key) => page.focus(`#${id}`).then(() => page.keyboard.press(key)),
    screenshot: (path) => page.screenshot({ path }), close: () => instance.close() };
}

// WebKitGTK through its own WebDriver, the W3C protocol over HTTP; `args` for its MiniBrowser.
export async function withWebKit(args = []) {
  const port = 20000 + ((process.pid + args.length) % 20000);
  const server = spawn('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore' });
  const call = (method, path, body) => fetch(`http://127.0.0.1:${port}${path}`, { method, body: JSON.stringify(body),
    headers: { 'Content-Type': 'application/json' } }).then((r) => r.json()).then((r) => r.value);
  // The driver answers once it listens: a bounded wait on that condition.
  for (let tries = 0; await call('GET', '/status').then(() => false, () => tries++ < 50);) await new Promise((r) => setTimeout(r, 100));
  const session = `/session/${(await call('POST', '/session', { capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': {
    binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation', ...args] } } } })).sessionId}`;
  await call('POST', `${session}/window/rect`, { width: 1000, height: 900 });
  const element = async (id) => Object.values(await call('POST', `${session}/element`, { using: 'css selector', value: `#${id}` }))[0];
  const keys = (id, text) => element(id).then((e) => call('POST', `${session}/element/${e}/value`, { text }));
  return { problems: [], open: (url) => call('POST', `${session}/url`, { url }),
    run: (fn, ...args) => call('POST', `${session}/execute/sync`, { script: `return (${fn})(...arguments)`, args }),
    click: (id) => element(id).then((e) => call('POST', `${session}/element/${e}/click`, {})),
    type: (id, text) => element(id).then((e) => call('POST', `${session}/element/${e}/clear`, {}))
      .then(() => keys(id, text.replaceAll('\n', '\uE007'))),  // a line break is the Enter key
    press: (id, key) => keys(id, { Enter: '\uE007', Escape: '\uE00C' }[key]),
    screenshot: async (path) => writeFileSync(path, Buffer.from(await call('GET', `${session}/screenshot`), 'base64')),
    close: () => call('DELETE', session).finally(() => server.kill()) };
}
