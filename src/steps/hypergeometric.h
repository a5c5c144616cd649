#pragma once

namespace ricattura {

// How many marked fish come up when `caught` fish are taken one by one, none put back, from `fish` fish of which
// `marked` carry a mark: the hypergeometric law, drawn by inverting its distribution at u (0 <= u < 1), so one uniform
// draw decides the whole haul. With `markedOdds` other than 1 a marked fish is that many times as likely to be taken
// as an unmarked one (Fisher's noncentral law). Counts are whole; marked <= fish and caught <= fish.
double hypergeometricDraw(double u, double fish, double marked, double caught, double markedOdds = 1);

}  // namespace ricattura
