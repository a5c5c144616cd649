// Catches a Qt window that clips or splits text or breaks the tab order, and click sequences that break a rule.
#include "control/exercise_controller.h"
#include "core/seeded_random_source.h"
#include "doubles.h"
#include "window/exercise_window.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace ricattura {
namespace {

using enum Field;

QColor colour(Rgb c) { return {c.red, c.green, c.blue}; }

// The window with its controller, as the program puts them together, seen as a walk sees it: read
// back from the widgets, typed into key by key, clicked with the mouse.
class RealWindow {
public:
    explicit RealWindow(RandomSource& random) : controller(form, random, [] {}) {
        form.setClickHandler([this](Button b) {
            ++handled;
            controller.click(b);
        });
        form.show();
        controller.start();
    }
    QPlainTextEdit* instructions() const { return static_cast<QPlainTextEdit*>(form.box(Instructions)); }
    QLineEdit* line(Field f) const { return static_cast<QLineEdit*>(form.box(f)); }

    std::array<std::string, kFieldCount> texts() const {
        std::array<std::string, kFieldCount> shown{instructions()->toPlainText().toStdString()};
        for (std::size_t f = 1; f < kFieldCount; ++f) shown[f] = line(Field(f))->text().toStdString();
        return shown;
    }
    std::array<bool, kButtonCount> enabled() const {
        std::array<bool, kButtonCount> flags{};
        for (std::size_t b = 0; b < kButtonCount; ++b) flags[b] = form.button(Button(b))->isEnabled();
        return flags;
    }
    void type(const std::string& text) {
        line(ToMark)->clear();
        for (QChar c : QString::fromStdString(text))  // as keys would send it
            QTest::sendKeyEvent(QTest::Click, line(ToMark), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void click(Button b) {
        const int before = handled;
        const bool enabled = form.button(b)->isEnabled();
        QTest::mouseClick(form.button(b), Qt::LeftButton);
        EXPECT_EQ(handled - before, enabled ? 1 : 0) << "a click handled more or less than once";
        expectInstructionsReadable();
    }

    // The whole instruction text is in view, and every line breaks between words within the box.
    void expectInstructionsReadable() const {
        QCoreApplication::processEvents();
        EXPECT_EQ(instructions()->verticalScrollBar()->maximum(), 0) << texts()[0];
        const qreal room = instructions()->viewport()->width() - 2 * instructions()->document()->documentMargin();
        for (QTextBlock block = instructions()->document()->begin(); block.isValid(); block = block.next()) {
            for (int i = 0; i < block.layout()->lineCount(); ++i) {
                const QTextLine l = block.layout()->lineAt(i);
                EXPECT_LE(l.naturalTextWidth(), room) << block.text().toStdString();
                const bool last = i + 1 == block.layout()->lineCount();
                EXPECT_TRUE(last || block.text().at(l.textStart() + l.textLength() - 1) == QLatin1Char(' '))
                    << "broken inside a word: " << block.text().toStdString();
            }
        }
    }

    ExerciseWindow form{kWindowTitle};
    int handled = 0;
    ExerciseController controller;
};

// Seeds that move on at every reseed, so every lake of a walk differs and the walk replays.
class TickingSeeds final : public SeedSource {
public:
    std::uint64_t seed() override { return next_ += 0x9E3779B97F4A7C15ULL; }

private:
    std::uint64_t next_ = 0;
};

struct WalkFigures {
    long estimates = 0, refused = 0, exhausted = 0;
};

// Clicks at random, mostly on a step that responds so the walk reaches the late steps, rarely on Riparti or Esci;
// types number-like pieces, junk and odd bytes. Returns the first rule a click broke, with where, or nothing.
std::string walk(std::mt19937_64& rng, long clicks, RealWindow& window, WalkFigures& figures) {
    const ExerciseController& controller = window.controller;
    constexpr std::string_view kPieces[] = {"0", "1", "42", "12.5",     ".",     ",",
                                            "e", "-", " ",  "\xC3\xA8", "1e308", "nan"};
    for (long i = 0; i < clicks; ++i) {
        const auto flags = window.enabled();
        const auto roll = rng() % 1000;
        auto b = roll < 5 ? (roll < 1 ? Button::Exit : Button::Restart) : Button(rng() % 7);
        for (int tries = 0; roll >= 150 && tries < 10 && !flags[indexOf(b)]; ++tries) b = Button(rng() % 7);
        if (b == Button::MarkFish || rng() % 20 == 0) {
            std::string typed;
            for (auto pieces = rng() % 9; pieces > 0; --pieces)
                typed +=
                    rng() % 10 ? std::string(kPieces[rng() % std::size(kPieces)]) : std::string(1, char(rng() % 256));
            window.type(typed);
        }
        const auto texts = window.texts();
        const SimulationState before = controller.state();
        window.click(b);
        const SimulationState& after = controller.state();
        const auto shown = window.texts();
        const bool enabled = flags[indexOf(b)];
        const bool refused =
            enabled && b == Button::EstimatePopulation && std::floor(before.markedRecaptured + 0.5) < 1;
        std::string broken;
        if ((!enabled || refused) && before != after) broken = "the record changed";
        if (!enabled && (shown != texts || window.enabled() != flags)) broken = "the window changed";
        for (std::size_t k = 0; k < kButtonCount; ++k)
            if (controller.isEnabled(Button(k)) != window.enabled()[k])
                broken = "the controller and the window disagree";
        for (double q : {after.caught, after.marked, after.markedRecaptured, after.markedShare, after.estimate})
            if (!std::isfinite(q)) broken = "a quantity is not finite";
        if (after.trueSize > 0 && after.trueSize - after.recaptured < 1) broken = "the lake was emptied";
        for (std::size_t f = 1; f < kFieldCount; ++f) {
            std::string t = shown[f];
            if (f == indexOf(Field::PercentError) && t.ends_with('%')) t.pop_back();
            const bool unchanged = shown[f] == texts[f];  // checked when it was written, or typed
            if (!t.empty() && !unchanged && !testing::isPlainNumber(t))
                broken = "Text" + std::to_string(f + 1) + " shows " + t;
        }
        if (!broken.empty())
            return broken + " (click " + std::to_string(i) + ", Command" + std::to_string(indexOf(b) + 1) + ")";
        if (enabled && b == Button::EstimatePopulation) ++(refused ? figures.refused : figures.estimates);
        if (enabled && b == Button::RecaptureHaul && !window.enabled()[indexOf(Button::RecaptureHaul)])
            ++figures.exhausted;
    }
    return {};
}

class WindowTest : public ::testing::Test {
protected:
    testing::ScriptedRandom random;
    RealWindow w{random};
};

// What the fonts and palettes decide once the form has drawn the table: colours, and captions that fit.
TEST_F(WindowTest, PaintsTheFormAndFitsEveryCaption) {
    const PixelRect area = toPixels(kClientArea);
    EXPECT_EQ(w.form.size(), QSize(area.width, area.height));
    EXPECT_EQ(w.form.grab().toImage().pixelColor(2, 2), colour(kFormBackground));
    EXPECT_TRUE(QFontInfo(w.form.font()).bold() && QFontInfo(w.form.font()).pixelSize() == 11);
    const QFontMetrics metrics(w.form.font());
    constexpr int kBevel = 8;  // a button's frame and shading on both sides
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        QPushButton* b = w.form.button(Button(i));
        EXPECT_LE(metrics.horizontalAdvance(b->text()), b->width() - kBevel) << kButtons[i].name;
        EXPECT_FALSE(b->autoDefault()) << "Enter would click " << kButtons[i].name;
        EXPECT_EQ(b->palette().color(QPalette::Button), QApplication::palette().color(QPalette::Button));
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        auto* label = w.form.findChild<QLabel*>(QString::fromLatin1(kLabels[i].name));
        ASSERT_NE(label, nullptr) << kLabels[i].name;
        EXPECT_EQ(label->buddy(), w.form.box(Field(i))) << "a screen reader would not name " << kBoxes[i].name;
        EXPECT_EQ(w.form.box(Field(i))->accessibleName().toStdString(), spokenName(Field(i)));
        EXPECT_TRUE(
            label->rect().contains(metrics.boundingRect(label->rect(), int(label->alignment()), label->text())));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), colour(kLabelText));
    }
}

