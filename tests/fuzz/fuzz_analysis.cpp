// AnalyzeScores on any five texts: the input is split at bytes 0x01.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calculations/scoreanalysis.h"
#include "tests/support/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using properties::Require;
    std::array<std::string, 5> fields;
    std::size_t f = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0x01 && f < 4)
            ++f;
        else
            fields[f].push_back(static_cast<char>(data[i]));
    }
    const core::ScoreInputs in{fields[0], fields[1], fields[2], fields[3], fields[4]};
    const core::ScoreResults r = core::AnalyzeScores(in);

    for (const core::ResultBox& box : core::kResultBoxes) {
        const std::string& t = r.*box.text;
        Require(t.empty() || properties::IsNumberText(t, &t == &r.txtUserPercentileAnswer), "result shape", t);
    }

    if (r.message) {
        Require(properties::IsKnownMessage(*r.message), "unknown message", *r.message);
        if (*r.message == "At the least, measure mean and measure SD field mus be entered.")
            for (const core::ResultBox& box : core::kResultBoxes)
                Require((r.*box.text).empty(), "result beside the missing-input message", r.*box.text);
        if (*r.message == "You cannot have a percentile above 100 or below 0")
            Require(r.txtPercentileUser.empty() && r.txtUserPercentileAnswer.empty(), "percentile beside its refusal");
        return 0;
    }
    // A run without a message fills exactly what its inputs ask for.
    Require(!in.txtMean.empty() && !in.txtSD.empty(), "no message without mean and SD");
    for (std::size_t i = 0; i < 7; ++i)  // the cut-offs and the percentiles come first
        Require(!(r.*core::kResultBoxes[i].text).empty(), "measure result missing");
    Require(r.txtZScore.empty() == in.txtScore.empty() && r.txtConf.empty() == in.txtScore.empty(), "raw score results");
    Require(r.txtSDUser.empty() == in.txtUserStipulatedSD.empty(), "stipulated SD results");
    Require(r.txtUserPercentileAnswer.empty() == in.txtUserStipulatedPercentile.empty(), "stipulated percentile");
    return 0;
}
