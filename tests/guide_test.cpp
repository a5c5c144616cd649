// Catches a number or verdict in the teacher's guide that the program does not give, and a guide that lost one.
#include "core/launch_options.h"
#include "core/number_text.h"
#include "doubles.h"
#include "steps/capture.h"
#include "steps/estimate.h"
#include "steps/lake_creation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <regex>

namespace ricattura {
namespace {

using Facts = std::map<std::string, std::string>;
const double kTop = std::nextafter(1.0, 0.0);  // the largest draw there is

// One end of every range: a lake, a haul and a mark made with the draws at that end (size at the other).
void addEnd(Facts& facts, const std::string& end, const std::string& other, double r) {
    testing::ScriptedRandom random;
    random.script({r, r, kTop - r, r, r});
    const Lake lake = drawLake(random);
    SimulationState state{.trueSize = lake.trueSize};
    testing::FakeView view;
    captureHaul(state, view, random);
    view.type("0");
    markFish(state, view);
    facts.insert({{"popolazione-" + end, decimalText(lake.trueSize)},
                  {"superficie-" + end, decimalText(lake.surface)},
                  {"produzione-" + end, decimalText(lake.productivity)},
                  {"taglia-" + other, decimalText(lake.size)},
                  {"cala-" + end, view.text(Field::Caught)},
                  {"marcati-min", view.text(Field::ToMark)}});
}

Facts programFacts() {
    Facts facts;
    addEnd(facts, "min", "max", 0);
    addEnd(facts, "max", "min", kTop);
    // Errors of 0 % to 100 % in whole steps: where the verdict changes, a band ends.
    for (int error = 0, band = 0; error <= 100; ++error) {
        testing::FakeView view;
        compareWithReal({.trueSize = 100, .estimate = 100.0 + error}, view);
        if (band > 0 && view.text(Field::Instructions) == facts["giudizio-" + std::to_string(band)]) continue;
        if (band > 0) facts["soglia-" + std::to_string(band)] = std::to_string(error);
        facts["giudizio-" + std::to_string(++band)] = view.text(Field::Instructions);
    }
    LakeCode low = 0, high = 0;
    while (!parseLakeCode(std::to_string(low))) ++low;
    for (high = low; parseLakeCode(std::to_string(high + 1)); ++high) {
    }
    facts.insert({{"codice-min", std::to_string(low)}, {"codice-max", std::to_string(high)}});
    return facts;
}

TEST(TeachersGuide, StatesEveryRangeBandAndVerdictAsTheProgramGivesIt) {
    std::ifstream file(RICATTURA_GUIDE);
    const std::string guide{std::istreambuf_iterator<char>(file), {}};
    const Facts facts = programFacts();
    Facts unstated = facts;
    const std::regex span(R"re(<span data-fact="([^"]*)">([^<]*)</span>)re"), mention("data-fact");
    std::ptrdiff_t spans = 0;
    for (std::sregex_iterator it(guide.begin(), guide.end(), span), end; it != end; ++it, ++spans) {
        ASSERT_TRUE(facts.contains((*it)[1])) << "the program gives no " << (*it)[1];
        EXPECT_EQ((*it)[2], facts.at((*it)[1])) << (*it)[1];
        unstated.erase((*it)[1]);
    }
    EXPECT_EQ(spans, std::distance(std::sregex_iterator(guide.begin(), guide.end(), mention), {})) << "a span unread";
    EXPECT_TRUE(unstated.empty()) << "the guide never states " << unstated.begin()->first;
}

}  // namespace
}  // namespace ricattura
