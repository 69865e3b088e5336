#include "core/calculations/twotasks.h"

#include <cmath>

#include "core/text/figures.h"
#include "core/stats/studentst.h"
#include "core/steps.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

// The controls' SD of one of two tasks: "The controls' SD of task X must be above 0."
std::string ControlsSdMustBePositive(std::string_view task)
{
    return "The controls' SD of task " + std::string(task) + " must be above 0.";
}

constexpr std::string_view kTwoTasksRequired =
    "Enter each task's controls' mean and SD and the case's score, the number of controls and the correlation "
    "between the tasks.";

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kRsdt = "The t of the difference";

}  // namespace
}  // namespace core::messages::subject

namespace core {
namespace {

namespace subject = messages::subject;

// One task's boxes, and what the results call it.
struct Task {
    const std::string& name;
    const std::string& mean;
    const std::string& sd;
    const std::string& score;
    bool lower;
    std::string_view letter;  // "X" or "Y"

    std::string Called() const { return name.empty() ? "task " + std::string(letter) : name; }
    std::string Of(std::string_view what) const { return std::string(what) + " of task " + std::string(letter); }
};

// The seven verdicts researchers write, each with its label and the
// report's sentence ({deficit} and {other} name the tasks where one alone
// has a deficit).
enum class Verdict { Classical, Strong, DeficitX, DeficitY, BothDeficits, DifferenceOnly, Neither };

struct VerdictText {
    Verdict verdict;
    std::string_view label, sentence;
};

constexpr VerdictText kVerdicts[] = {
    {Verdict::Classical, "Classical dissociation",
     "This is a classical dissociation: a deficit on {deficit}, none on {other}, and a significant difference between "
     "them."},
    {Verdict::Strong, "Strong dissociation",
     "This is a strong dissociation: deficits on both tasks, and a significant difference between them."},
    {Verdict::DeficitX, "Deficit on X only, no dissociation",
     "There is a deficit on {deficit} only, and no dissociation: the difference between the tasks is not significant."},
    {Verdict::DeficitY, "Deficit on Y only, no dissociation",
     "There is a deficit on {deficit} only, and no dissociation: the difference between the tasks is not significant."},
    {Verdict::BothDeficits, "Deficits on both tasks, no dissociation",
     "There are deficits on both tasks, and no dissociation: the difference between them is not significant."},
    {Verdict::DifferenceOnly, "No deficit, but the difference between the tasks is significant",
     "There is no deficit on either task, but the difference between them is significant."},
    {Verdict::Neither, "No deficit and no dissociation", "There is no deficit and no dissociation."},
};

constexpr const VerdictText& VerdictOf(Verdict v)
{
    for (const VerdictText& text : kVerdicts)
        if (text.verdict == v)
            return text;
    return kVerdicts[std::size(kVerdicts) - 1];
}

class TwoTasks : Steps<TwoTasksResults> {
public:
    TwoTasks(std::string_view separator, StatisticsComponent& stats) : Steps(separator, stats) {}

