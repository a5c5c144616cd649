// The class board's controls: what the teacher typed goes to the core, which draws it back through the pictures.
mergeInto(LibraryManager.library, {
  jsClassBoard: function (label) {
    document.querySelector('label[for="class-entries"]').textContent = UTF8ToString(label);
    document.getElementById('class-draw').addEventListener('click', () => _ricattura_class_draw(0));
    document.getElementById('class-show-real').addEventListener('click', () => _ricattura_class_draw(1));
  },

  jsClassTyped__deps: ['$stringToNewUTF8'],
  jsClassTyped: function () {
    return stringToNewUTF8(document.getElementById('class-entries').value);
  },

  // What the board says after drawing: the heading of the list of entries not understood (none when empty), and
  // the reveal, spoken by its live region only when it changes.
  jsClassWords: function (badHeading, revealed) {
    const heading = UTF8ToString(badHeading);
    if (heading) {
      const drawing = document.getElementById('class-drawing');
      const title = Object.assign(document.createElement('p'), { id: 'class-bad-heading', textContent: heading });
      const list = Object.assign(document.createElement('ul'), { id: 'class-bad' });
      list.setAttribute('aria-labelledby', title.id);
      drawing.append(title, list);
    }
    const words = UTF8ToString(revealed);
    const live = document.getElementById('class-reveal');
    if (live.textContent !== words) live.textContent = words;
  },

  jsBadEntry: function (typed) {
    const item = document.createElement('li');
    item.textContent = '«' + UTF8ToString(typed) + '»';
    document.getElementById('class-bad').appendChild(item);
  },
});
