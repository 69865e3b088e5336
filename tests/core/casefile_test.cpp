#include "core/reading/casefile.h"

#include <fstream>
#include <sstream>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "core/calculation.h"
#include "core/calculations/report.h"
#include "core/design/windows.h"

namespace {

// Every window that keeps its inputs, filled with its calculation's example, and a header.
core::CaseWindows EveryWindow()
{
    core::CaseWindows windows;
    for (const core::design::Window* w : core::design::kWindows)
        if (const core::Calculation* c = core::CalculationOf(w->name); c && w->keeps)
            windows[std::string(w->name)] = core::Kept(*w, c->example());
    windows["frmReport"] = {{"txtPerson", "A. \"B\" <C>"}, {"txtDate", "9 December 2026"}, {"txtExaminer", ""}};
    return windows;
}

core::CaseWindows Read(const std::string& file, const char* separator = ".")
{
    auto read = core::ReadCase(file, separator);
    if (const auto* message = std::get_if<std::string>(&read))
        ADD_FAILURE() << *message;
    return std::get_if<core::CaseWindows>(&read) ? std::get<core::CaseWindows>(read) : core::CaseWindows();
}

TEST(CaseFile, SavedAndOpenedGivesTheSameInputsAndTheSameReport)
{
    const core::CaseWindows windows = EveryWindow();
    const std::string file = core::WriteCase(windows, ".", "2026-12-09T10:00:00Z");
    EXPECT_EQ(file.substr(0, 99), "{\n  \"format\": \"mervane-case\",\n  \"version\": 1,\n  \"saved\": \"2026-12-09T10:00:00Z\",\n"
                                  "  \"decimal\": \".\",\n");
    const core::CaseWindows read = Read(file);
    EXPECT_EQ(read, windows);
    EXPECT_EQ(core::DocumentText(core::AssessmentReport(read, ".").WithHeader(read.at("frmReport"))),
              core::DocumentText(core::AssessmentReport(windows, ".").WithHeader(windows.at("frmReport"))));
}

// Typed under de_DE, read under en_US: each number with the point, names as typed.
TEST(CaseFile, ACommaCaseReadsTheSameUnderAPointLocale)
{
    const core::CaseWindows typed = {
        {"frmProfile", {{"txtRows", "Trails, part B;75;25;110,5;0,86;lower\nVocabulary\t10\t3\t14\t0,9\n"}, {"txtLevel", "95"}}},
        {"frmCase", {{"txtMeasure", "Naming 2,5"}, {"txtMean", "2,5"}, {"txtSD", "1,25e1"}}},
    };
    const std::string file = core::WriteCase(typed, ",", "2026-12-09T10:00:00Z");
    const core::CaseWindows point = Read(file, ".");
    EXPECT_EQ(point.at("frmProfile").at("txtRows"), "Trails, part B;75;25;110.5;0.86;lower\nVocabulary\t10\t3\t14\t0.9\n");
    EXPECT_EQ(point.at("frmCase").at("txtMean"), "2.5");
    EXPECT_EQ(point.at("frmCase").at("txtSD"), "1.25e1");
    EXPECT_EQ(point.at("frmCase").at("txtMeasure"), "Naming 2,5");
    EXPECT_EQ(Read(file, ","), typed);  // under a comma locale, as typed
}

TEST(CaseFile, RefusesWhatIsNotACaseAndSaysWhy)
{
    const std::string good = "{\"format\": \"mervane-case\", \"version\": 1, \"windows\": {";
    const struct {
        std::string file;
        const char* message;
    } rows[] = {
        {"{\"format\": \"mervane-case\",\n \"version\": \"\xff\"}", "This file is not a Mervane case: it is not UTF-8 text."},
        {"{\n  \"format\": \"mervane-case\",\n  \"version\": 1,,\n}",
         "This file is not a Mervane case: it is not JSON (line 3, column 16)."},
        {"{\"format\": \"other\", \"version\": 1}", "This file is not a Mervane case: it is of another format."},
        {"[1, 2]", "This file is not a Mervane case: it is of another format."},
        {"{\"format\": \"mervane-case\"}", "This file is not a Mervane case: it has no version number."},
        {"{\"format\": \"mervane-case\", \"version\": 2}", "This case was saved by a newer Mervane (version 2)."},
        {good + "\"frmNone\": {}}}", "This case names a window that Mervane does not have: frmNone."},
        {good + "\"frmMain\": {}}}", "This case names a window that Mervane does not have: frmMain."},
        {good + "\"frmProfile\": {\"txtMeanScore\": \"1\"}}}",
         "This case names a box that the window Score Profile does not have: txtMeanScore."},
        {good + "\"frmProfile\": {\"txtLevel\": 95}}}", "In this case, the box txtLevel of Score Profile does not hold text."},
        {"{\"format\": \"mervane-case\", \"version\": 1, \"header\": {\"person\": null}}",
         "In this case, the header's person is not text."},
        {std::string(1024 * 1024 + 1, ' '), "This file is too large to be a Mervane case (over 1 MB)."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.substr(0, 80));
        const auto read = core::ReadCase(row.file, ".");
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_EQ(std::get<std::string>(read), row.message);
    }
    // At the limit it is read.
    std::string limit = "{\"format\": \"mervane-case\", \"version\": 1}";
    limit.resize(1024 * 1024, ' ');
    EXPECT_TRUE(std::holds_alternative<core::CaseWindows>(core::ReadCase(limit, ".")));
}

// A file of the first version, kept as it was written: every later version opens it.
TEST(CaseFile, TheFirstVersionStillOpens)
{
    std::ifstream in(MERVANE_TEST_DATA "/case-v1.mervane", std::ios::binary);
    std::stringstream file;
    file << in.rdbuf();
    const core::CaseWindows read = Read(file.str());
    EXPECT_EQ(read.at("frmReport").at("txtPerson"), "A. N. Other");
    const core::Document report = core::AssessmentReport(read, ".").WithHeader(read.at("frmReport"));
    std::string headings;
    for (const core::Block& b : report)
        if (b.kind == core::Block::Kind::Heading)
            headings += b.text + "; ";
    EXPECT_EQ(headings, "Score Profile; Low Scores; Two Scores; Case Against Controls; Methods; ");
}

TEST(CaseFile, RecordsTheTimeInUtc)
{
    EXPECT_EQ(core::CaseTime(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(core::CaseTime(1796810400), "2026-12-09T10:00:00Z");
}

}  // namespace
