// The sections below the window and their pictures: the C++ side hands over places on an axis (0 to 1), counts and
// words; every size in pixels is decided here, in `Pictures.geometry`.
mergeInto(LibraryManager.library, {
  $Pictures: {
    geometry: {
      width: 660,          // the picture's own width; it shrinks with the page
      axisLeft: 12,        // where 0 stands
      axisLength: 620,     // from 0 to the axis's end
      rowHeight: 96,       // one histogram row: its label, then its bars
      rowsTop: 8,
      barsHeight: 70,      // the tallest bar
      labelAboveBase: 76,  // a row's label, above the row's base line
      beyondBelowLabel: 15,  // what lies past the axis, on the line below the row's label
      tickLength: 5,
      tickLabelBelow: 19,
      axisTitleBelow: 38,
      belowAxis: 46,       // room for the tick labels and the axis's title
      dotStep: 10,         // one level of stacked dots, when they fit
      dotsHeight: 160,     // the most the stacks may take
      dotsAbove: 20,
      dotRadius: 4,
    },
    plots: {},  // each picture's parts by its id: svg, legend, axis height, rows or dot step (a plain object: the
                // library is written out as a literal)
    element: function (tag, parent, properties) {
      const e = Object.assign(document.createElement(tag), properties);
      if (parent) parent.appendChild(e);
      return e;
    },
    // An SVG element; its words are for the eye only, as the table beside every picture holds its numbers.
    svg: function (tag, parent, attributes) {
      const e = document.createElementNS('http://www.w3.org/2000/svg', tag);
      for (const name in attributes) e.setAttribute(name, attributes[name]);
      if (tag === 'text') e.setAttribute('aria-hidden', 'true');
      parent.appendChild(e);
      return e;
    },
    x: function (at) {
      const g = Pictures.geometry;
      return g.axisLeft + Math.min(at, 1) * g.axisLength;
    },
    // A picture `id` at the end of `parent`, with one short name for a screen reader, its axis at `axisY` and a
    // legend below.
    begin: function (id, parent, name, axisY) {
      const g = Pictures.geometry;
      const holder = document.getElementById(UTF8ToString(parent));
      const height = axisY + g.belowAxis;
      const svg = Pictures.svg('svg', holder, { id: UTF8ToString(id), viewBox: `0 0 ${g.width} ${height}`,
        width: g.width, height: height, role: 'img', 'aria-label': UTF8ToString(name) });
      Pictures.svg('line', svg, { class: 'axis', x1: g.axisLeft, x2: g.axisLeft + g.axisLength, y1: axisY, y2: axisY });
      const plot = { svg: svg, axisY: axisY, rows: 0, dotStep: 0, legend: Pictures.element('ul', holder,
        { className: 'legend' }) };
      Pictures.plots[UTF8ToString(id)] = plot;
      return plot;
    },
    // Where row `row` of a histogram ends, at its bars' feet.
    rowBase: function (row) {
      const g = Pictures.geometry;
      return g.rowsTop + (row + 1) * g.rowHeight - 4;
    },
  },

  // A section below the window, made from its template the first time, in a fixed order whatever comes first.
  jsShowSection: function (id) {
    const order = ['trick', 'result', 'repetitions', 'class-board'];
    const name = UTF8ToString(id);
    let section = document.getElementById(name);
    if (!section) {
      section = document.getElementById(name + '-template').content.firstElementChild.cloneNode(true);
      const later = order.slice(order.indexOf(name) + 1).map((n) => document.getElementById(n)).find((e) => e);
      document.getElementById('below-window').insertBefore(section, later || null);
    }
    section.hidden = false;
  },

  jsHideSection: function (id) {
    const section = document.getElementById(UTF8ToString(id));
    if (section) section.hidden = true;
  },

  jsClear: function (id) {
    document.getElementById(UTF8ToString(id)).replaceChildren();
  },

  // A block of words at the end of `parent`: a paragraph, or a heading of the section's third level.
  jsWords__deps: ['$Pictures'],
  jsWords: function (parent, id, text, heading) {
    Pictures.element(heading ? 'h3' : 'p', document.getElementById(UTF8ToString(parent)),
      { id: UTF8ToString(id), textContent: UTF8ToString(text) });
  },

  // A histogram of `rows` rows of bars over one axis.
  jsHistogram__deps: ['$Pictures'],
  jsHistogram: function (id, parent, name, rows) {
    Pictures.begin(id, parent, name, Pictures.rowBase(rows - 1) + 4).rows = rows;
  },

  // A line of dots stacked up to `levels` high, as close as the height allows.
  jsDotPlot__deps: ['$Pictures'],
  jsDotPlot: function (id, parent, name, levels) {
    const g = Pictures.geometry;
    const step = Math.min(g.dotStep, g.dotsHeight / levels);
    Pictures.begin(id, parent, name, g.dotsAbove + Math.ceil(levels * step)).dotStep = step;
  },

  jsTick__deps: ['$Pictures'],
  jsTick: function (id, at, label) {
    const g = Pictures.geometry;
    const plot = Pictures.plots[UTF8ToString(id)];
    const x = Pictures.x(at);
    Pictures.svg('line', plot.svg, { class: 'axis', x1: x, x2: x, y1: plot.axisY, y2: plot.axisY + g.tickLength });
    Pictures.svg('text', plot.svg, { x: x, y: plot.axisY + g.tickLabelBelow, 'text-anchor': 'middle' })
      .textContent = UTF8ToString(label);
  },

  jsAxisTitle__deps: ['$Pictures'],
  jsAxisTitle: function (id, title) {
    const g = Pictures.geometry;
    const plot = Pictures.plots[UTF8ToString(id)];
    Pictures.svg('text', plot.svg, { x: g.axisLeft + g.axisLength / 2, y: plot.axisY + g.axisTitleBelow,
      'text-anchor': 'middle', class: 'axis-title' }).textContent = UTF8ToString(title);
  },

  // A line across the picture at `at`, named in the legend in words: across each row of bars, below its label, or
  // across the whole of a picture without rows.
  jsMarker__deps: ['$Pictures', 'jsLegend'],
  jsMarker: function (id, kind, at, label) {
    const g = Pictures.geometry;
    const plot = Pictures.plots[UTF8ToString(id)];
    const x = Pictures.x(at);
    for (let r = 0; r < Math.max(plot.rows, 1); ++r) {
      const [top, bottom] = plot.rows ? [Pictures.rowBase(r) - g.barsHeight, Pictures.rowBase(r)] : [4, plot.axisY];
      Pictures.svg('line', plot.svg, { class: UTF8ToString(kind), x1: x, x2: x, y1: top, y2: bottom });
    }
    _jsLegend(id, kind, label);
  },

  // A short line across one row of bars only, at `at`, named once in the legend by jsLegend.
  jsRowMarker__deps: ['$Pictures'],
  jsRowMarker: function (id, kind, row, at) {
    const g = Pictures.geometry;
    const plot = Pictures.plots[UTF8ToString(id)];
    const x = Pictures.x(at);
    Pictures.svg('line', plot.svg, { class: UTF8ToString(kind), x1: x, x2: x, y1: Pictures.rowBase(row) - g.barsHeight,
      y2: Pictures.rowBase(row) });
  },

  jsLegend__deps: ['$Pictures'],
  jsLegend: function (id, kind, label) {
    const item = Pictures.element('li', Pictures.plots[UTF8ToString(id)].legend);
    Pictures.element('span', item, { className: UTF8ToString(kind) });
    item.append(UTF8ToString(label));
  },

  // One row of bars: `bins` counts from `counts`, scaled so that `highest` fills the row; what lies past the axis
  // is said at the row's right end.
  jsBars__deps: ['$Pictures'],
  jsBars: function (id, row, label, counts, bins, highest, beyond) {
    const g = Pictures.geometry;
    const plot = Pictures.plots[UTF8ToString(id)];
    const base = Pictures.rowBase(row);
    const width = g.axisLength / bins;
    HEAP32.subarray(counts >> 2, (counts >> 2) + bins).forEach((count, b) => {
      const height = Math.max(1, count / highest * g.barsHeight);
      if (count) Pictures.svg('rect', plot.svg, { class: 'bar', x: Pictures.x(b / bins) + 0.5, y: base - height,
        width: Math.max(1, width - 1), height: height });
    });
    Pictures.svg('text', plot.svg, { x: g.axisLeft, y: base - g.labelAboveBase }).textContent = UTF8ToString(label);
    Pictures.svg('text', plot.svg, { x: g.width, y: base - g.labelAboveBase + g.beyondBelowLabel, 'text-anchor': 'end' })
      .textContent = UTF8ToString(beyond);
    if (row) Pictures.svg('line', plot.svg, { class: 'axis row-base', x1: g.axisLeft, x2: g.axisLeft + g.axisLength,
      y1: base, y2: base });
  },

  jsDot__deps: ['$Pictures'],
  jsDot: function (id, at, level) {
    const g = Pictures.geometry;
    const plot = Pictures.plots[UTF8ToString(id)];
    Pictures.svg('circle', plot.svg, { class: 'dot', cx: Pictures.x(at),
      cy: plot.axisY - plot.dotStep * (level + 0.5) - 1, r: Math.min(g.dotRadius, plot.dotStep / 2) });
  },

  // A table `id` at the end of `parent`, in a frame that scrolls on a narrow or zoomed view, by keyboard too.
  jsTable__deps: ['$Pictures'],
  jsTable: function (id, parent, caption) {
    const name = UTF8ToString(id);
    const frame = Pictures.element('div', document.getElementById(UTF8ToString(parent)),
      { className: 'table-frame', tabIndex: 0 });
    frame.setAttribute('role', 'region');
    frame.setAttribute('aria-labelledby', name + '-caption');
    const table = Pictures.element('table', frame, { id: name });
    Pictures.element('caption', table, { id: name + '-caption', textContent: UTF8ToString(caption) });
    Pictures.element('thead', table);
    Pictures.element('tbody', table);
  },

  // A new row of table `id`: of column headings when `head`.
  jsTableRow: function (id, head) {
    const table = document.getElementById(UTF8ToString(id));
    table.querySelector(head ? 'thead' : 'tbody').appendChild(document.createElement('tr'));
  },

  // A cell at the end of the table's last row. kind: 0 a data cell, 1 a column heading, 2 a row heading. A heading's
  // second line follows a line break in its text, with no element inside the cell, so that every reader reads it all.
  jsTableCell: function (id, kind, text) {
    const rows = document.getElementById(UTF8ToString(id)).querySelectorAll('tr');
    const cell = document.createElement(kind ? 'th' : 'td');
    cell.textContent = UTF8ToString(text);
    if (kind) cell.scope = kind === 1 ? 'col' : 'row';
    rows[rows.length - 1].appendChild(cell);
  },

  // A list `id` at the end of `parent`, named by the paragraph before it; then its items.
  jsList__deps: ['$Pictures'],
  jsList: function (parent, id, heading) {
    const holder = document.getElementById(UTF8ToString(parent));
    const title = Pictures.element('p', holder, { id: UTF8ToString(id) + '-heading', textContent: UTF8ToString(heading) });
    Pictures.element('ul', holder, { id: UTF8ToString(id) }).setAttribute('aria-labelledby', title.id);
  },

  jsListItem__deps: ['$Pictures'],
  jsListItem: function (id, text) {
    Pictures.element('li', document.getElementById(UTF8ToString(id)), { textContent: UTF8ToString(text) });
  },
});
