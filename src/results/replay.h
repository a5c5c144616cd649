#pragma once

#include "results/result_code.h"
#include "steps/estimate.h"

#include <optional>
#include <string>

namespace ricattura {

// A result code's exercise replayed with the program's own steps, on the lake of its class code: the estimate the
// student obtained, or why that lake cannot give that strategy.
struct Replay {
    std::optional<EstimateMade> made;
    std::string why;
};
Replay replayResult(const ResultCode& code);

}  // namespace ricattura
