// The page's side of the exercise window: its controls, built from the layout table the C++ side hands over, and
// every text, flag and spoken word the exercise writes into them. Clicks go back to the core, by button index.
mergeInto(LibraryManager.library, {
  $ExerciseWindow: {
    startName: '',  // the control the keyboard starts in
    form: function () { return document.getElementById('Form1'); },
    // Every control sits at whole pixels from the client area's corner (`rect`, a PixelRect: left, top, width,
    // height), added in the window's tab order.
    add: function (tag, name, rect) {
      const [left, top, width, height] = HEAP32.subarray(rect >> 2, (rect >> 2) + 4);
      const control = document.createElement(tag);
      control.id = UTF8ToString(name);
      control.autofocus = control.id === ExerciseWindow.startName;  // taken as the page is read, without a layout
      Object.assign(control.style, { left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px' });
      ExerciseWindow.form().appendChild(control);
      return control;
    },
    spokenAtLoad: '',  // words to speak once the page has been read, when a live region is heard
  },

  // On a phone (a coarse pointer, a narrow screen) the whole window fits the width, and pinch zoom stays; a zoomed
  // desktop keeps the window's size and scrolls it in its frame. Until the reader first acts, the frame stays at its
  // left edge, whatever the first focus and the caret would scroll.
  jsFitWindow__deps: ['$ExerciseWindow'],
  jsFitWindow: function (width) {
    const form = ExerciseWindow.form();
    const frame = form.parentElement;
    const margins = 32;  // the page's padding on both sides
    const narrowTouch = matchMedia(`(pointer: coarse) and (max-width: ${width + margins}px)`);
    const fit = () => { form.style.zoom = narrowTouch.matches ? String(Math.floor((innerWidth - margins) / width * 100) / 100) : ''; };
    fit();
    addEventListener('resize', fit);
    let acted = false;
    for (const event of ['pointerdown', 'keydown', 'wheel', 'touchstart'])
      addEventListener(event, () => { acted = true; }, { capture: true, once: true, passive: true });
    frame.addEventListener('scroll', () => { if (!acted) frame.scrollLeft = 0; });
  },

  jsBuildWindow__deps: ['$ExerciseWindow'],
  jsBuildWindow: function (title, width, height, background, labelColour, fontFamilies, fontPoints, fontWeight) {
    const form = ExerciseWindow.form();
    form.replaceChildren();  // the words for a browser that runs no script give way to the window
    form.setAttribute('aria-label', UTF8ToString(title));
    Object.assign(form.style, { width: width + 'px', height: height + 'px', background: UTF8ToString(background),
      fontFamily: UTF8ToString(fontFamilies), fontSize: fontPoints + 'pt', fontWeight: String(fontWeight) });
    form.style.setProperty('--label-colour', UTF8ToString(labelColour));
  },

  jsAddButton__deps: ['$ExerciseWindow'],
  jsAddButton: function (name, caption, rect, index, enabled) {
    const button = ExerciseWindow.add('button', name, rect);
    button.type = 'button';
    button.textContent = UTF8ToString(caption);
    button.disabled = !enabled;
    button.addEventListener('click', () => {
      button.focus();  // every engine alike, as a desktop button takes the focus when clicked
      _ricattura_click(index);
    });
  },

  // A box whose caption another box shares gets a longer name for a screen reader; the caption on screen stays.
  jsAddBox__deps: ['$ExerciseWindow'],
  jsAddBox: function (name, rect, multiLine, editable, spokenName) {
    const box = ExerciseWindow.add(multiLine ? 'textarea' : 'input', name, rect);
    if (!multiLine) box.type = 'text';
    box.readOnly = !editable;
    // A box that only shows takes the focus with its caret at the start, nothing selected, so a reader says its value
    // once; the box a student types into keeps the engine's selection, so typing replaces the proposal.
    if (!editable) box.addEventListener('focus', () => box.setSelectionRange(0, 0));
    box.spellcheck = false;
    box.autocomplete = 'off';
    if (UTF8ToString(spokenName)) box.setAttribute('aria-label', UTF8ToString(spokenName));
  },

  jsAddLabel__deps: ['$ExerciseWindow'],
  jsAddLabel: function (name, caption, rect, box, rightAligned) {
    const label = ExerciseWindow.add('label', name, rect);
    label.htmlFor = UTF8ToString(box);
    label.textContent = UTF8ToString(caption);
    label.style.textAlign = rightAligned ? 'right' : 'left';
  },

  // The control the keyboard starts in, named before the window is built: the engine focuses it as the page is
  // read; where an engine leaves that for a later frame, or skips it, the end of the page's reading does it.
  jsStartFocus__deps: ['$ExerciseWindow'],
  jsStartFocus: function (name) {
    ExerciseWindow.startName = UTF8ToString(name);
    const focus = () => {
      if (document.activeElement === document.body) document.getElementById(ExerciseWindow.startName).focus();
    };
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', focus);
    else queueMicrotask(focus);  // the WebAssembly came after the page was read: once the window stands
  },

  // The window stands and the exercise has started: said on the page's root, for whatever waits for it.
  jsStarted: function () {
    delete document.documentElement.dataset.loading;
    document.documentElement.dataset.started = '';
  },

  // A box that shows many lines is read from its start: its caret goes back there whenever its text changes.
  jsSetText: function (name, text) {
    const box = document.getElementById(UTF8ToString(name));
    box.value = UTF8ToString(text);
    if (box.tagName === 'TEXTAREA') box.setSelectionRange(0, 0);
  },

  // Enter in a box presses a button, as it would submit what the box holds.
  jsEnterPresses: function (box, button) {
    const target = document.getElementById(UTF8ToString(button));
    document.getElementById(UTF8ToString(box)).addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();  // the key is spent here: the button the focus moves to must not take it too
      target.click();
    });
  },

  jsFocus: function (name) {
    document.getElementById(UTF8ToString(name)).focus();
  },

  jsSetEnabled: function (name, enabled) {
    document.getElementById(UTF8ToString(name)).disabled = !enabled;
  },

  jsTypedText__deps: ['$stringToNewUTF8'],
  jsTypedText: function (name) {
    return stringToNewUTF8(document.getElementById(UTF8ToString(name)).value);
  },

  // The polite live region a screen reader speaks from; the same words twice still count as news. While the page is
  // still being read no reader listens to the region yet: the words wait for its end.
  jsAnnounce__deps: ['$ExerciseWindow'],
  jsAnnounce: function (words) {
    const region = document.getElementById('spoken');
    const text = UTF8ToString(words);
    if (document.readyState === 'loading') {
      if (!ExerciseWindow.spokenAtLoad) document.addEventListener('DOMContentLoaded', () => {
        region.textContent = ExerciseWindow.spokenAtLoad;
      });
      ExerciseWindow.spokenAtLoad = text;
      return;
    }
    region.textContent = region.textContent === text ? text + '\u00a0' : text;
  },

  // The address's value of `name`, or nothing (0) when the address has none.
  jsAddressParameter__deps: ['$stringToNewUTF8'],
  jsAddressParameter: function (name) {
    const value = new URLSearchParams(location.search).get(UTF8ToString(name));
    return value === null ? 0 : stringToNewUTF8(value);
  },

  jsShowPage: function (title, note, isWarning, again) {
    document.title = UTF8ToString(title);
    const line = document.getElementById('lake-note');
    line.textContent = UTF8ToString(note);
    line.classList.toggle('warning', !!isWarning);
    const button = document.getElementById('new-exercise');
    button.textContent = UTF8ToString(again);
    button.addEventListener('click', () => _ricattura_new_exercise());
  },

  // "Esci": a page cannot close its tab, so nothing in the window responds any more, as in a program that ended;
  // the results stay on screen and in the accessibility tree, to be read.
  jsShowEnded__deps: ['$ExerciseWindow'],
  jsShowEnded: function (ended) {
    const form = ExerciseWindow.form();
    if (ended) form.querySelectorAll('button').forEach((b) => { b.disabled = true; });
    document.getElementById('Text3').readOnly = !!ended;
    document.getElementById('ended').hidden = !ended;
    if (ended) {
      document.getElementById('spoken').textContent = document.getElementById('ended-text').textContent;
      document.getElementById('new-exercise').focus();
    } else if (document.readyState !== 'loading') {
      document.getElementById(ExerciseWindow.startName).focus();
    }
  },
});