TEST_F(WindowTest, TabFollowsTheTableAmongAllButtons) {
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    std::vector<std::string> expected;
    for (const ControlRef& c : controlsInTabOrder()) {
        if (c.kind != ControlRef::Kind::Label)
            expected.push_back(c.kind == ControlRef::Kind::Box ? kBoxes[c.index].name : kButtons[c.index].name);
    }
    expected.push_back(expected.front());  // and round again
    for (std::size_t b = 0; b < kButtonCount; ++b) w.form.setEnabled(Button(b), true);
    w.form.box(Instructions)->setFocus();
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

// The steps as a keyboard and screen-reader user plays them: each is spoken in the words the core composes from what
// the window then shows, and a step that switches itself off hands the focus, ring and all, to the next control that
// takes it.
TEST_F(WindowTest, StepsPressedWithTheKeyboardAreSpokenAndPassTheFocusOn) {
    static std::string spoken;  // the last notification that showed itself: what Orca speaks away from the focus
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
        if (e->type() == QAccessible::ObjectShow && e->accessibleInterface()->role() == QAccessible::Notification)
            spoken = e->accessibleInterface()->text(QAccessible::Name).toStdString();
    });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);  // as a screen reader would
    w.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.form));
    for (Button b :
         {Button::CreateLake, Button::CaptureHaul, Button::MarkFish, Button::ReleaseMarked, Button::RecaptureHaul}) {
        const auto before = w.texts();
        spoken.clear();
        w.form.button(b)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.form.button(b), Qt::Key_Space);
        EXPECT_EQ(std::pair(spoken.empty(), spoken), std::pair(false, announcementFor(before, w.texts()))) << int(b);
        QWidget* next = w.form.button(b);  // the focus chain is the tab order, as the test above checks
        while (!next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        EXPECT_EQ(QApplication::focusWidget(), next) << int(b);
        QStyleOption drawn;
        drawn.initFrom(next);
        EXPECT_TRUE(drawn.state & QStyle::State_HasFocus && drawn.state & QStyle::State_KeyboardFocusChange)
            << "no ring";
    }
    QAccessible::installUpdateHandler(nullptr);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
}

// The one random walk: it catches click sequences no example plays, through the window as a student meets it.
TEST(WindowWalk, RandomClicksAndTextsBreakNoRule) {
    const long clicks = 5000;
    std::mt19937_64 rng(20261207);
    TickingSeeds seeds;
    SeededRandomSource random(seeds);
    RealWindow window(random);
    WalkFigures figures;
    EXPECT_EQ(walk(rng, clicks, window, figures), "");
    std::printf("window walk: %ld clicks, %d handled, %ld estimates made, %ld refused, %ld lakes fished out\n", clicks,
                window.handled, figures.estimates, figures.refused, figures.exhausted);
    EXPECT_TRUE(figures.estimates > 0 && figures.refused > 0 && figures.exhausted > 0)
        << "the late steps went unvisited";
}

}  // namespace
}  // namespace ricattura

// One application object for every test, without a display unless one is asked for.
int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
