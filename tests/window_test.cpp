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
    QPlainTextEdit* instructions() const { return static_cast<QPlainTextEdit*>(form.box(Text1)); }
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
        line(Text3)->clear();
        for (QChar c : QString::fromStdString(text))  // as keys would send it
            QTest::sendKeyEvent(QTest::Click, line(Text3), Qt::Key_unknown, QString(c), Qt::NoModifier);
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

    Form1 form;
    int handled = 0;
    ExerciseController controller;
};

class WindowTest : public ::testing::Test {
protected:
    testing::ScriptedRandom random;
    RealWindow w{random};
};

// What the fonts and palettes decide once the form has drawn the table: colours, and captions that fit.
TEST_F(WindowTest, PaintsTheFormAndFitsEveryCaption) {
    EXPECT_EQ(w.form.size(), QSize(toPixels(kClientArea).width, toPixels(kClientArea).height));
    EXPECT_EQ(w.form.grab().toImage().pixelColor(2, 2), QColor(kFormBackground.red, kFormBackground.green, kFormBackground.blue));
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
        EXPECT_TRUE(label->rect().contains(metrics.boundingRect(label->rect(), int(label->alignment()), label->text())));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(kLabelText.red, kLabelText.green, kLabelText.blue));
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
