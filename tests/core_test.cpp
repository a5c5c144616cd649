// Catches wrong number texts, command lines, layout data, spoken words and seeded streams in the core.
#include "core/launch_options.h"
#include "core/layout.h"
#include "core/number_text.h"
#include "core/seeded_random_source.h"
#include "doubles.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <map>
#include <tuple>

namespace ricattura {
namespace {

using namespace std::string_literals;

// Values the boxes can show (counts, errors, percentages to the hundredth, a fraction a student typed), under an
// Italian locale such as the window toolkit puts in force, where "," is the decimal point.
TEST(NumberText, WritesPlainDecimalsWhateverTheLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "LOCPATH must hold it_IT.UTF-8";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    // clang-format off
    struct Row { const char* name; double value; std::string text; };
    const Row rows[] = {
        {"zero", 0, "0"}, {"negative zero", -0.0, "0"}, {"a count", 33600, "33600"}, {"an error", -2100, "-2100"},
        {"a half", 0.5, "0,5"}, {"hundredths", 0.03, "0,03"}, {"binary dust", 0.1 + 0.2, "0,3"},
        {"percent", 6.25, "6,25"}, {"fifteen digits", 32.0 / 3, "10,6666666666667"},
        {"large percent", 58135.29, "58135,29"}, {"no exponent", 1e15, "1000000000000000"},
        {"the largest double", DBL_MAX, "179769313486232" + std::string(294, '0')}, {"tenths", 12345678901234.5, "12345678901234,5"},
        {"a tie, kept even", 1000000000000005, "1000000000000000"}, {"a tie, up to even", 1000000000000015, "1000000000000020"},
        {"not a number", std::nan(""), "0"}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(decimalText(row.value), row.text);
    }
    std::setlocale(LC_ALL, "C");
}

// What a student may type: only the number at the start counts, with either separator; nothing reads as infinite
// or "-0".
TEST(NumberText, ReadsTheLeadingNumberOfAnyText) {
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "LOCPATH must hold it_IT.UTF-8";
    // clang-format off
    struct Row { const char* name; std::string text; double value; };
    const Row rows[] = {
        {"empty", "", 0}, {"blanks", "   ", 0}, {"a word", "pesci", 0}, {"after line breaks", "\r\n\t 3", 3},
        {"plus", "+7", 7}, {"minus", "-12", -12}, {"two signs", "--5", 0}, {"mixed signs", "+-5", 0},
        {"stops at a blank", "4 2", 4}, {"decimal comma", "12,5", 12.5}, {"decimal point", "12.5", 12.5},
        {"no whole part", ",5", 0.5}, {"second comma", "1,2,3", 1.2}, {"trailing point", "5.", 5},
        {"a lone point", ".", 0}, {"second point", "1.2.3", 1.2}, {"exponent without digits", "1e+", 1},
        {"exponent", "1E-2", 0.01}, {"signed fraction exponent", "-.5e1", -5}, {"exponent then text", "2.5e1x", 25},
        {"zero exponent", "-0.0e5", 0}, {"nan", "nan", 0}, {"hex", "0x10", 0}, {"overflow down", "-1e309", -DBL_MAX},
        {"huge exponent", "1e99999999999999999999999", DBL_MAX}, {"underflow", "-1e-400", 0},
        {"long fraction", "0." + std::string(400, '0') + "1e401", 1},
        {"a million sevens", std::string(1 << 20, '7'), DBL_MAX},
        {"a million zeros", "0." + std::string(1 << 20, '0'), 0}, {"embedded NUL", "3\0" "9"s, 3},
        {"full-width digits", "\xEF\xBC\x94\xEF\xBC\x92", 0}, {"a fish after", "20\xF0\x9F\x90\x9F", 20}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double got = leadingNumber(row.text);
        EXPECT_DOUBLE_EQ(got, row.value);
        EXPECT_FALSE(got == 0 && std::signbit(got)) << "negative zero";
    }
    std::setlocale(LC_ALL, "C");
}

TEST(LaunchOptions, TakesAClassCodeAndAScaleAndRefusesAnythingElse) {
    using enum LaunchOptions::Action;
    // clang-format off
    struct Row { const char* name; std::vector<std::string_view> args; LaunchOptions::Action action; LakeCode code = 0; double scale = 1; bool fishByFish = false; Trick trick = Trick::None; };
    const Row rows[] = {
        {"nothing", {}, Run}, {"a code", {"--lago", "9"}, Run, 9}, {"fish by fish", {"--pesce-per-pesce", "--lago=5"}, Run, 5, 1, true},
        {"fish by fish twice", {"--pesce-per-pesce", "--pesce-per-pesce"}, Refuse}, {"a code after =", {"--lago=100000"}, Run, 100000},
        {"help", {"--help"}, Help}, {"short help", {"-h"}, Help}, {"version", {"--version"}, Version},
        {"help wins", {"--lago", "42", "--help"}, Help, 42}, {"code missing", {"--lago"}, Refuse},
        {"zero", {"--lago", "0"}, Refuse}, {"seven digits", {"--lago=1000000"}, Refuse},
        {"leading zero", {"--lago=042"}, Refuse}, {"plus sign", {"--lago", "+42"}, Refuse},
        {"empty after =", {"--lago="}, Refuse}, {"a blank", {"--lago", "4 2"}, Refuse},
        {"code twice", {"--lago", "1", "--lago=1"}, Refuse}, {"a Qt option", {"-platform", "offscreen"}, Refuse},
        {"look-alike of --lago", {"--lagoo=1"}, Refuse}, {"look-alike of --scala", {"--scalax2"}, Refuse},
        {"scale and code", {"--scala", "2", "--lago=7"}, Run, 7, 2}, {"decimal comma", {"--scala=1,5"}, Run, 0, 1.5},
        {"two decimals", {"--scala=4.00"}, Run, 0, 4}, {"below one", {"--scala", "0,9"}, Refuse},
        {"above four", {"--scala=4,01"}, Refuse}, {"comma alone", {"--scala=2,"}, Refuse},
        {"three decimals", {"--scala=1,255"}, Refuse}, {"exponent", {"--scala", "1e0"}, Refuse},
        {"scale missing", {"--scala"}, Refuse}, {"scale twice", {"--scala=2", "--scala=2"}, Refuse}, {"the smallest scale", {"--scala=1"}, Run},
        {"a trick", {"--trucco", "marche-perse"}, Run, 0, 1, true, Trick::LostMarks}, {"an unknown trick", {"--trucco=x"}, Refuse},
        {"a trick twice", {"--trucco=nuovi-arrivi", "--trucco=nuovi-arrivi"}, Refuse}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const LaunchOptions got = parseCommandLine(row.args);
        EXPECT_EQ(got.action, row.action);
        if (row.action == Refuse) {  // a refusal says why, in one line; its values are never used
            EXPECT_TRUE(got.refusal.starts_with("ricattura: ") && got.refusal.find('\n') == std::string::npos)
                << got.refusal;
            continue;
        }
        EXPECT_EQ(got.settings,
                  (ExerciseSettings{row.code ? std::optional(row.code) : std::nullopt, row.fishByFish, row.trick}));
        EXPECT_EQ(got.scale, row.scale);
    }
    EXPECT_NE(parseCommandLine({"--lago", "0042"}).refusal.find("senza zeri iniziali"), std::string::npos);
    EXPECT_NE(parseCommandLine({"--lago"}).refusal.find("manca il codice"), std::string::npos);
    EXPECT_EQ(std::string(helpText()).find_first_of("\"'"), std::string::npos) << "straight quotes in --help";
    EXPECT_EQ(windowTitle({}), "Stima della popolazione di un lago");
    EXPECT_EQ(windowTitle({37, true}), "Stima della popolazione di un lago, lago della classe 37, pesce per pesce");
    EXPECT_EQ(studentsQuery({5, true, Trick::Newcomers}) + studentsQuery({5, true}),
              "?lago=5&trucco=nuovi-arrivi?lago=5&pesce-per-pesce");
}

// The page's address: the class code, the fish-by-fish draw and the teacher's view, and the line that says so.
TEST(LaunchOptions, ReadsThePagesAddress) {
    // clang-format off
    struct Row { const char* name; std::map<std::string_view, std::string> address; ExerciseSettings settings; bool teacher, warning; std::string note; };
    const Row rows[] = {
        {"nothing", {}, {}, false, false, ""},
        {"a class", {{"lago", "42"}}, {42}, false, false, "Lago della classe 42."},
        {"the teacher's, a trick unknown", {{"lago", "42"}, {"insegnante", ""}, {"trucco", "x"}}, {42}, true, true,
         "Lago della classe 42. «x» non è un trucco di Ricattura, quindi l’esercizio continua senza trucco. I trucchi sono "
         "marche-perse, pesci-timidi, pesci-curiosi, nuovi-arrivi, morti-per-tutti."},
        {"a trick", {{"trucco", "pesci-curiosi"}}, {std::nullopt, true, Trick::CuriousMarked}, false, false,
         "Un lago con un trucco. Dopo la marcatura succede qualcosa che il metodo non prevede, e la ricattura è pesce per pesce."},
        {"fish by fish", {{"pesce-per-pesce", ""}}, {std::nullopt, true}, false, false,
         "La ricattura è pesce per pesce. Ogni cala di ricattura pesca i pesci uno per uno, come in un lago vero."},
        {"no code written", {{"lago", ""}}, {}, false, true,
         "Nell’indirizzo, dopo «?lago=», manca il codice della classe. Per ora ogni lago sarà diverso."},
        {"a wrong code", {{"lago", "07"}}, {}, false, true, "«07» non è un codice della classe. Nell’indirizzo, dopo "
         "«?lago=», serve un numero intero da 1 a 999999 senza zeri iniziali (42, non 0042). Per ora ogni lago sarà diverso."}
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PageAddress got = readPageAddress([&](std::string_view name) {
            const auto found = row.address.find(name);
            return found == row.address.end() ? std::nullopt : std::optional(found->second);
        });
        EXPECT_EQ(got.settings, row.settings);
        EXPECT_EQ(std::tuple(got.teacher, got.warning, got.note), std::tuple(row.teacher, row.warning, row.note));
    }
}

int right(const TwipRect& r) { return r.left + r.width; }

// The table's own relations (a twip off by one there would vanish in both views' rounding), its pixels, its tab order.
TEST(Layout, KeepsItsLabelsBesideTheirBoxesAndConvertsBothEdgesToPixels) {
    // Every label but "Istruzioni" 105 short of its box, 120 lower; only one box takes typing, only one holds lines.
    for (std::size_t f = 1; f < kFieldCount; ++f) {
        const BoxLayout& box = kBoxes[f];
        EXPECT_EQ(std::tuple(right(kLabels[f].rect) + 105, kLabels[f].rect.top, box.editable, box.multiLine),
                  std::tuple(box.rect.left, box.rect.top + 120, Field(f) == kEnterBox, false))
            << box.name;
    }
    EXPECT_EQ(std::pair(kBoxes[0].editable, kBoxes[0].multiLine), std::pair(false, true));
    EXPECT_EQ(toPixels(kClientArea), (PixelRect{0, 0, 451, 427}));
    EXPECT_EQ(toPixels(kButtons[0].rect), (PixelRect{16, 8, 200, 27}));  // 26 2/3 pixels high, rounded
    EXPECT_EQ(toPixels({7, 8, 7, 7}), (PixelRect{0, 1, 1, 0}));          // each edge to its nearest pixel
    int next = 0;
    for (const ControlRef& c : controlsInTabOrder()) {
        EXPECT_EQ(c.kind == ControlRef::Kind::Button ? kButtons[c.index].tabIndex
                  : c.kind == ControlRef::Kind::Box  ? kBoxes[c.index].tabIndex
                                                     : kLabels[c.index].tabIndex,
                  next++);
    }
    EXPECT_EQ(next, 29) << "every tab index once";
}

// A fixed seed repeats its stream at every reseed, the clock's seeds differ; draws stay in [0, 1) (the hypergeometric
// test checks the law they make).
TEST(SeededRandomSource, RepeatsAFixedSeedsStreamAtEveryReseedAndDrawsBelowOne) {
    FixedSeed code(4242);
    SeededRandomSource fixed(code), clock(*makeSeedSource(std::nullopt)), other(*makeSeedSource(std::nullopt));
    const double first = fixed.draw();
    fixed.reseed();
    EXPECT_EQ(std::pair(fixed.draw(), clock.draw() != other.draw()), std::pair(first, true));
    double lowest = fixed.draw(), largest = lowest;
    for (int i = 0; i < 100'000; ++i) std::tie(lowest, largest) = std::minmax({lowest, largest, fixed.draw()});
    EXPECT_TRUE(lowest >= 0 && lowest < 1e-3 && largest > 0.999 && largest < 1) << lowest << " " << largest;
}

}  // namespace
}  // namespace ricattura
