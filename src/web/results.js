// What leaves a student's screen for the teacher: the result code to copy, the printed sheet, the data files; and on
// the teacher's page the students' address with its QR code. The words come from the C++ side.
mergeInto(LibraryManager.library, {
  $Results: {
    say: function (words) {
      document.getElementById('result-copied').textContent = words;
    },
    // Selects the code on screen, for a browser that lets no page write to the clipboard.
    select: function (element) {
      const range = document.createRange();
      range.selectNodeContents(element);
      getSelection().removeAllRanges();
      getSelection().addRange(range);
    },
    // One SVG path over the QR code's dark modules, a run of them along a row at a time.
    qrPath: function (code) {
      let path = '';
      for (let y = 0; y < code.size; ++y)
        for (let x = 0; x < code.size; ++x) {
          if (!code.get(x, y)) continue;
          let run = 1;
          while (code.get(x + run, y)) ++run;
          path += `M${x} ${y}h${run}v1h-${run}z`;
          x += run - 1;
        }
      return path;
    },
  },

  // A lake with a trick: what happened, and the question with its three answers, in the order of Prediction.
  jsTrickQuestion: function (event, question) {
    document.getElementById('trick-event').textContent = UTF8ToString(event);
    document.getElementById('trick-asked').textContent = UTF8ToString(question);
    ['trick-high', 'trick-low', 'trick-right'].forEach((id, answer) => {
      document.getElementById(id).addEventListener('click', () => _ricattura_predict(answer));
    });
  },

  // The question answered, or open again for a new exercise: the answer replaces the buttons.
  jsTrickAnswer: function (answer) {
    const text = UTF8ToString(answer);
    document.getElementById('trick-question').hidden = !!text;
    document.getElementById('trick-answer').textContent = text;
  },

  // The buttons of the student's result: copy the code, print the sheet, save the data.
  jsResultButtons__deps: ['$Results'],
  jsResultButtons: function (copied, selectIt) {
    const [copiedWords, selectWords] = [UTF8ToString(copied), UTF8ToString(selectIt)];
    document.getElementById('result-copy').addEventListener('click', () => {
      const code = document.getElementById('result-code');
      const fallback = () => {
        Results.select(code);
        Results.say(selectWords);
      };
      if (navigator.clipboard) navigator.clipboard.writeText(code.textContent).then(() => Results.say(copiedWords), fallback);
      else fallback();
    });
    document.getElementById('result-print').addEventListener('click', () => window.print());
    document.getElementById('result-data').addEventListener('click', () => _ricattura_data_file());
  },

  // The code, or why there is none, and the words around it.
  jsShowResult__deps: ['$Results'],
  jsShowResult: function (code, words) {
    const text = UTF8ToString(code);
    document.getElementById('result-code-words').textContent = UTF8ToString(words);
    document.getElementById('result-code').textContent = text;
    document.getElementById('result-code').parentElement.hidden = !text;
    document.getElementById('result-copy').hidden = !text;
    Results.say('');
  },

  // The printed sheet: emptied, then filled line by line; once it holds a result, printing the page prints it alone.
  jsSheetClear: function () {
    document.getElementById('sheet-lines').replaceChildren();
    document.getElementById('sheet-repetitions').replaceChildren();
    document.documentElement.classList.add('has-sheet');
  },

  jsSheetLine: function (label, value) {
    const lines = document.getElementById('sheet-lines');
    lines.append(Object.assign(document.createElement('dt'), { textContent: UTF8ToString(label) }),
      Object.assign(document.createElement('dd'), { textContent: UTF8ToString(value) }));
  },

  // The repeated experiment's summary and its first picture, as the section below the window shows them.
  jsSheetRepetitions: function () {
    const holder = document.getElementById('sheet-repetitions');
    const picture = document.querySelector('#repetitions svg');
    holder.append(document.getElementById('repetitions-summary').cloneNode(true), picture.cloneNode(true),
      picture.nextElementSibling.cloneNode(true));  // its legend
    holder.querySelectorAll('[id]').forEach((e) => e.removeAttribute('id'));
  },

  jsSheetNone: function () {
    document.documentElement.classList.remove('has-sheet');
  },

  // A file the student or the teacher saves, made here: nothing leaves the device. Its bytes go as the core wrote them,
  // byte-order mark included, which a decoding would drop.
  jsDownload: function (name, text) {
    const link = document.createElement('a');
    const bytes = HEAPU8.slice(text, HEAPU8.indexOf(0, text));
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'text/csv;charset=utf-8' }));
    link.download = UTF8ToString(name);
    document.body.appendChild(link);
    link.click();
    link.remove();
    URL.revokeObjectURL(link.href);
  },

  // The address the students open, large and as a QR code, when the page came from a web address; from a file there
  // is no address to give.
  jsStudentsAddress__deps: ['$Results'],
  jsStudentsAddress: function (query, words, needsWeb) {
    const holder = document.getElementById('students-address');
    const paragraph = (text, id) => holder.appendChild(Object.assign(document.createElement('p'), { id, textContent: text }));
    if (location.protocol !== 'http:' && location.protocol !== 'https:') {
      paragraph(UTF8ToString(needsWeb), 'students-needs-web');
      return;
    }
    const address = location.origin + location.pathname + UTF8ToString(query);
    paragraph(UTF8ToString(words), 'students-words');
    paragraph(address, 'students-link');
    const code = leanQr.generate(address, { minCorrectionLevel: leanQr.correction.M });
    const quiet = 4;  // the white border a reader needs, in modules
    const side = code.size + 2 * quiet;
    holder.insertAdjacentHTML('beforeend', `<svg id="students-qr" role="img" viewBox="${-quiet} ${-quiet} ${side} ${side}"
      shape-rendering="crispEdges"><rect x="${-quiet}" y="${-quiet}" width="${side}" height="${side}" fill="#fff"/>
      <path fill="#000" d="${Results.qrPath(code)}"/></svg>`);
    holder.querySelector('svg').setAttribute('aria-label', UTF8ToString(words));
  },
});