    TwoTasksResults Run(const TwoTasksInputs& in)
    {
        const Task x{in.txtNameX, in.txtMeanX, in.txtSDX, in.txtScoreX, !in.chkLowerX.empty(), "X"};
        const Task y{in.txtNameY, in.txtMeanY, in.txtSDY, in.txtScoreY, !in.chkLowerY.empty(), "Y"};
        if (!Test(in, x, y))
            return Refusal();
        r_.txtReport = Report(in, x, y);
        return std::move(r_);
    }

private:
    bool Test(const TwoTasksInputs& in, const Task& x, const Task& y)
    {
        for (const Task* task : {&x, &y})
            if (task->mean.empty() || task->sd.empty() || task->score.empty())
                return Refuse(std::string(messages::kTwoTasksRequired));
        if (in.txtN.empty() || in.txtCorrelation.empty())
            return Refuse(std::string(messages::kTwoTasksRequired));
        double z[2] = {0, 0}, r = 0;
        for (int i = 0; i < 2; ++i) {
            const Task& task = i == 0 ? x : y;
            double m = 0, s = 0, score = 0;
            if (!Parse(task.mean, task.Of(subject::kControlsMean), m) || !Parse(task.sd, task.Of(subject::kControlsSd), s) ||
                !Parse(task.score, task.Of(subject::kCaseScore), score))
                return false;
            if (!(s > 0))
                return Refuse(messages::ControlsSdMustBePositive(task.letter));
            z[i] = task.lower ? (m - score) / s : (score - m) / s;  // turned round where lower is better
        }
        if (!Parse(in.txtN, subject::kControls, n_) || !Parse(in.txtCorrelation, subject::kCorrelation, r))
            return false;
        if (!(n_ >= 2) || n_ != std::floor(n_))
            return Refuse(std::string(messages::kControlsSampleSize));
        if (!(r > -1 && r < 1))
            return Refuse(std::string(messages::kCorrelationOutOfRange));
        if (x.lower != y.lower)
            r = -r;  // between the scores as turned
        double zc = 0;
        if (!Level(in.txtLevel, level_, zc))
            return false;
        if (!std::isfinite(z[0]) || !std::isfinite(z[1]))
            return Refuse(messages::TooLarge(subject::kT));
        zx_ = z[0];
        zy_ = z[1];
        // Each test whose distributions throw beyond what they can evaluate says which failed.
        return Guarded([&] { return Alone(zx_, &TwoTasksResults::txtTX, &TwoTasksResults::txtPOneX,
                                          &TwoTasksResults::txtBelowX, deficit_[0]); },
                       messages::TooLarge(x.Of(subject::kT))) &&
               Guarded([&] { return Alone(zy_, &TwoTasksResults::txtTY, &TwoTasksResults::txtPOneY,
                                          &TwoTasksResults::txtBelowY, deficit_[1]); },
                       messages::TooLarge(y.Of(subject::kT))) &&
               Guarded([&] { return Difference(r); }, messages::TooLarge(subject::kRsdt));
    }

    // Whether a p as shown is below alpha = (100 - level) / 100, taken exactly:
    // in ten-thousandths, as the p is shown, against the level's to six places.
    bool Below(double p) const
    {
        const double shown = std::nearbyint(p * 10000);
        const double alpha = std::nearbyint((100 - level_) * 100 * 1e6) / 1e6;
        return shown < alpha;
    }

    // Crawford and Howell's test of one task: a deficit is t below 0 with its one-tailed p below alpha.
    bool Alone(double z, std::string TwoTasksResults::*t, std::string TwoTasksResults::*p,
               std::string TwoTasksResults::*below, bool& deficit)
    {
        const stats::CaseTest test = stats::CrawfordHowell(z, n_);
        if (!Show(test.t, t, subject::kT))
            return false;
        const double tail = test.t < 0 ? test.below : 1 - test.below;
        r_.*p = PValueText(tail, separator_);
        r_.*below = PercentText(100 * test.below, separator_);
        deficit = test.t < 0 && Below(tail);
        return true;
    }

    // Crawford and Garthwaite's (2005) Revised Standardized Difference Test.
    bool Difference(double r)
    {
        const double n = n_, d = zx_ - zy_;
        const double a = (1 + r) * (1 - r * r);
        const double b = (1 - r) * (4 * (n - 1) * (n - 1) + 4 * (1 + r) * (n - 1) + (1 + r) * (5 + r));
        const double c = -2 * d * d * n * (n - 1) * (n - 1) / (n + 1);
        const double t = std::copysign(std::sqrt((-b + std::sqrt(b * b - 4 * a * c)) / (2 * a)), d);
        if (!Show(t, &TwoTasksResults::txtTDiff, subject::kRsdt) ||
            !Show(d / std::sqrt(2 - 2 * r), &TwoTasksResults::txtZdcc, subject::kEffectSize))
            return false;
        r_.txtDF = NumberText(n - 1, separator_);
        const double below = stats::StudentsTCdf(n - 1, t);
        const double tail = t < 0 ? below : 1 - below;
        r_.txtPTwo = PValueText(2 * tail, separator_);
        r_.txtMoreExtreme = PercentText(100 * tail, separator_);
        significant_ = Below(2 * tail);
        verdict_ = Judged();
        r_.txtVerdict = std::string(VerdictOf(verdict_).label);
        return true;
    }

