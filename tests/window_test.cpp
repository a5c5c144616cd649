// Catches a Qt window that strays from the layout table, clips or splits text, breaks the tab order or mishandles input.
#include "core/clock_random_source.h"
#include "random_walk.h"
#include "window/form1.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cstdlib>

namespace ricattura {
namespace {

using enum Field;

// The window with its controller, as the program puts them together, seen as a walk sees it: read
// back from the widgets, typed into key by key, clicked with the mouse.
class RealWindow final : public testing::WalkedWindow {
public:
    explicit RealWindow(RandomSource& random) : controller(form, random, [] {}) {
        form.setClickHandler([this](Button b) {
            ++handled;
            controller.click(b);
        });
        form.show();
        controller.start();
    }
    QPlainTextEdit* instructions() const { return static_cast<QPlainTextEdit*>(form.box(Text1)); }
    QLineEdit* line(Field f) const { return static_cast<QLineEdit*>(form.box(f)); }

    std::array<std::string, kFieldCount> texts() const override {
        std::array<std::string, kFieldCount> shown{instructions()->toPlainText().toStdString()};
        for (std::size_t f = 1; f < kFieldCount; ++f) shown[f] = line(Field(f))->text().toStdString();
        return shown;
    }
    std::array<bool, kButtonCount> enabled() const override {
        std::array<bool, kButtonCount> flags{};
        for (std::size_t b = 0; b < kButtonCount; ++b) flags[b] = form.button(Button(b))->isEnabled();
        return flags;
    }
    void type(const std::string& text) override {
        line(Text3)->clear();
        for (QChar c : QString::fromStdString(text))  // as keys would send it
            QTest::sendKeyEvent(QTest::Click, line(Text3), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void click(Button b) override {
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

    Form1 form;
    int handled = 0;
    ExerciseController controller;
};

class WindowTest : public ::testing::Test {
protected:
    testing::ScriptedRandom random;
    RealWindow w{random};
};

// Includes the colours: only the form and the labels take the form's; buttons and boxes keep the platform's.
TEST_F(WindowTest, DrawsTheLayoutTableAndFitsEveryCaption) {
    EXPECT_EQ(w.form.windowTitle().toStdString(), kWindowTitle);
    EXPECT_EQ(w.form.size(), QSize(toPixels(kClientArea).width, toPixels(kClientArea).height));
    EXPECT_EQ(w.form.grab().toImage().pixelColor(2, 2), QColor(kFormBackground.red, kFormBackground.green, kFormBackground.blue));
    EXPECT_TRUE(QFontInfo(w.form.font()).bold());
    EXPECT_EQ(QFontInfo(w.form.font()).pixelSize(), 11);
    const QFontMetrics metrics(w.form.font());
    auto expectPlaced = [&](QWidget* widget, const char* name, const TwipRect& rect, QPalette::ColorRole role) {
        ASSERT_NE(widget, nullptr) << name;
        const PixelRect r = toPixels(rect);
        EXPECT_EQ(widget->geometry(), QRect(r.left, r.top, r.width, r.height)) << name;
        const QColor label(kLabelText.red, kLabelText.green, kLabelText.blue);
        EXPECT_EQ(widget->palette().color(role), role == QPalette::WindowText ? label : QApplication::palette().color(role));
    };
    for (std::size_t i = 0; i < kButtonCount; ++i) {
        QPushButton* b = w.form.button(Button(i));
        expectPlaced(b, kButtons[i].name, kButtons[i].rect, QPalette::Button);
        EXPECT_EQ(b->text().toStdString(), kButtons[i].caption);
        EXPECT_EQ(b->isEnabled(), kButtons[i].enabledAtStart) << kButtons[i].name;
        EXPECT_FALSE(b->isDefault() || b->autoDefault()) << "Enter would click " << kButtons[i].name;
        constexpr int kBevel = 8;  // a button's frame and shading on both sides
        EXPECT_LE(metrics.horizontalAdvance(b->text()), b->width() - kBevel) << kButtons[i].name;
    }
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        QWidget* box = w.form.box(Field(i));
        expectPlaced(box, kBoxes[i].name, kBoxes[i].rect, QPalette::Base);
        EXPECT_EQ(i == 0 ? w.instructions()->isReadOnly() : w.line(Field(i))->isReadOnly(), !kBoxes[i].editable);
        auto* label = w.form.findChild<QLabel*>(QString::fromLatin1(kLabels[i].name));
        expectPlaced(label, kLabels[i].name, kLabels[i].rect, QPalette::WindowText);
        EXPECT_EQ(label->text().toStdString(), kLabels[i].caption);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, kLabels[i].align == Align::Left ? Qt::AlignLeft : Qt::AlignRight);
        EXPECT_TRUE(label->rect().contains(metrics.boundingRect(label->rect(), int(label->alignment()), label->text())));
        EXPECT_EQ(box->accessibleName(), label->text());
        EXPECT_EQ(label->buddy(), box);
    }
    EXPECT_EQ(w.line(Text3)->maxLength(), std::numeric_limits<int>::max());  // any text may be pasted
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
    w.form.box(Text1)->setFocus();
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

TEST(WindowWalk, TwoThousandRandomClicksAndTexts) {
    std::mt19937_64 rng(20261207);
    testing::TickingClock clock;
    ClockRandomSource random(clock);
    RealWindow window(random);
    testing::WalkFigures figures;
    EXPECT_EQ(testing::walk(rng, 2000, window, window.controller, figures), "");
    std::printf("window walk: 2000 clicks, %d handled, %ld estimates\n", window.handled, figures.estimates);
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
