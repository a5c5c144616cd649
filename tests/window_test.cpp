#include "control/exercise_controller.h"
#include "fakes.h"
#include "steps/estimate.h"
#include "window/form1.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ricattura {
namespace {

using testing::haulDraw;
using testing::ScriptedRandom;

// The window with its controller, as the program puts them together.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() : controller(form, random, [this] { ++exits; }) {
        form.setClickHandler([this](Button b) { controller.click(b); });
        form.show();
        controller.start();
    }

    template <typename W = QWidget>
    W* control(const char* name) const {
        W* w = form.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(Button b) { QTest::mouseClick(form.button(b), Qt::LeftButton); }
    QString shown(Field f) const {
        if (f == Field::Text1) return static_cast<QPlainTextEdit*>(form.box(f))->toPlainText();
        return static_cast<QLineEdit*>(form.box(f))->text();
    }
    // True when the whole text of the instruction box is in view without scrolling.
    bool instructionsFit() {
        auto* box = static_cast<QPlainTextEdit*>(form.box(Field::Text1));
        QCoreApplication::processEvents();
        return box->verticalScrollBar()->maximum() == 0;
    }

    ScriptedRandom random;
    Form1 form;
    int exits = 0;
    ExerciseController controller;
};

struct ControlCase {
    const char* name;
    const char* caption;  // empty for text boxes
    QRect pixels;         // twips / 15, edges rounded
    bool readOnly;
};

const ControlCase kControls[] = {
    {"Command1", "1. Crea un lago", {16, 8, 200, 27}, false},
    {"Command2", "2. Effettua una cala", {16, 48, 200, 27}, false},
    {"Command3", "3. Marca i pesci", {16, 160, 200, 27}, false},
    {"Command4", "4. Libera i pesci marcati", {16, 200, 200, 27}, false},
    {"Command5", "5. Effettua una cala", {16, 240, 200, 27}, false},
    {"Command6", "6. Stima la popolazione", {16, 352, 200, 27}, false},
    {"Command7", "7. Confronta con i dati reali", {240, 200, 200, 27}, false},
    {"Command8", "Esci", {344, 392, 96, 27}, false},
    {"Command9", "Riparti", {240, 392, 96, 27}, false},
    {"Text1", "", {240, 24, 201, 161}, true},
    {"Text2", "", {144, 88, 72, 27}, true},
    {"Text3", "", {144, 120, 72, 27}, false},
    {"Text4", "", {152, 280, 64, 27}, true},
    {"Text5", "", {152, 312, 64, 27}, true},
    {"Text6", "", {152, 392, 64, 27}, true},
    {"Text7", "", {376, 240, 64, 27}, true},
    {"Text8", "", {376, 272, 64, 27}, true},
    {"Text9", "", {376, 304, 64, 27}, true},
    {"Text10", "", {376, 336, 64, 27}, true},
    {"Label1", "Istruzioni", {240, 8, 81, 17}, false},
    {"Label2", "Individui catturati", {32, 96, 105, 17}, false},
    {"Label3", "Individui da marcare", {16, 128, 121, 17}, false},
    {"Label4", "Individui catturati", {40, 288, 105, 17}, false},
    {"Label5", "Individui marcati", {48, 320, 97, 17}, false},
    {"Label6", "Numero stimato", {48, 400, 97, 17}, false},
    {"Label7", "Numero reale", {280, 248, 89, 17}, false},
    {"Label8", "Errore", {320, 280, 49, 17}, false},
    {"Label9", "Errore percentuale", {248, 312, 121, 17}, false},
    {"Label10", "Numero di cale", {272, 344, 97, 17}, false},
};

