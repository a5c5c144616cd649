// The browser edition: the same exercise, drawn into the page from the window's layout table.
#include "control/exercise_controller.h"
#include "core/launch_options.h"
#include "core/layout.h"
#include "core/seeded_random_source.h"
#include "experiment/experiment_words.h"
#include "experiment_page.h"
#include "page_script.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace ricattura {
namespace {

std::string cssColour(Rgb c) {
    return "rgb(" + std::to_string(c.red) + ", " + std::to_string(c.green) + ", " + std::to_string(c.blue) + ")";
}

// The page's own cut of the window's font first, so every device draws the same text.
std::string fontFamilies() {
    std::string list = "\"" RICATTURA_PAGE_FONT "\", ";
    for (const char* family : kFormFont.families) list += "\"" + std::string(family) + "\", ";
    return list + "sans-serif";
}

// A text the script handed over, taken into a string; none for a null pointer.
std::optional<std::string> taken(char* text) {
    if (!text) return std::nullopt;
    std::string copy(text);
    std::free(text);
    return copy;
}

// Every control positioned in whole pixels, in the order the keyboard visits them, so that the page's tab order is the
// window's; each box's label right before it, so that a reader meets the caption, then the box.
void buildWindow() {
    jsStartFocus(kBoxes[indexOf(Field::Instructions)].name);  // the keyboard starts in the instructions
    const PixelRect client = toPixels(kClientArea);
    jsBuildWindow(kWindowTitle, client.width, client.height, cssColour(kFormBackground).c_str(),
                  cssColour(kLabelText).c_str(), fontFamilies().c_str(), kFormFont.points, kFormFont.weight);
    for (const ControlRef& c : controlsInTabOrder()) {
        if (c.kind == ControlRef::Kind::Button) {
            const ButtonLayout& b = kButtons[c.index];
            const PixelRect r = toPixels(b.rect);
            jsAddButton(b.name, b.caption, &r, static_cast<int>(c.index), b.enabledAtStart);
        } else if (c.kind == ControlRef::Kind::Box) {
            const LabelLayout& l = kLabels[c.index];
            const BoxLayout& b = kBoxes[c.index];
            const PixelRect labelRect = toPixels(l.rect), boxRect = toPixels(b.rect);
            jsAddLabel(l.name, l.caption, &labelRect, b.name, l.align == Align::Right);
            jsAddBox(b.name, &boxRect, b.multiLine, b.editable, b.spokenName);
        }
    }
    jsEnterPresses(kBoxes[indexOf(kEnterBox)].name, kButtons[indexOf(kEnterPresses)].name);
    constexpr int kBorders = 2;  // the window's frame, one pixel a side
    jsFitWindow(client.width + kBorders);
}

// The window as the exercise sees it, kept in the page's controls.
class WebView final : public MainView {
public:
    void setText(Field field, const std::string& text) override {
        jsSetText(kBoxes[indexOf(field)].name, text.c_str());
    }
    std::string markInputText() const override {
        return taken(jsTypedText(kBoxes[indexOf(Field::ToMark)].name)).value_or("");
    }
    void setEnabled(Button button, bool enabled) override { jsSetEnabled(kButtons[indexOf(button)].name, enabled); }
    void announce(const std::string& words) override {
        jsAnnounce(words.c_str());
        lastWords_ = words;
    }
    void focus(Button button) override { jsFocus(kButtons[indexOf(button)].name); }
    const std::string& lastWords() const { return lastWords_; }

private:
    std::string lastWords_;
};

// What the page's address asks for, read once.
PageAddress pageAddress() {
    return readPageAddress([](std::string_view name) { return taken(jsAddressParameter(std::string(name).c_str())); });
}

// One page load: what its address asks for, the view, the seed every lake grows from, and the exercise running in it.
class Page {
public:
    explicit Page(PageAddress address)
        : address_(std::move(address)), seeds_(makeSeedSource(address_.settings.code)), random_(*seeds_) {
        if (address_.settings.trick != Trick::None) controller_.askPrediction();
    }

    const PageAddress& address() const { return address_; }

    // The state of a fresh load: empty boxes, the buttons as the window is created, the intro.
    void startExercise() {
        jsShowEnded(0);
        controller_.startAnew();
        ended_ = false;
        drawn_.reset();
        hideRepetitions();
        hideResult();
        showTrick(controller_, false);
    }
    // Once the estimate has been compared with the truth, the repeated experiment follows each new estimate; a haul
    // after it changes nothing there until the next one.
    void click(Button b) {
        if (ended_) return;
        controller_.click(b);
        if (showTrick(controller_, b == Button::ReleaseMarked))
            jsAnnounce((view_.lastWords() + " " + trickAskedText(address_.settings.trick)).c_str());
        const std::optional<EstimateMade>& shown = controller_.estimateShown();
        if (!controller_.compared() || !shown) {
            drawn_.reset();
            hideRepetitions();
            hideResult();
        } else if (shown != drawn_) {
            const bool appears = !drawn_;
            drawn_ = shown;
            showRepetitions(*shown, controller_.rule(), controller_.prediction());
            showResult(controller_, address_.settings);
            if (appears) jsAnnounce((view_.lastWords() + " " + sectionAppearedText()).c_str());
        }
    }
    void saveData() const { saveStudentData(controller_, address_.settings); }
    void predict(Prediction prediction) {
        controller_.predict(prediction);
        showTrick(controller_, false);
    }

private:
    void end() {
        ended_ = true;
        jsShowEnded(1);
    }

    PageAddress address_;
    WebView view_;
    std::unique_ptr<SeedSource> seeds_;
    SeededRandomSource random_;
    bool ended_ = false;
    ExerciseController controller_{view_, random_, [this] { end(); }, recaptureRule(address_.settings)};
    std::optional<EstimateMade> drawn_;  // the estimate the repeated experiment shows
};

// The page lasts as long as the tab: made at the first call, from the address, never deleted.
Page& thePage() {
    static Page page(pageAddress());
    return page;
}

}  // namespace
}  // namespace ricattura

extern "C" {

EMSCRIPTEN_KEEPALIVE void ricattura_click(int button) {
    if (button >= 0 && button < static_cast<int>(ricattura::kButtonCount))
        ricattura::thePage().click(static_cast<ricattura::Button>(button));
}

EMSCRIPTEN_KEEPALIVE void ricattura_new_exercise() { ricattura::thePage().startExercise(); }

EMSCRIPTEN_KEEPALIVE void ricattura_data_file() { ricattura::thePage().saveData(); }

EMSCRIPTEN_KEEPALIVE void ricattura_predict(int prediction) {
    if (prediction >= 0 && prediction < static_cast<int>(ricattura::kPredictionCount))
        ricattura::thePage().predict(static_cast<ricattura::Prediction>(prediction));
}

}  // extern "C"

int main() {
    using namespace ricattura;
    const PageAddress& address = thePage().address();
    buildWindow();
    // With a class code the same lake comes back: the exercise starts again rather than anew.
    jsShowPage(windowTitle(address.settings).c_str(), address.note.c_str(), address.warning,
               address.settings.code ? "Ricomincia" : "Nuovo esercizio");
    buildResult();
    buildTrick(address.settings.trick);
    thePage().startExercise();
    if (address.teacher && address.settings.code) buildClassBoard(address.settings);
    jsStarted();
}
