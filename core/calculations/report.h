#ifndef MERVANE_CORE_CALCULATIONS_REPORT_H
#define MERVANE_CORE_CALCULATIONS_REPORT_H

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "core/text/document.h"

namespace core {

// What each window that keeps its inputs kept, by the window's design name.
using KeptInputs = std::map<std::string, Texts, std::less<>>;

// The whole assessment as one document, computed afresh from each window's
// kept inputs by the same calculation that window's command runs, so that
// every figure is the one the window shows. A section for each window that
// holds inputs and computes without a message, in the order a report tells
// them; the windows whose inputs give a message, named with it at the end;
// and the methods the sections used, with their references.
class AssessmentReport {
public:
    AssessmentReport(const KeptInputs& kept, std::string_view decimalSeparator);

    // The document under a header of the person, date and examiner boxes, where filled in.
    Document WithHeader(const Texts& header) const;

    // Whether any window gave a section.
    bool Empty() const { return sections_ == 0; }

private:
    Document body_;
    int sections_ = 0;
};

}  // namespace core

#endif