TEST_F(WindowTest, HasTheTwentyNineControlsInPlace) {
    EXPECT_EQ(form.objectName(), "Form1");
    EXPECT_EQ(form.windowTitle(), "Stima della popolazione di un lago");
    EXPECT_EQ(form.size(), QSize(451, 427));
    EXPECT_EQ(form.findChildren<QPushButton*>().size() + form.findChildren<QLineEdit*>().size() +
                  form.findChildren<QPlainTextEdit*>().size() + form.findChildren<QLabel*>().size(),
              29);
    for (const ControlCase& c : kControls) {
        QWidget* w = control(c.name);
        if (!w) continue;
        EXPECT_EQ(w->geometry(), c.pixels) << c.name;
        EXPECT_TRUE(form.rect().contains(w->geometry())) << c.name;
        EXPECT_TRUE(w->isVisible()) << c.name;
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(b->text(), QString::fromUtf8(c.caption)) << c.name;
            EXPECT_FALSE(b->isDefault() || b->autoDefault()) << c.name;
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(l->text(), QString::fromUtf8(c.caption)) << c.name;
            EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(0, 0, 192)) << c.name;
            EXPECT_EQ(l->alignment() & Qt::AlignHorizontal_Mask,
                      std::string(c.name) == "Label1" ? Qt::AlignLeft : Qt::AlignRight)
                << c.name;
            ASSERT_NE(l->buddy(), nullptr) << c.name;
            EXPECT_EQ(l->buddy()->accessibleName(), l->text()) << c.name;
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(e->isReadOnly(), c.readOnly) << c.name;
            EXPECT_TRUE(e->text().isEmpty()) << c.name;
        } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
            EXPECT_EQ(t->isReadOnly(), c.readOnly) << c.name;
        }
    }
    // The text box is drawn over the one-pixel strip where its caption reaches into it.
    EXPECT_TRUE(control("Label1")->geometry().intersects(control("Text1")->geometry()));
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(192, 192, 255));                       // window
    EXPECT_EQ(shot.pixelColor(control("Label10")->geometry().topLeft()), QColor(192, 192, 255));
}

TEST_F(WindowTest, ScalesAsAWholeOnDenseScreens) {
    const double factor = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
    EXPECT_EQ(form.devicePixelRatio(), factor);
    EXPECT_EQ(form.grab().size(), QSize(451, 427) * factor);
}

TEST_F(WindowTest, EveryCaptionFitsItsControlInTheResolvedFont) {
    const QFontInfo resolved(form.font());
    EXPECT_TRUE(QStringList({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans"})
                    .contains(resolved.family()))
        << resolved.family().toStdString();
    EXPECT_TRUE(resolved.bold());
    EXPECT_EQ(resolved.pixelSize(), 11);
    for (QWidget* w : form.findChildren<QWidget*>()) {
        QString caption;
        int room = 0;
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            caption = b->text();
            constexpr int kButtonBevel = 8;  // frame and shading on both sides
            room = b->width() - kButtonBevel;
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            caption = l->text();
            room = l->width();
            EXPECT_LE(QFontMetrics(l->font()).height(), l->height()) << l->objectName().toStdString();
        } else {
            continue;
        }
        EXPECT_EQ(QFontInfo(w->font()).family(), resolved.family());
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(caption), room) << caption.toStdString();
    }
}

TEST_F(WindowTest, TabVisitsTheEnabledControlsInOrder) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    std::vector<QString> visited;
    for (int i = 0; i < 13; ++i) {
        visited.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (std::vector<QString>{"Text1", "Command1", "Text2", "Text3", "Text4", "Text5", "Text6",
                                             "Text7", "Text8", "Text9", "Command8", "Text10", "Text1"}));
}

TEST_F(WindowTest, OnlyTheMarkBoxTakesTypingAndNoKeyClicksAButton) {
    auto* counts = control<QLineEdit>("Text2");
    auto* mark = control<QLineEdit>("Text3");
    QTest::keyClicks(counts, "12");
    QTest::keyClicks(mark, "dodici");
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(mark, key);
        QTest::keyClick(control("Text1"), key);
    }
    EXPECT_EQ(counts->text(), "");
    EXPECT_EQ(mark->text(), "dodici");
    EXPECT_EQ(exits, 0);
    const QString pasted(100000, QLatin1Char('7'));  // past the line edit's usual 32767 limit
    mark->selectAll();
    mark->insert(pasted);
    EXPECT_EQ(mark->text().size(), pasted.size());
    EXPECT_TRUE(form.button(Button::Command1)->isEnabled());
    EXPECT_EQ(shown(Field::Text1).toStdString().substr(0, 24), "Per iniziare la simulazi");
}

