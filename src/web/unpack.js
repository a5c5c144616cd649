// The page's packed data, the WebAssembly and the teacher's guide: base64 of a DEFLATE stream, its unpacked size
// beside it, inflated by tiny-inflate.
function unpack(packed) {
  var base64 = packed.textContent, bytes;
  if (Uint8Array.fromBase64) bytes = Uint8Array.fromBase64(base64);  // the engine's own decoder, where it has one
  else {
    var text = atob(base64);
    bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  }
  return tinyInflate(bytes, new Uint8Array(Number(packed.dataset.size)));
}

var Module = {wasmBinary: unpack(document.getElementById('wasm-base64'))};

// The guide is unpacked when first opened, under the title its section already shows. Its section comes later in the
// page than this script: the document hears its opening on the way down.
document.addEventListener('toggle', function (event) {
  var guide = event.target, text = document.getElementById('guide-text');
  if (guide.id !== 'guide' || !guide.open || text.firstChild) return;
  text.innerHTML = new TextDecoder().decode(unpack(document.getElementById('guide-data')));
  text.removeChild(text.querySelector('h2'));
}, true);
