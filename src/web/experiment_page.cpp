// The page's drawing of the repeated experiment and of the class's results: the core computes, this draws.
#include "experiment_page.h"

#include "core/number_text.h"
#include "experiment/class_board.h"
#include "experiment/repeated_experiment.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

// The area below the window, made once with its style and the drawing helpers the other functions
// share; the section `id` is made empty inside it. Every colour keeps 4.5:1 against white, and the
// markers differ in dash as well as in colour.
EM_JS(void, jsSection, (const char* id, int inDetails, const char* heading), {
    if (!Module.rx) {
        const rx = Module.rx = {
            el: (tag, parent, props) => {
                const e = Object.assign(document.createElement(tag), props);
                if (parent) parent.appendChild(e);
                return e;
            },
            sv: (tag, parent, attributes) => {
                const e = document.createElementNS('http://www.w3.org/2000/svg', tag);
                for (const k in attributes) e.setAttribute(k, attributes[k]);
                parent.appendChild(e);
                return e;
            },
            x: (at) => 12 + Math.min(at, 1) * 620,
            plot: (id) => document.getElementById(id + '-plot'),
        };
        let area = document.getElementById('below-window');
        if (!area) document.getElementById('Form1').after(area = rx.el('div', null, {id: 'below-window'}));
        rx.el('style', document.head, {textContent:
            '#below-window{width:100%;max-width:720px;color:#1a1a1a}' +
            '#below-window h2{font-size:1.15em;margin:12px 0 4px;display:inline-block}' +
            '#below-window p{text-align:left;max-width:none;margin:6px 0}' +
            '#below-window svg{display:block;max-width:100%;height:auto}' +
            '.bar,.dot{fill:#3f5f8f}.axis{stroke:#1a1a1a}svg text{fill:#1a1a1a;font-size:12px}' +
            '.true-size{stroke:#17631a;border-top:3px solid #17631a}' +
            '.estimate{stroke:#b3261e;stroke-dasharray:6 4;border-top:3px dashed #b3261e}' +
            '.median{stroke:#3f5f8f;stroke-dasharray:2 3;border-top:3px dotted #3f5f8f}' +
            'line.true-size,line.estimate,line.median{stroke-width:2.5}' +
            '.legend{list-style:none;padding:0;margin:4px 0;display:flex;gap:20px;flex-wrap:wrap}' +
            '.legend span{display:inline-block;width:28px;margin-right:6px;vertical-align:middle}' +
            '#below-window table{border-collapse:collapse;font-size:.9em;width:100%}' +
            '.table-frame{overflow-x:auto;max-width:100%}' +
            '#below-window caption{text-align:left;font-weight:bold;padding:4px 0}' +
            '#below-window th,#below-window td{border:1px solid #767676;padding:3px 6px}' +
            '#below-window td{text-align:right}#below-window td:last-child{text-align:left}' +
            '#below-window thead th{font-weight:normal;vertical-align:bottom}' +
            '.band{display:block;font-size:.85em;color:#4a4a4a}' +
            '#below-window textarea{display:block;width:100%;box-sizing:border-box;font:inherit}' +
            '#below-window label{display:block;margin:8px 0 4px}' +
            '#below-window button{font:inherit;margin:6px 8px 6px 0}' +
            '#below-window :focus-visible{outline:3px solid #1a4fa0;outline-offset:2px}'});
    }
    const rx = Module.rx;
    const name = UTF8ToString(id);
    const area = document.getElementById('below-window');
    let section = document.getElementById(name);
    if (!section) {
        section = rx.el('section', null, {id: name});
        section.setAttribute('aria-labelledby', name + '-title');
        if (name === 'repetitions') area.prepend(section); else area.appendChild(section);
    }
    section.hidden = false;
    section.replaceChildren();
    const title = rx.el('h2', null, {id: name + '-title', textContent: UTF8ToString(heading)});
    const holder = inDetails ? rx.el('details', section) : section;
    if (inDetails) rx.el('summary', holder).appendChild(title); else holder.appendChild(title);
    rx.el('div', holder, {id: name + '-body'});
});

EM_JS(void, jsHideRepetitions, (), {
    const section = document.getElementById('repetitions');
    if (section) section.hidden = true;
});