TEST_F(WindowTest, StartLakeRestartAndExitOnTheRealWindow) {
    auto enabledButtons = [this] {
        std::vector<bool> on;
        for (std::size_t b = 0; b < kButtonCount; ++b) on.push_back(form.button(static_cast<Button>(b))->isEnabled());
        return on;
    };
    const std::vector<bool> atStart{true, false, false, false, false, false, false, true, false};
    EXPECT_EQ(enabledButtons(), atStart);
    EXPECT_TRUE(instructionsFit());
    const QString intro = shown(Field::Text1);

    random.script({0.999, 0.999, 0.0, 0.999});  // the longest numbers a lake can show
    click(Button::Command1);
    EXPECT_TRUE(shown(Field::Text1).contains("99 ettari"));
    EXPECT_EQ(shown(Field::Text1).count('\n'), 1);
    EXPECT_TRUE(instructionsFit());
    EXPECT_EQ(enabledButtons(), (std::vector<bool>{false, true, false, false, false, false, false, true, true}));
    click(Button::Command1);  // disabled now: nothing happens
    EXPECT_EQ(random.reseeds, 1);

    click(Button::Command9);
    EXPECT_EQ(shown(Field::Text1), intro);
    EXPECT_EQ(enabledButtons(), atStart);
    click(Button::Command8);
    EXPECT_EQ(exits, 1);
}

TEST_F(WindowTest, PlaysAWholeExerciseTypingTheMarkCount) {
    random.script({testing::surfaceDraw(40), testing::productivityDraw(20), testing::sizeDraw(25), 0.75});
    click(Button::Command1);
    for (int haul = 0; haul < 3; ++haul) {
        random.script({haulDraw(100)});
        click(Button::Command2);
        EXPECT_TRUE(instructionsFit());
    }
    auto* mark = control<QLineEdit>("Text3");
    EXPECT_EQ(mark->text(), "300");
    QTest::keyClick(mark, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(mark, "1234.5 pesci");
    click(Button::Command3);
    EXPECT_EQ(mark->text(), "300");
    EXPECT_TRUE(instructionsFit());
    click(Button::Command4);
    EXPECT_TRUE(instructionsFit());
    for (int haul = 0; haul < 4; ++haul) {
        random.script({haulDraw(105), 0.5});
        click(Button::Command5);
        EXPECT_TRUE(instructionsFit());
    }
    click(Button::Command6);
    EXPECT_TRUE(instructionsFit());
    click(Button::Command7);
    EXPECT_TRUE(instructionsFit());

    const std::vector<std::string> boxes{"Non male! La stima ottenuta è accurata.", "300", "300", "420", "4",
                                         "31500", "33600", "-2100", "6.25%", "7"};
    for (std::size_t f = 0; f < kFieldCount; ++f)
        EXPECT_EQ(shown(static_cast<Field>(f)).toStdString(), boxes[f]) << "Text" << f + 1;
    EXPECT_EQ(random.unused(), 0U);
}

TEST_F(WindowTest, EveryGuidanceTextIsFullyVisible) {
    // The longest texts the steps can write: the no-estimate note and every verdict.
    SimulationState state{.nmarcati = 10, .nricatturati = 100, .ngiamarcati = 0.2, .dimpop = 1000};
    estimatePopulation(state, form);
    EXPECT_TRUE(shown(Field::Text1).startsWith("Tra i pesci ricatturati"));
    EXPECT_TRUE(instructionsFit());
    for (double stima : {1000.0, 1070.0, 1200.0, 1400.0, 534600.0}) {
        state.stima = stima;
        compareWithReal(state, form);
        EXPECT_TRUE(instructionsFit()) << shown(Field::Text1).toStdString();
    }
}

}  // namespace
}  // namespace ricattura
