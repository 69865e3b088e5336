#ifndef MERVANE_CORE_CALCULATIONS_PREDICT_H
#define MERVANE_CORE_CALCULATIONS_PREDICT_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

// The predicted-score window's boxes, as typed; a check box reads "1" when ticked.
struct PredictInputs {
    std::string txtMeasure, txtScore, chkLower, txtLevel;
    // from an equation
    std::string txtIntercept;
    std::string txtPredictor1, txtCoefficient1, txtValue1;
    std::string txtPredictor2, txtCoefficient2, txtValue2;
    std::string txtPredictor3, txtCoefficient3, txtValue3;
    std::string txtPredictor4, txtCoefficient4, txtValue4;
    std::string txtSEE;
    // from a sample's statistics, and the normative sample for the test
    std::string txtScoreMean, txtScoreSD, txtCorrelation;
    std::string txtN, txtPredictorMean, txtPredictorSD;
};

// Its result boxes, each empty or a text as shown, and the message that
// stopped the run, if one did: then every result is empty.
struct PredictResults {
    std::string txtEquation, txtSEEUsed, txtPredicted, txtDiscrepancy, txtZ, txtStandard, txtLabel, txtPercentile;
    std::string txtSE, txtT, txtDF, txtPOne, txtPTwo, txtBelow, txtBelowLow, txtBelowHigh, txtZLow, txtZHigh;
    std::string txtReport;
    std::optional<std::string> message;
};

using PredictInputBox = Box<PredictInputs>;
using PredictResultBox = Box<PredictResults>;

inline constexpr std::array<PredictInputBox, 24> kPredictInputs{{
    {"txtMeasure", &PredictInputs::txtMeasure},
    {"txtScore", &PredictInputs::txtScore},
    {"chkLower", &PredictInputs::chkLower},
    {"txtLevel", &PredictInputs::txtLevel},
    {"txtIntercept", &PredictInputs::txtIntercept},
    {"txtPredictor1", &PredictInputs::txtPredictor1},
    {"txtCoefficient1", &PredictInputs::txtCoefficient1},
    {"txtValue1", &PredictInputs::txtValue1},
    {"txtPredictor2", &PredictInputs::txtPredictor2},
    {"txtCoefficient2", &PredictInputs::txtCoefficient2},
    {"txtValue2", &PredictInputs::txtValue2},
    {"txtPredictor3", &PredictInputs::txtPredictor3},
    {"txtCoefficient3", &PredictInputs::txtCoefficient3},
    {"txtValue3", &PredictInputs::txtValue3},
    {"txtPredictor4", &PredictInputs::txtPredictor4},
    {"txtCoefficient4", &PredictInputs::txtCoefficient4},
    {"txtValue4", &PredictInputs::txtValue4},
    {"txtSEE", &PredictInputs::txtSEE},
    {"txtScoreMean", &PredictInputs::txtScoreMean},
    {"txtScoreSD", &PredictInputs::txtScoreSD},
    {"txtCorrelation", &PredictInputs::txtCorrelation},
    {"txtN", &PredictInputs::txtN},
    {"txtPredictorMean", &PredictInputs::txtPredictorMean},
    {"txtPredictorSD", &PredictInputs::txtPredictorSD},
}};

inline constexpr std::array<PredictResultBox, 19> kPredictResults{{
    {"txtEquation", &PredictResults::txtEquation},
    {"txtSEEUsed", &PredictResults::txtSEEUsed},
    {"txtPredicted", &PredictResults::txtPredicted},
    {"txtDiscrepancy", &PredictResults::txtDiscrepancy},
    {"txtZ", &PredictResults::txtZ},
    {"txtStandard", &PredictResults::txtStandard},
    {"txtLabel", &PredictResults::txtLabel},
    {"txtPercentile", &PredictResults::txtPercentile},
    {"txtSE", &PredictResults::txtSE},
    {"txtT", &PredictResults::txtT},
    {"txtDF", &PredictResults::txtDF},
    {"txtPOne", &PredictResults::txtPOne},
    {"txtPTwo", &PredictResults::txtPTwo},
    {"txtBelow", &PredictResults::txtBelow},
    {"txtBelowLow", &PredictResults::txtBelowLow},
    {"txtBelowHigh", &PredictResults::txtBelowHigh},
    {"txtZLow", &PredictResults::txtZLow},
    {"txtZHigh", &PredictResults::txtZHigh},
    {"txtReport", &PredictResults::txtReport},
}};

// A score against the score predicted for the person: from a regression
// equation (an intercept, up to four predictors with their coefficients and
// the person's values, and the standard error of estimate) or from a
// sample's statistics (one predictor: the predictor's and the score's means
// and SDs, their correlation and n), as norms by regression and change by
// regression (the retest predicted from the baseline) are given. The
// discrepancy from the prediction, turned round where lower is better, as
// z, standard score, label and percentile; and with one predictor, n and the
// predictor's mean and SD, Crawford and Garthwaite's (2006) test, which
// treats the normative sample as a sample: t on n - 2 degrees of freedom, p,
// the percentage of the population with a discrepancy below the person's,
// and confidence limits on it and on z from the non-central t. Inputs are
// read strictly; results are written with `decimalSeparator`.
PredictResults PredictScore(const PredictInputs& in, std::string_view decimalSeparator = ".");

// The predicted-score window's calculation.
extern const Calculation kPrediction;

}  // namespace core

#endif
