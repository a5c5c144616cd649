#pragma once

namespace ricattura {

// The whole record of one exercise: every quantity the steps share, all zero at start.
struct SimulationState {
    double cale = 0;          // hauls made so far, capture and recapture together
    double ncatturati = 0;    // fish caught in the capture phase
    double nmarcati = 0;      // M: fish marked
    double nricatturati = 0;  // n: fish caught in the recapture phase
    double ngiamarcati = 0;   // m: marked fish among the recaptured (real until estimated)
    double k = 0;             // marked fraction among the fish still in the lake
    double dimpop = 0;        // true population, hidden until the comparison
    double stima = 0;         // estimated population

    bool operator==(const SimulationState&) const = default;
};

}  // namespace ricattura
