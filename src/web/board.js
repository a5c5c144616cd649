// The class board's controls: what the teacher typed goes to the core, which draws it back through the pictures.
mergeInto(LibraryManager.library, {
  jsClassBoard: function (label) {
    document.querySelector('label[for="class-entries"]').textContent = UTF8ToString(label);
    document.getElementById('class-draw').addEventListener('click', () => _ricattura_class_draw(0));
    document.getElementById('class-show-real').addEventListener('click', () => _ricattura_class_draw(1));
    document.getElementById('class-data').addEventListener('click', () => _ricattura_class_file());
  },

  jsClassTyped__deps: ['$stringToNewUTF8'],
  jsClassTyped: function () {
    return stringToNewUTF8(document.getElementById('class-entries').value);
  },

  // The reveal's words, spoken by their live region only when they change.
  jsClassReveal: function (words) {
    const live = document.getElementById('class-reveal');
    const text = UTF8ToString(words);
    if (live.textContent !== text) live.textContent = text;
  },
});
