#ifndef MERVANE_TESTS_CORE_RECORDINGSTATISTICS_H
#define MERVANE_TESTS_CORE_RECORDINGSTATISTICS_H

#include <cstddef>
#include <string>
#include <vector>

#include "core/stats/normal.h"

// Records every call, answers with the real distribution, and can be told to
// fail one call.
class RecordingStatistics final : public core::StatisticsComponent {
public:
    struct Call {
        std::string operation;
        double value;
        double mean;
        double sd;

        bool operator==(const Call&) const = default;
    };

    core::StatOutcome NormalCdf(double x, double mean, double sd) override
    {
        return Answer({"NormalCdf", x, mean, sd}, real_.NormalCdf(x, mean, sd));
    }
    core::StatOutcome NormalQuantile(double p, double mean, double sd) override
    {
        return Answer({"NormalQuantile", p, mean, sd}, real_.NormalQuantile(p, mean, sd));
    }

    // The call with this index (from 0) fails for this reason.
    void FailCall(std::size_t index, core::StatFailure why)
    {
        failIndex_ = index;
        failure_ = why;
    }

    std::vector<Call> calls;

private:
    core::StatOutcome Answer(Call call, core::StatOutcome real)
    {
        calls.push_back(call);
        if (calls.size() - 1 == failIndex_)
            return {0, failure_};
        return real;
    }

    core::ExactNormal real_;
    std::size_t failIndex_ = static_cast<std::size_t>(-1);
    core::StatFailure failure_ = core::StatFailure::None;
};

#endif