    // Exactly one verdict, from the deficits and the difference as shown.
    Verdict Judged() const
    {
        const bool dx = deficit_[0], dy = deficit_[1];
        if (significant_)
            return dx != dy ? Verdict::Classical : dx ? Verdict::Strong : Verdict::DifferenceOnly;
        if (dx != dy)
            return dx ? Verdict::DeficitX : Verdict::DeficitY;
        return dx ? Verdict::BothDeficits : Verdict::Neither;
    }

    std::string Report(const TwoTasksInputs& in, const Task& x, const Task& y) const
    {
        const auto task = [this](const Task& k, const std::string& t, const std::string& p, const std::string& below,
                                 bool deficit) {
            return k.Called() + (k.lower ? " (lower is better)" : "") + ", against the controls' mean of " +
                   Typed(k.mean) + " and SD of " + Typed(k.sd) + ", the case's score of " + Typed(k.score) +
                   " gives t = " + t + ", one-tailed p " + PValueInWords(p) + ": an estimated " +
                   PercentInWords(below) + "% of controls " + (k.lower ? "would do worse" : "would score lower") +
                   (deficit ? ", a deficit" : ", no deficit");
        };
        const std::string level = Typed(in.txtLevel) + "%";
        std::string t = "Against " + Typed(in.txtN) + " controls, at the " + level + " level: on " +
                        task(x, r_.txtTX, r_.txtPOneX, r_.txtBelowX, deficit_[0]) + "; on " +
                        task(y, r_.txtTY, r_.txtPOneY, r_.txtBelowY, deficit_[1]) +
                        ". The difference between the tasks, by Crawford and Garthwaite's Revised Standardized "
                        "Difference Test with a correlation of " +
                        Typed(in.txtCorrelation) + " between them in the controls, gives t = " + r_.txtTDiff + " on " +
                        r_.txtDF + (r_.txtDF == "1" ? " degree" : " degrees") + " of freedom, two-tailed p " +
                        PValueInWords(r_.txtPTwo) + "; an estimated " + PercentInWords(r_.txtMoreExtreme) +
                        "% of controls would show a difference more extreme in the same direction, and the effect "
                        "size is z = " +
                        r_.txtZdcc + ". ";
        // The task with a deficit and the one without, where one alone has it.
        const bool dx = deficit_[0];
        std::string sentence(VerdictOf(verdict_).sentence);
        for (const auto& [mark, named] : {std::pair{"{deficit}", dx ? &x : &y}, std::pair{"{other}", dx ? &y : &x}})
            if (const std::size_t at = sentence.find(mark); at != std::string::npos)
                sentence.replace(at, std::string_view(mark).size(), named->Called());
        t += sentence;
        if (std::fabs(zx_) > 3 && std::fabs(zy_) > 3)
            t += " Both scores lie more than 3 SDs from the controls' means, where the test overstates how rare "
                 "such a difference is: too many differences are found significant (Crawford and Garthwaite).";
        return t;
    }

    double n_ = 0, level_ = 0, zx_ = 0, zy_ = 0;
    bool deficit_[2] = {false, false};
    bool significant_ = false;
    Verdict verdict_ = Verdict::Neither;
};

}  // namespace

TwoTasksResults CompareTwoTasks(const TwoTasksInputs& in, std::string_view decimalSeparator)
{
    return TwoTasks(decimalSeparator, SharedStatistics()).Run(in);
}

namespace {

Shown Judge(const Texts& boxes, std::string_view separator)
{
    Shown shown = WriteBoxes(CompareTwoTasks(ReadBoxes(boxes, kTwoTasksInputs), separator), kTwoTasksResults);
    shown.spoken = "Two tasks shown: " + shown.texts["txtVerdict"] + ".";
    return shown;
}

std::vector<std::string_view> Boxes() { return BoxNames({}, kTwoTasksInputs, kTwoTasksResults); }
Texts Example()
{
    return {{"txtMeanX", "0"}, {"txtSDX", "1"}, {"txtScoreX", "-3.857"}, {"txtMeanY", "0"},      {"txtSDY", "1"},
            {"txtScoreY", "-1.875"}, {"txtN", "20"}, {"txtCorrelation", "0.68"}, {"txtLevel", "95"}};
}

}  // namespace

const Calculation kTwoTasks{"cmdGo", &Judge, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
