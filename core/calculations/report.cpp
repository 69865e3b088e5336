#include "core/calculations/report.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "core/design/windows.h"

namespace core {
namespace {

// The methods a report may name, in the order its Methods section lists them.
enum Method : unsigned {
    kLabels = 1u << 0,
    kTrueScores = 1u << 1,
    kDifference = 1u << 2,
    kModifiedT = 1u << 3,
    kAbnormalityLimits = 1u << 4,
    kDissociation = 1u << 5,
    kRegression = 1u << 6,
    kLowScoreBaseRates = 1u << 7,
};

struct Reference {
    Method method;
    std::string_view text;
};

// Each checked against the published article.
constexpr Reference kReferences[] = {
    {kLabels,
     "Descriptive labels of standard scores: Guilmette, T. J., Sweet, J. J., Hebben, N., Koltai, D., Mahone, E. M., "
     "Spiegler, B. J., Stucky, K., Westerveld, M., & Conference Participants (2020). American Academy of Clinical "
     "Neuropsychology consensus conference statement on uniform labeling of performance test scores. The Clinical "
     "Neuropsychologist, 34(3), 437-453."},
    {kTrueScores,
     "Estimated true scores, their intervals and the reliable change index: Jacobson, N. S., & Truax, P. (1991). "
     "Clinical significance: A statistical approach to defining meaningful change in psychotherapy research. Journal "
     "of Consulting and Clinical Psychology, 59(1), 12-19."},
    {kDifference,
     "The reliable and the abnormal difference between two scores: Payne, R. W., & Jones, H. G. (1957). Statistics "
     "for the investigation of individual cases. Journal of Clinical Psychology, 13(2), 115-121."},
    {kModifiedT,
     "A case against a small control sample, by the modified t test: Crawford, J. R., & Howell, D. C. (1998). "
     "Comparing an individual's test score against norms derived from small samples. The Clinical Neuropsychologist, "
     "12(4), 482-486."},
    {kAbnormalityLimits,
     "Confidence limits on the abnormality of a score: Crawford, J. R., & Garthwaite, P. H. (2002). Investigation of "
     "the single case in neuropsychology: Confidence limits on the abnormality of test scores and test score "
     "differences. Neuropsychologia, 40(8), 1196-1208."},
    {kDissociation,
     "The difference between two tasks, by the Revised Standardized Difference Test: Crawford, J. R., & Garthwaite, "
     "P. H. (2005). Testing for suspected impairments and dissociations in single-case studies in neuropsychology: "
     "Evaluation of alternatives using Monte Carlo simulations and revised tests for dissociations. "
     "Neuropsychology, 19(3), 318-331."},
    {kRegression,
     "A score against its prediction from a regression equation: Crawford, J. R., & Garthwaite, P. H. (2006). "
     "Comparing patients' predicted test scores from a regression equation with their obtained scores: A significance "
     "test and point estimate of abnormality with accompanying confidence limits. Neuropsychology, 20(3), 259-271."},
    {kLowScoreBaseRates,
     "How many healthy people have as many low scores: Crawford, J. R., Garthwaite, P. H., & Gault, C. B. (2007). "
     "Estimating the percentage of the population with abnormally low scores (or abnormally large score "
     "differences) on standardized neuropsychological test batteries: A generic method with applications. "
     "Neuropsychology, 21(4), 419-430."},
};

// The windows a report tells of, in its order, with the methods each uses
// and the drawing it carries, if any.
struct Section {
    const design::Window* window;
    unsigned methods;
    std::string_view drawing = {};
};

constexpr Section kSections[] = {
    {&design::frmInterpret, kLabels | kTrueScores},
    {&design::frmBatch, kLabels | kTrueScores},
    {&design::frmProfile, kLabels | kTrueScores, "picProfile"},
    {&design::frmLowScores, kLowScoreBaseRates},
    {&design::frmCompare, kLabels | kDifference},
    {&design::frmPredict, kRegression},
    {&design::frmCase, kModifiedT | kAbnormalityLimits},
    {&design::frmTwoTasks, kModifiedT | kDissociation},
};

// Whether the user typed anything into the window: a box that differs from
// what its design opens with.
bool HoldsInputs(const design::Window& window, const Texts& kept)
{
    return std::any_of(window.controls.begin(), window.controls.end(), [&](const design::Control& c) {
        const std::string_view text = TextOf(kept, c.name);
        return design::IsInput(c) && !IsBlankText(text) && text != c.text;
    });
}

// A drawing's size from its SVG's own width and height, in pixels.
double Dimension(const std::string& svg, std::string_view attribute)
{
    std::string key(" ");
    (key += attribute) += "=\"";
    const std::size_t at = svg.find(key);
    // The core draws whole pixels.
    return at == std::string::npos ? 0 : static_cast<double>(std::strtol(svg.c_str() + at + key.size(), nullptr, 10));
}

Block Text(Block::Kind kind, std::string text) { return Block{kind, std::move(text), {}, {}, {}}; }

}  // namespace

AssessmentReport::AssessmentReport(const KeptInputs& kept, std::string_view decimalSeparator)
{
    unsigned used = 0;
    std::vector<std::string> notIncluded;
    for (const Section& section : kSections) {
        const design::Window& window = *section.window;
        const auto found = kept.find(window.name);
        if (found == kept.end() || !HoldsInputs(window, found->second))
            continue;
        Shown shown = Finished(*CalculationOf(window.name), Kept(window, found->second), decimalSeparator);
        if (shown.message) {
            notIncluded.push_back(std::string(window.caption) + ": not included: " + *shown.message);
            continue;
        }
        ++sections_;
        used |= section.methods;
        body_.push_back(Text(Block::Kind::Heading, std::string(window.caption)));
        if (const std::string_view report = TextOf(shown.texts, "txtReport"); !report.empty())
            body_.push_back(Text(Block::Kind::Paragraph, std::string(report)));
        if (shown.table) {
            Block table = Text(Block::Kind::Table, "");
            table.columns = std::move(shown.table->columns);
            table.rows = std::move(shown.table->rows);
            body_.push_back(std::move(table));
        }
        if (!section.drawing.empty()) {
            Block picture = Text(Block::Kind::Picture, std::string(design::Find(window, section.drawing)->accessible));
            picture.svg = std::string(TextOf(shown.texts, section.drawing));
            picture.width = Dimension(picture.svg, "width");
            picture.height = Dimension(picture.svg, "height");
            body_.push_back(std::move(picture));
        }
    }
    if (!sections_)
        body_.push_back(Text(Block::Kind::Paragraph,
                             "No window holds results yet. Fill in the windows that the main window opens: each "
                             "window that computes comes here with its results."));
    if (!notIncluded.empty()) {
        body_.push_back(Text(Block::Kind::Heading, "Not included"));
        for (std::string& line : notIncluded)
            body_.push_back(Text(Block::Kind::Paragraph, std::move(line)));
    }
    if (used) {
        body_.push_back(Text(Block::Kind::Heading, "Methods"));
        for (const Reference& reference : kReferences)
            if (used & reference.method)
                body_.push_back(Text(Block::Kind::Paragraph, std::string(reference.text)));
    }
}

Document AssessmentReport::WithHeader(const Texts& header) const
{
    Document document{Text(Block::Kind::Title, "Report")};
    for (const design::Control& c : design::frmReport.controls)
        if (const std::string_view text = TextOf(header, c.name); design::IsInput(c) && !IsBlankText(text))
            document.push_back(Text(Block::Kind::Paragraph, std::string(c.accessible) + ": " + std::string(text)));
    document.insert(document.end(), body_.begin(), body_.end());
    return document;
}

}  // namespace core
