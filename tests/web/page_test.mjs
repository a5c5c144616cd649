// Catches a page that strays from the native core in Chromium, Firefox or WebKit (values, buttons, spoken words,
// focus, layout, clipped text, the sections below, the result code, the data files, the class board, a trick's
// question), uses the network or storage, breaks an accessibility rule, hides the window when zoomed, shifts while it
// starts or mishandles Esci. Under an X server (WebKit needs one).
// Usage: node page_test.mjs PAGE.html WEB_EXPECTATIONS_PROGRAM SCREENSHOT_FOLDER
import assert from 'node:assert/strict';
import { copyFileSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { actions, expected, started, withPuppeteer, withWebKit } from './drivers.mjs';

const [, , pagePath, program, screenshots] = process.argv;
const code = '4242';
// The teacher's page, played through: the first c6 comes with too few marked fish, so the estimate is refused; the
// last haul comes after an estimate, which the section keeps showing.
const teacherQuery = `lago=${code}&insegnante`;
const teacherSeries = actions('c9 c1*2 c2*2 t12,5 kEnter kEscape c3 c4 c5*4 c6 c9 c1 c2*12 c3 c4 c5*12 c6 c7*2 c5 c6 c7 c5');
// What a teacher pastes on the class board: estimates as typed, the student's own code twice, the same with a
// changed check letter, a code from another class lake.
const studentCode = expected(program, teacherQuery, teacherSeries).code;
const changed = studentCode.slice(0, -1) + (studentCode.endsWith('A') ? 'C' : 'A');
const teacher = expected(program, teacherQuery, teacherSeries, `31.500 40000;abc\n1.234.567 2O\n38226\n12 500\nnessuna\n${
  studentCode}\n${studentCode}\n${changed}\n77-3-150-8-K`);
const fishByFish = expected(program, `lago=${code}&pesce-per-pesce`, actions('c1 c2*3 c3 c4 c5*8 c6 c7'));
const trick = expected(program, 'lago=119&trucco=marche-perse', actions('c1 c2*12 c3 c4 c5*2 p0 c5*8 c6 c7'));
const wrongCode = expected(program, 'lago=07');
const html = readFileSync(pagePath, 'utf8');
const guideSections = readFileSync(new URL('../../docs/guida-insegnante.html', import.meta.url), 'utf8').split('<h3').length - 1;
assert.ok(html.indexOf('<meta charset="utf-8">') < 1024, 'the encoding is declared within the first 1,024 bytes');

const folder = mkdtempSync(`${tmpdir()}/ricattura-page-`);  // the page alone, as a teacher passes it on
process.on('exit', () => rmSync(folder, { recursive: true, force: true }));
copyFileSync(pagePath, `${folder}/ricattura.html`);
const pageUrl = `file://${folder}/ricattura.html`;
const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// What a student meets: the boxes, the buttons ("1" enabled), the words spoken, the focus, the captions (and Text1)
// that do not fit, and every control's border box from the client area's corner.
function shown() {
  const form = document.getElementById('Form1');
  const [x, y] = [form.getBoundingClientRect().x + form.clientLeft, form.getBoundingClientRect().y + form.clientTop];
  const at = (e, r = e.getBoundingClientRect()) => [e.id, r.x - x, r.y - y, r.width, r.height]  // to engines' float dust
    .map((v) => (typeof v === 'number' ? Math.round(v * 100) / 100 : v)).join(' ');
  return { texts: [...Array(10)].map((_, i) => document.getElementById(`Text${i + 1}`).value),
    enabled: [...Array(9)].map((_, i) => (document.getElementById(`Command${i + 1}`).disabled ? '0' : '1')),
    spoken: document.getElementById('spoken').textContent.replace(/\u00a0$/, ''), focus: document.activeElement.id,
    clipped: [...form.querySelectorAll('button, label, #Text1')]
      .filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight).map((e) => e.id),
    rects: [`Form1 0 0 ${form.clientWidth} ${form.clientHeight}`, ...[...form.querySelectorAll('[style]')].map((e) => at(e))]
      .sort() };
}

// The section below the window as read: its paragraphs and headings, and every table row's cells, in page order.
function repetitions() {
  const texts = [];
  for (const e of document.getElementById('repetitions-body').children) {
    if (e.matches('p, h3')) texts.push(e.textContent);
    for (const row of e.querySelectorAll('tbody tr')) texts.push([...row.children].map((c) => c.textContent).join('\t'));
  }
  return texts;
}

