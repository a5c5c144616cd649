#pragma once

namespace ricattura {

// The whole record of one exercise: every quantity the steps share, all zero at start.
struct SimulationState {
    double hauls = 0;             // hauls made so far, capture and recapture together
    double caught = 0;            // fish caught in the capture phase
    double marked = 0;            // M: fish marked
    double recaptured = 0;        // n: fish caught in the recapture phase
    double markedRecaptured = 0;  // m: marked fish among the recaptured (real until estimated)
    double markedShare = 0;       // k: marked fraction among the fish still in the lake
    double trueSize = 0;          // N: the true population, hidden until the comparison
    double estimate = 0;          // the estimated population

    bool operator==(const SimulationState&) const = default;
};

}  // namespace ricattura