// A plot `id` in `parent` (emptied first): its summary above, its axis at `axisY`, a legend below.
EM_JS(void, jsPlot, (const char* id, const char* parent, const char* summary, const char* describedBy, int axisY), {
    const rx = Module.rx;
    const name = UTF8ToString(id);
    const holder = document.getElementById(UTF8ToString(parent));
    holder.replaceChildren();
    rx.el('p', holder, {id: name + '-summary', textContent: UTF8ToString(summary)});
    const height = axisY + 28;
    const svg = rx.sv('svg', holder, {id: name + '-plot', viewBox: '0 0 660 ' + height, width: 660, height: height,
                                      role: 'img', 'aria-labelledby': name + '-summary'});
    if (describedBy) svg.setAttribute('aria-describedby', UTF8ToString(describedBy));
    svg.axisY = axisY;
    svg.legend = rx.el('ul', holder, {className: 'legend', id: name + '-legend'});
    rx.sv('line', svg, {class: 'axis', x1: 12, x2: 632, y1: axisY, y2: axisY});
});

EM_JS(void, jsTick, (const char* id, double at, const char* label), {
    const rx = Module.rx;
    const svg = rx.plot(UTF8ToString(id));
    const x = rx.x(at);
    rx.sv('line', svg, {class: 'axis', x1: x, x2: x, y1: svg.axisY, y2: svg.axisY + 5});
    rx.sv('text', svg, {x: x, y: svg.axisY + 19, 'text-anchor': 'middle'}).textContent = UTF8ToString(label);
});

// A line across the plot at `at` (0 to 1), named in the legend in words.
EM_JS(void, jsMarker, (const char* id, const char* kind, double at, const char* label), {
    const rx = Module.rx;
    const svg = rx.plot(UTF8ToString(id));
    const x = rx.x(at);
    // Across each row of bars, below its label, or across the whole of a plot without rows.
    for (let r = 0; r < (svg.rows || 1); ++r) {
        const [top, bottom] = svg.rows ? [26 + r * 96, 100 + r * 96] : [4, svg.axisY];
        rx.sv('line', svg, {class: UTF8ToString(kind), x1: x, x2: x, y1: top, y2: bottom});
    }
    const item = rx.el('li', svg.legend);
    rx.el('span', item, {className: UTF8ToString(kind)});
    item.append(UTF8ToString(label));
});

// One strategy's row of bars, `bins` counts scaled so that `highest` fills the row.
EM_JS(void, jsBars, (const char* id, int row, const char* label, const int* counts, int bins, int highest,
                     const char* beyond), {
    const rx = Module.rx;
    const svg = rx.plot(UTF8ToString(id));
    const base = 8 + (row + 1) * 96 - 4;
    svg.rows = row + 1;
    const width = 620 / bins;
    HEAP32.subarray(counts >> 2, (counts >> 2) + bins).forEach((count, b) => {
        const h = Math.max(1, count / highest * 70);
        if (count)
            rx.sv('rect', svg, {class: 'bar', x: rx.x(b / bins) + 0.5, y: base - h, width: Math.max(1, width - 1),
                                height: h});
    });
    rx.sv('text', svg, {x: 12, y: base - 76}).textContent = UTF8ToString(label);
    rx.sv('text', svg, {x: 660, y: base - 76, 'text-anchor': 'end'}).textContent = UTF8ToString(beyond);
    if (row) rx.sv('line', svg, {class: 'axis', 'stroke-opacity': 0.25, x1: 12, x2: 632, y1: base, y2: base});
});

EM_JS(void, jsDot, (const char* id, double at, int level, double step), {
    const rx = Module.rx;
    const svg = rx.plot(UTF8ToString(id));
    const cy = svg.axisY - step * (level + 0.5) - 1;
    rx.sv('circle', svg, {class: 'dot', cx: rx.x(at), cy: cy, r: Math.min(4, step / 2)});
});

// A table `id`-table at the end of the section's body: `header` 1 starts a row of column headings.
EM_JS(void, jsTableBegin, (const char* id, const char* caption), {
    const rx = Module.rx;
    const name = UTF8ToString(id);
    // On a narrow or zoomed view the table scrolls in its own frame, which the keyboard can scroll too.
    const frame = rx.el('div', document.getElementById(name + '-body'), {className: 'table-frame', tabIndex: 0});
    const table = rx.el('table', frame, {id: name + '-table'});
    frame.setAttribute('role', 'region');
    frame.setAttribute('aria-labelledby', name + '-caption');
    rx.el('caption', table, {id: name + '-caption', textContent: UTF8ToString(caption)});
    rx.el('thead', table);
    rx.el('tbody', table);
});

EM_JS(void, jsTableRow, (const char* id, int header), {
    const table = document.getElementById(UTF8ToString(id) + '-table');
    Module.rx.el('tr', table.querySelector(header ? 'thead' : 'tbody'));
});