// What a screen reader meets in the page's tree: the instructions read from their start, headings read whole, each
// picture one short name with its words hidden, no status bar.
function readerTree() {
  return { caret: document.getElementById('Text1').selectionStart, elementsInHeadings: document.querySelectorAll('#below-window th *').length,
    pictures: [...document.querySelectorAll('svg')].every((svg) => svg.getAttribute('role') === 'img'
      && !!svg.getAttribute('aria-label') && [...svg.querySelectorAll('text')].every((t) => t.getAttribute('aria-hidden') === 'true')),
    statusRoles: document.querySelectorAll('[role=status], output').length };
}

function classBoard() {
  const rows = (selector) => [...document.querySelectorAll(selector)].map((r) => [...r.children].map((c) => c.textContent).join('\t'));
  return [document.getElementById('class-summary').textContent, ...[...document.querySelectorAll('#class-bad li')]
    .map((e) => e.textContent), document.getElementById('class-reveal').textContent, ...rows('#class-bands tbody tr'),
  ...rows('#class-codes-table tbody tr')];
}

// The file a button saves, as the page made it: taken from the object URL it downloads, its line ends told apart.
async function savedFile(driver, button) {
  await driver.run(() => {
    window.saved = null;
    URL.createObjectURL = (blob) => { window.saved = blob.arrayBuffer(); return 'data:,'; };
    HTMLAnchorElement.prototype.click = () => {};  // nothing saved on the test's machine
  });
  await driver.click(button);
  return driver.run(async () => {
    const text = new TextDecoder('utf-8', { ignoreBOM: true }).decode(await window.saved);  // the mark kept, to be seen
    return { text: text.replaceAll('\r\n', '\n'), bareLineFeeds: text.split('\r\n').join('').includes('\n') };
  });
}

async function play(name, driver) {
  const open = async (query) => {
    await driver.open(`${pageUrl}?${query}`);
    assert.ok(await driver.run(started), 'the page never showed its opening text in its own font');
  };
  const violations = async (when) => assert.deepEqual(await driver.run(async (source) => {
    if (!window.axe) document.head.appendChild(Object.assign(document.createElement('script'), { textContent: source }));
    return (await window.axe.run(document, { resultTypes: ['violations'] })).violations.map((v) => v.id);
  }, axe), [], `${name}: accessibility rules broken ${when}`);
  // Opens a page and plays its series, comparing what it shows with the native core after every action.
  const playThrough = async (page) => {
    await open(page.query);
    assert.deepEqual(await driver.run(() => {
      window.sameDocument = true;  // a new exercise must not reload the page
      const labels = [...document.querySelectorAll('#Form1 label')];
      return { title: document.title, note: document.getElementById('lake-note').textContent,
        badLabels: labels.filter((l) => l.control?.id !== `Text${l.id.slice(5)}` || l.nextElementSibling !== l.control).length,
        named: ['Text2', 'Text4'].map((id) => document.getElementById(id).getAttribute('aria-label')),
        font: [...document.fonts].filter((f) => f.status === 'loaded').map((f) => f.family.replaceAll('"', '')),
        colours: [...new Set([getComputedStyle(document.getElementById('Form1')).backgroundColor,
          ...labels.map((l) => getComputedStyle(l).color)])] };
    }), { title: page.title, note: page.note, badLabels: 0, font: ['Ricattura Sans'], colours: page.colours,
      named: ['Individui catturati nella cattura', 'Individui catturati nella ricattura'] }, name);
    assert.deepEqual(await driver.run(shown), page.start, `${name}: at start`);
    for (const [i, action] of page.series.entries()) {
      const what = action.slice(1);
      if (action[0] === 'c' && await driver.run((id) => document.getElementById(id).disabled, `Command${what}`))
        await driver.run((id) => document.getElementById(id).click(), `Command${what}`);  // as a click that hits nothing
      else await ({ c: () => driver.click(`Command${what}`), t: () => driver.type('Text3', what), k: () => driver.press('Text3', what),
        p: () => driver.click(['trick-high', 'trick-low', 'trick-right'][what]) })[action[0]]();
      assert.deepEqual(await driver.run(shown), page.afterEach[i], `${name}: after action ${i} (${action}) of ${page.query}`);
    }
    assert.deepEqual(await driver.run(repetitions), page.repeated, `${name}: repetitions of ${page.query}`);
  };

  await playThrough(teacher);
  await driver.screenshot(`${screenshots}/page-${name}.png`);
  assert.equal(await driver.run(() => document.getElementById('result-code').textContent), teacher.code, `${name}: code`);
  assert.deepEqual(await savedFile(driver, 'result-data'), { text: teacher.data, bareLineFeeds: false }, `${name}: data`);
  await driver.run(() => { document.querySelector('#class-board details').open = true; });
  await driver.type('class-entries', teacher.board);
  await driver.click('class-draw');
  await driver.click('class-show-real');
  assert.deepEqual(await driver.run(classBoard), teacher.classBoard, `${name}: class board`);
  assert.deepEqual(await savedFile(driver, 'class-data'), { text: teacher.boardData, bareLineFeeds: false },
    `${name}: the board's data`);
  assert.deepEqual(await driver.run(readerTree), { caret: 0, elementsInHeadings: 0, pictures: true,
    statusRoles: 0 }, `${name}: what a screen reader meets`);
  await violations('after a whole exercise');

  await driver.click('Command8');
  await driver.run(() => document.getElementById('Command5').click());  // the ended window must not respond
  const ended = await driver.run(() => document.getElementById('ended-text').textContent);
  assert.deepEqual(await driver.run(shown), { ...teacher.afterEach.at(-1), enabled: Array(9).fill('0'), spoken: ended,
    focus: 'new-exercise' }, `${name}: after Esci`);
  await violations('after Esci');
  await driver.click('new-exercise');
  assert.deepEqual([await driver.run(shown), await driver.run(() => window.sameDocument)], [teacher.start, true],
    `${name}: after a new exercise`);

  await playThrough(fishByFish);  // a student's page: the same numbers fish by fish, and no class board
  assert.equal(await driver.run(() => document.getElementById('class-board')), null, `${name}: a student's board`);
  await violations('fish by fish');
  await playThrough(trick);  // predicted, then seen
  await violations('with a trick');
  assert.equal(await driver.run(() => new Promise((done) => {  // the guide, unpacked as it opens, under its one title
    const text = document.getElementById('guide-text');
    new MutationObserver(() => done(text.querySelector('h2') ? -1 : text.querySelectorAll('h3').length)).observe(text, { childList: true });
    document.getElementById('guide').open = true;
  })), guideSections, `${name}: the teacher's guide`);

  await open(wrongCode.query);  // not a class code: said so, and the clock seeds the lakes
  assert.deepEqual(await driver.run(() => [document.title, document.getElementById('lake-note').textContent, document.cookie,
    localStorage.length + sessionStorage.length, performance.getEntriesByType('resource').map((r) => r.name)
      .filter((u) => !u.startsWith('data:'))]), [wrongCode.title, wrongCode.note, '', 0, []], `${name}: traces left or requests`);
  assert.deepEqual(driver.problems, [], name);
}

