// The browser edition: the same exercise, drawn into the page from the window's layout table.
#include "control/exercise_controller.h"
#include "core/clock_random_source.h"
#include "core/launch_options.h"
#include "core/layout.h"
#include "experiment_page.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

// The page's side of the view. Every control is positioned in whole pixels, in the order the
// keyboard visits them, so that the page's tab order is the window's.
EM_JS(void, jsBuildForm, (const char* title, int width, int height, const char* background,
                          const char* labelColour, const char* fontFamilies, double fontPoints, int fontWeight), {
    const form = document.getElementById('Form1');
    form.setAttribute('aria-label', UTF8ToString(title));
    form.style.setProperty('--label-colour', UTF8ToString(labelColour));
    Object.assign(form.style, {width: width + 'px', height: height + 'px', background: UTF8ToString(background),
                               fontFamily: UTF8ToString(fontFamilies), fontSize: fontPoints + 'pt',
                               fontWeight: String(fontWeight)});
});

// kind: 0 a button (flag: enabled), 1 a box (flag: 0 read-only, 1 editable, 2 multi-line), 2 a label
// (flag: right-aligned) of the box named by labelFor. A box's description names its step for a screen reader.
EM_JS(void, jsAddControl, (int page, int kind, const char* name, const char* caption, int left, int top,
                           int width, int height, int index, int flag, const char* labelFor, const char* description), {
    const tags = ['button', 'input', 'label'];
    const id = UTF8ToString(name);
    const isMultiLine = kind === 1 && flag === 2;
    const form = document.getElementById('Form1');
    const element = document.createElement(isMultiLine ? 'textarea' : tags[kind]);
    element.id = id;
    Object.assign(element.style, {left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px'});
    if (kind === 0) {
        element.type = 'button';
        element.textContent = UTF8ToString(caption);
        element.disabled = !flag;
        element.addEventListener('click', () => {
            element.focus();  // every engine alike, as a desktop button takes the focus when clicked
            _ricattura_click(page, index);
            // A button that switched itself off hands the focus on, as a desktop window does, unless the
            // click sent it elsewhere already.
            const lost = document.activeElement === element || document.activeElement === document.body;
            if (!element.disabled || !lost) return;
            const controls = [...form.querySelectorAll('button, input, textarea')];
            const at = controls.indexOf(element);
            const next = [...controls.slice(at + 1), ...controls.slice(0, at)].find((c) => !c.disabled);
            if (next) next.focus();
        });
    } else if (kind === 1) {
        if (!isMultiLine) element.type = 'text';
        element.autofocus = index === 0;  // the keyboard starts in the instructions
        element.readOnly = flag !== 1;
        element.spellcheck = false;
        element.autocomplete = 'off';
        const about = UTF8ToString(description);
        if (about) {
            const note = document.createElement('span');
            note.id = id + '-description';
            note.hidden = true;
            note.textContent = about;
            form.appendChild(note);
            element.setAttribute('aria-describedby', note.id);
        }
    } else {
        element.htmlFor = UTF8ToString(labelFor);
        element.textContent = UTF8ToString(caption);
        element.style.textAlign = flag ? 'right' : 'left';
    }
    form.appendChild(element);
});

EM_JS(void, jsSetText, (const char* name, const char* text), {
    document.getElementById(UTF8ToString(name)).value = UTF8ToString(text);
});

EM_JS(void, jsSetEnabled, (const char* name, int enabled), {
    document.getElementById(UTF8ToString(name)).disabled = !enabled;
});

// The polite live region a screen reader speaks from; the same words twice still count as news.
EM_JS(void, jsAnnounce, (const char* words), {
    const region = document.getElementById('spoken');
    const text = UTF8ToString(words);
    region.textContent = region.textContent === text ? text + '\u00a0' : text;
});

EM_JS(char*, jsMarkText, (), {
    const text = document.getElementById('ToMark').value;
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});

EM_JS(char*, jsLakeParameter, (), {
    const value = new URLSearchParams(location.search).get('lago');
    if (value === null) return 0;
    const size = lengthBytesUTF8(value) + 1;
    const copy = _malloc(size);
    stringToUTF8(value, copy, size);
    return copy;
});

EM_JS(void, jsShowPage, (int page, const char* title, const char* note, int isWarning, const char* again), {
    document.title = UTF8ToString(title);
    const line = document.getElementById('lake-note');
    line.textContent = UTF8ToString(note);
    line.classList.toggle('warning', !!isWarning);
    const button = document.getElementById('new-exercise');
    button.textContent = UTF8ToString(again);
    button.addEventListener('click', () => _ricattura_new_exercise(page));
});

// "Esci": a page cannot close its tab, so nothing in the window responds any more, as in a program
// that ended; the results stay on screen and in the accessibility tree, to be read.
EM_JS(void, jsShowEnded, (int ended), {
    const form = document.getElementById('Form1');
    if (ended) form.querySelectorAll('button').forEach((b) => { b.disabled = true; });
    document.getElementById('ToMark').readOnly = !!ended;
    document.getElementById('ended').hidden = !ended;
    if (ended) {
        document.getElementById('spoken').textContent = document.getElementById('ended-text').textContent;
        document.getElementById('new-exercise').focus();
    } else {
        document.getElementById('spoken').textContent = '';
        // While the page is still being read, the box's autofocus takes the focus without forcing a layout.
        if (document.readyState !== 'loading') document.getElementById('Instructions').focus();
    }
});

namespace ricattura {
namespace {

std::string cssColour(Rgb c) {
    return "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

// The page's own cut of the window's font first, so every device draws the same text.
std::string cssFamilies() {
    std::string list = "\"" RICATTURA_PAGE_FONT "\", ";
    for (const char* family : kFormFont.families) list += "\"" + std::string(family) + "\", ";
    return list + "sans-serif";
}

class Page;

int handleOf(Page* page) { return static_cast<int>(reinterpret_cast<std::uintptr_t>(page)); }
Page* pageOf(int handle) { return reinterpret_cast<Page*>(static_cast<std::uintptr_t>(handle)); }

void buildForm(Page* page) {
    const PixelRect client = toPixels(kClientArea);
    jsBuildForm(kWindowTitle, client.width, client.height, cssColour(kFormBackground).c_str(),
                cssColour(kLabelText).c_str(), cssFamilies().c_str(), kFormFont.points, kFormFont.weight);
    for (const ControlRef& c : controlsInTabOrder()) {
        const auto index = static_cast<int>(c.index);
        switch (c.kind) {
            case ControlRef::Kind::Button: {
                const ButtonLayout& b = kButtons[c.index];
                const PixelRect r = toPixels(b.rect);
                jsAddControl(handleOf(page), 0, b.name, b.caption, r.left, r.top, r.width, r.height, index, b.enabledAtStart, "",
                             "");
                break;
            }
            case ControlRef::Kind::Box: {
                const BoxLayout& b = kBoxes[c.index];
                const PixelRect r = toPixels(b.rect);
                jsAddControl(handleOf(page), 1, b.name, "", r.left, r.top, r.width, r.height, index, b.multiLine ? 2 : b.editable,
                             "", b.description);
                break;
            }
            case ControlRef::Kind::Label: {
                const LabelLayout& l = kLabels[c.index];
                const PixelRect r = toPixels(l.rect);
                jsAddControl(handleOf(page), 2, l.name, l.caption, r.left, r.top, r.width, r.height, index,
                             l.align == Align::Right, kBoxes[c.index].name, "");
                break;
            }
        }
    }
}

// The window as the exercise sees it, kept in the page's controls.
class WebView final : public MainView {
public:
    void setText(Field field, const std::string& text) override { jsSetText(kBoxes[indexOf(field)].name, text.c_str()); }
    std::string markInputText() const override {
        char* text = jsMarkText();
        std::string copy(text);
        std::free(text);
        return copy;
    }
    void setEnabled(Button button, bool enabled) override { jsSetEnabled(kButtons[indexOf(button)].name, enabled); }
    void announce(const std::string& words) override { jsAnnounce(words.c_str()); }
};

// One page load: the view, the seed every lake grows from, and the exercise running in it.
class Page {
public:
    explicit Page(std::optional<LakeCode> code) : seedClock_(makeSeedClock(code)), random_(*seedClock_) {}

    // The state of a fresh load: empty boxes, the buttons as the window is created, the intro.
    void startExercise() {
        for (std::size_t f = 0; f < kFieldCount; ++f) view_.setText(static_cast<Field>(f), "");
        const auto enabled = enabledAtStart();
        for (std::size_t b = 0; b < kButtonCount; ++b) view_.setEnabled(static_cast<Button>(b), enabled[b]);
        controller_ = std::make_unique<ExerciseController>(view_, random_, [this] {
            ended_ = true;
            jsShowEnded(1);
        });
        controller_->start();
        ended_ = false;
        compared_ = false;
        hideRepetitions();
        jsShowEnded(0);
    }
    // Once the estimate has been compared with the truth, the repeated experiment follows every later estimate.
    void click(Button b) {
        if (ended_) return;
        const bool compares = b == Button::Compare && controller_->isEnabled(b);
        controller_->click(b);
        if (compares) compared_ = true;
        if (b == Button::Restart) {
            compared_ = false;
            hideRepetitions();
        }
        if (compared_) showRepetitions(*controller_);
    }

private:
    WebView view_;
    std::unique_ptr<Clock> seedClock_;
    ClockRandomSource random_;
    std::unique_ptr<ExerciseController> controller_;
    bool ended_ = false;
    bool compared_ = false;
};

}  // namespace
}  // namespace ricattura

extern "C" {

EMSCRIPTEN_KEEPALIVE void ricattura_click(int page, int button) {
    if (button >= 0 && button < static_cast<int>(ricattura::kButtonCount))
        ricattura::pageOf(page)->click(static_cast<ricattura::Button>(button));
}

EMSCRIPTEN_KEEPALIVE void ricattura_new_exercise(int page) { ricattura::pageOf(page)->startExercise(); }

}  // extern "C"

int main() {
    using namespace ricattura;
    std::optional<LakeCode> code;
    std::string note;
    bool warning = false;
    if (char* parameter = jsLakeParameter()) {
        const std::string written(parameter);
        std::free(parameter);
        code = parseLakeCode(written);
        warning = !code;
        if (code) note = "Lago della classe: " + written;
        else if (written.empty()) note = "Nell’indirizzo, dopo «?lago=», manca il numero del lago: ogni lago sarà diverso.";
        else note = notALakeCode(written) + " Finché l’indirizzo non lo indica, ogni lago sarà diverso.";
    }
    // The page lasts as long as the tab: nothing ever deletes it. The page's script holds its handle.
    auto* page = new Page(code);
    buildForm(page);
    // With a class code the same lake comes back: the exercise starts again rather than anew.
    jsShowPage(handleOf(page), windowTitle(code).c_str(), note.c_str(), warning, code ? "Ricomincia" : "Nuovo esercizio");
    page->startExercise();
    buildClassBoard(code);
}