// kind: 0 a data cell, 1 a column heading, 2 a row heading; `band` a second, smaller line.
EM_JS(void, jsTableCell, (const char* id, int kind, const char* text, const char* band), {
    const rx = Module.rx;
    const rows = document.getElementById(UTF8ToString(id) + '-table').querySelectorAll('tr');
    const second = UTF8ToString(band);
    const words = UTF8ToString(text) + (second ? " " : "");  // a space keeps the two lines apart when read
    const cell = rx.el(kind ? 'th' : 'td', rows[rows.length - 1], {textContent: words});
    if (kind) cell.scope = kind === 1 ? 'col' : 'row';
    if (second) rx.el('span', cell, {className: 'band', textContent: second});
});

// The class board's controls; its two buttons call back into the core with the board's handle.
EM_JS(void, jsClassControls, (int board, const char* label, const char* draw, const char* reveal), {
    const rx = Module.rx;
    const body = document.getElementById('class-board-body');
    rx.el('label', body, {htmlFor: 'class-entries', textContent: UTF8ToString(label)});
    rx.el('textarea', body, {id: 'class-entries', rows: 5, spellcheck: false, autocomplete: 'off'});
    const button = (id, caption, reveals) => rx.el('button', body, {
        type: 'button', id: id, textContent: UTF8ToString(caption),
        onclick: () => _ricattura_class_draw(board, reveals)});
    button('class-draw', draw, 0);
    rx.el('div', body, {id: 'class-drawing'});
    button('class-show-real', reveal, 1);
    rx.el('p', body, {id: 'class-reveal'}).setAttribute('role', 'status');
});