// Chromium alone: the same series with the keyboard only, and no shift as the page starts.
async function keyboardAndZoom({ page, run }) {
  await page.goto(`${pageUrl}?${teacherQuery}`);
  assert.ok(await run(started));
  assert.equal(await run(() => {  // the window's box has its size before the WebAssembly runs
    const observer = new PerformanceObserver(() => {});
    observer.observe({ type: 'layout-shift', buffered: true });  // the shifts so far, taken at once
    return observer.takeRecords().reduce((sum, e) => sum + e.value, 0);
  }), 0, 'layout shift while the page starts');
  const tabTo = async (id) => {
    for (let i = 0; (await run(() => document.activeElement.id)) !== id; ++i) {
      assert.ok(i < 100, `the keyboard never reaches ${id}`);
      await page.keyboard.press('Tab');
    }
  };
  for (const [i, action] of teacher.series.entries()) {
    const what = action.slice(1);
    if (action[0] === 'c' && !(await run((id) => document.getElementById(id).disabled, `Command${what}`))) {
      await tabTo(`Command${what}`);
      await page.keyboard.press(i % 2 ? 'Enter' : 'Space');
    } else if (action[0] !== 'c') {
      await tabTo('Text3');
      if (action[0] === 't') await page.keyboard.down('Control').then(() => page.keyboard.press('a'))
        .then(() => page.keyboard.up('Control')).then(() => page.keyboard.type(what));
      else await page.keyboard.press(what);
    }
    assert.deepEqual(await run(shown), teacher.afterEach[i], `keyboard: after action ${i} (${action})`);
  }
}

for (const [name, start] of [['chromium', () => withPuppeteer('chrome', '/usr/bin/chromium', pageUrl)],
  ['firefox', () => withPuppeteer('firefox', '/usr/bin/firefox-esr', pageUrl)], ['webkit', () => withWebKit()]]) {
  const driver = await start();
  try {
    await play(name, driver);
    if (name === 'chromium') await keyboardAndZoom(driver);
  } finally {
    await driver.close();
  }
}
console.log(`browser page: ${teacher.series.length + fishByFish.series.length + trick.series.length} actions matched the native core in Chromium, Firefox and WebKit, and by keyboard`);
