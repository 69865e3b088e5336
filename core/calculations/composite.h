#ifndef MERVANE_CORE_CALCULATIONS_COMPOSITE_H
#define MERVANE_CORE_CALCULATIONS_COMPOSITE_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

// The composite window's boxes, as pasted and typed.
struct CompositeInputs {
    std::string txtRows;          // the battery, read as the profile reads it
    std::string txtCorrelation;   // the average correlation between the measures
    std::string txtCorrelations;  // or their correlation matrix, one row a line
    std::string txtLevel;
    std::string txtName;          // the composite's, optional
};

// Its result boxes, each empty or a text as shown, and the message that stopped the run, if one did.
struct CompositeResults {
    std::string txtCount, txtZ, txtStandard, txtPercentile, txtLabel, txtMeanStandard;
    std::string txtReliability, txtSEM, txtTrue, txtTrueLow, txtTrueHigh;
    std::string txtReport;
    std::optional<std::string> message;
};

using CompositeInputBox = Box<CompositeInputs>;
using CompositeResultBox = Box<CompositeResults>;

inline constexpr std::array<CompositeInputBox, 5> kCompositeInputs{{
    {"txtRows", &CompositeInputs::txtRows},
    {"txtCorrelation", &CompositeInputs::txtCorrelation},
    {"txtCorrelations", &CompositeInputs::txtCorrelations},
    {"txtLevel", &CompositeInputs::txtLevel},
    {"txtName", &CompositeInputs::txtName},
}};

inline constexpr std::array<CompositeResultBox, 12> kCompositeResults{{
    {"txtCount", &CompositeResults::txtCount},
    {"txtZ", &CompositeResults::txtZ},
    {"txtStandard", &CompositeResults::txtStandard},
    {"txtPercentile", &CompositeResults::txtPercentile},
    {"txtLabel", &CompositeResults::txtLabel},
    {"txtMeanStandard", &CompositeResults::txtMeanStandard},
    {"txtReliability", &CompositeResults::txtReliability},
    {"txtSEM", &CompositeResults::txtSEM},
    {"txtTrue", &CompositeResults::txtTrue},
    {"txtTrueLow", &CompositeResults::txtTrueLow},
    {"txtTrueHigh", &CompositeResults::txtTrueHigh},
    {"txtReport", &CompositeResults::txtReport},
}};

// A composite of a battery's measures as a manual builds one: the sum of
// their z scores over its SD, sqrt(k + 2 sum r_ij) (Tellegen and Briggs,
// 1967), on the standard-score scale, with its percentile and label, beside
// the plain mean of the standard scores; and, where every measure has a
// reliability, Mosier's (1943) reliability of the composite, its SEM, the
// estimated true score and its interval at the level. The correlations are
// an average or a pasted matrix, read and refused as the Low Scores window
// reads them.
CompositeResults CompositeScore(const CompositeInputs& in, std::string_view decimalSeparator = ".");

// The composite window's calculation.
extern const Calculation kComposite;

}  // namespace core

#endif