EM_JS(char*, jsClassTyped, (), {
    const text = document.getElementById('class-entries').value;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

// What the board says after drawing: the heading of the list of entries not understood, and the
// reveal, spoken by the live region only when it changes.
EM_JS(void, jsClassWords, (const char* badHeading, const char* revealed), {
    const rx = Module.rx;
    const heading = UTF8ToString(badHeading);
    if (heading) {
        const drawing = document.getElementById('class-drawing');
        rx.el('p', drawing, {id: 'class-bad-heading', textContent: heading});
        rx.el('ul', drawing, {id: 'class-bad'}).setAttribute('aria-labelledby', 'class-bad-heading');
    }
    const words = UTF8ToString(revealed);
    const live = document.getElementById('class-reveal');
    if (live.textContent !== words) live.textContent = words;
});

EM_JS(void, jsBadEntry, (const char* typed), {
    Module.rx.el('li', document.getElementById('class-bad'), {textContent: '«' + UTF8ToString(typed) + '»'});
});

namespace ricattura {
namespace {

constexpr const char* kRepetitionsHeading = "E se ripetessi l’esperimento?";
constexpr const char* kClassHeading = "Risultati della classe";
// The page's geometry: the histogram's rows, and the height the class's stacked dots may take.
constexpr int kHistogramAxisY = 8 + 96 * static_cast<int>(kVariantCount);
constexpr double kDotStep = 10;
constexpr double kDotsHeight = 160;
constexpr int kDotsBelowTop = 20;

std::string countText(std::size_t n) { return decimalText(static_cast<double>(n)); }

// The class board of one page load: its lake and whether the true size has been shown.
class ClassBoard {
public:
    explicit ClassBoard(LakeCode code) : code_(code) {}

    // Reads what was typed and draws it; `reveal` shows the true size from now on.
    void draw(bool reveal) {
        revealed_ = revealed_ || reveal;
        char* typed = jsClassTyped();
        const ClassEntries entries = parseClassEntries(typed);
        std::free(typed);
        const std::optional<double> trueSize = revealed_ ? std::optional(lakeTrueSize(code_)) : std::nullopt;
        const DotPlot plot = dotPlot(entries.estimates, trueSize);
        int levels = 1;
        for (const DotPlot::Dot& d : plot.dots) levels = std::max(levels, d.level + 1);
        const double step = std::min(kDotStep, kDotsHeight / levels);
        jsPlot("class", "class-drawing", classSummary(entries).c_str(), nullptr,
               kDotsBelowTop + static_cast<int>(std::ceil(levels * step)));
        for (double t : plot.ticks) jsTick("class", t / plot.end, decimalText(t).c_str());
        for (const DotPlot::Dot& d : plot.dots) jsDot("class", d.at, d.level, step);
        if (const auto middle = median(entries.estimates))
            jsMarker("class", "median", *middle / plot.end, ("mediana della classe: " + decimalText(*middle)).c_str());
        if (trueSize)
            jsMarker("class", "true-size", *trueSize / plot.end, ("numero reale: " + decimalText(*trueSize)).c_str());
        const std::string badHeading =
            entries.notUnderstood.empty() ? "" : "Voci non comprese (" + countText(entries.notUnderstood.size()) + "):";
        const std::string revealed = trueSize ? revealText(*trueSize, bandCounts(entries.estimates, *trueSize)) : "";
        jsClassWords(badHeading.c_str(), revealed.c_str());
        for (const std::string& bad : entries.notUnderstood) jsBadEntry(bad.c_str());
    }

private:
    LakeCode code_;
    bool revealed_ = false;
};

void drawTable(const RepeatedExperiment& e) {
    constexpr const char* kId = "repetitions";
    jsTableBegin(kId, ("Quanto spesso esce ciascun giudizio in " + decimalText(kRepetitions) +
                       " ripetizioni, e dove cadono le stime").c_str());
    jsTableRow(kId, 1);
    jsTableCell(kId, 1, "Strategia", "");
    for (std::size_t v = 0; v < kVerdictCount; ++v) {
        const auto verdict = static_cast<Verdict>(v);
        jsTableCell(kId, 1, verdictName(verdict).c_str(), ("errore " + verdictBand(verdict)).c_str());
    }
    jsTableCell(kId, 1, "nessuna stima", "nessun marcato ricatturato");
    jsTableCell(kId, 1, "mediana", "delle stime ottenute");
    jsTableCell(kId, 1, "95 % centrale", "delle stime ottenute");
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const StrategyOutcome& o = e.outcomes[v];
        jsTableRow(kId, 0);
        jsTableCell(kId, 2, variantName(static_cast<Variant>(v)).c_str(), strategyText(o.strategy).c_str());
        for (int count : o.verdicts) jsTableCell(kId, 0, shareText(count).c_str(), "");
        jsTableCell(kId, 0, shareText(o.withoutEstimate).c_str(), "");
        jsTableCell(kId, 0, medianText(o).c_str(), "");
        jsTableCell(kId, 0, middleText(o).c_str(), "");
    }
}

}  // namespace

void showRepetitions(const ExerciseController& controller) {
    constexpr const char* kId = "repetitions";
    const RepeatedExperiment e = repeatExercise(controller.state(), controller.recaptureHauls());
    const Histogram& h = e.histogram;
    int highest = 1;
    for (const auto& counts : h.counts) highest = std::max(highest, *std::max_element(counts.begin(), counts.end()));
    jsSection(kId, 0, kRepetitionsHeading);
    jsPlot(kId, "repetitions-body", summaryText(e).c_str(), "repetitions-table", kHistogramAxisY);
    for (double t : h.ticks) jsTick(kId, t / h.end(), decimalText(t).c_str());
    const auto bins = static_cast<int>(h.counts[0].size());
    for (std::size_t v = 0; v < kVariantCount; ++v) {
        const std::string beyond = h.beyond[v] ? "oltre la scala: " + decimalText(h.beyond[v]) : "";
        const std::string label =
            variantName(static_cast<Variant>(v)) + " (" + strategyText(e.outcomes[v].strategy) + ")";
        jsBars(kId, static_cast<int>(v), label.c_str(),
               h.counts[v].data(), bins, highest, beyond.c_str());
    }
    jsMarker(kId, "true-size", e.trueSize / h.end(), ("numero reale: " + decimalText(e.trueSize)).c_str());
    if (e.studentEstimate > 0)
        jsMarker(kId, "estimate", e.studentEstimate / h.end(),
                 ("la tua stima: " + decimalText(e.studentEstimate)).c_str());
    drawTable(e);
}

void hideRepetitions() { jsHideRepetitions(); }

void buildClassBoard(std::optional<LakeCode> code) {
    if (!code) return;
    // The board lasts as long as the page: nothing ever deletes it. The page's script holds its handle.
    auto* board = new ClassBoard(*code);
    jsSection("class-board", 1, kClassHeading);
    const std::string label = "Stime degli studenti: numeri interi, uno per riga oppure separati da spazi o da punti "
                              "e virgola (al più " + countText(kMaxClassEntries) + ")";
    jsClassControls(static_cast<int>(reinterpret_cast<std::uintptr_t>(board)), label.c_str(), "Disegna le stime",
                    "Mostra il numero reale");
}

}  // namespace ricattura

extern "C" {

EMSCRIPTEN_KEEPALIVE void ricattura_class_draw(int board, int reveal) {
    reinterpret_cast<ricattura::ClassBoard*>(static_cast<std::uintptr_t>(board))->draw(reveal != 0);
}

}  // extern "C"
