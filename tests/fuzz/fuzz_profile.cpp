// ProfileScores on any pasted block and level: the input is split at the first byte 0x01.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/messages.h"
#include "core/calculations/profile.h"
#include "tests/support/properties.h"

namespace {

std::size_t Count(std::string_view text, std::string_view part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using properties::Require;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\x01');
    const core::ProfileInputs in{input.substr(0, cut), cut == std::string::npos ? "95" : input.substr(cut + 1)};
    const core::ProfileResults r = core::ProfileScores(in, ",");
    Require(r.picProfile.starts_with("<svg") && r.picProfile.ends_with("</svg>"), "a picture");
    if (r.message) {
        Require(*r.message == core::messages::kTooManyMeasures || *r.message == core::messages::kConfidenceOutOfRange ||
                    *r.message == core::messages::kNoMeasures ||
                    *r.message == core::messages::NotANumber(core::messages::subject::kLevel),
                "unknown message", *r.message);
        Require(r.table.rows.empty() && r.txtReport.empty(), "nothing computed beside a message");
        return 0;
    }
    // Every line with more than blanks gives a row, but a heading.
    std::size_t lines = 0;
    for (std::size_t start = 0; start <= in.txtRows.size();) {
        const std::size_t end = std::min(in.txtRows.find('\n', start), in.txtRows.size());
        lines += in.txtRows.substr(start, end - start).find_first_not_of(" \t\r") != std::string::npos;
        start = end + 1;
    }
    Require(r.table.rows.size() == lines || r.table.rows.size() + 1 == lines, "a row a line");
    std::size_t computed = 0;
    for (const auto& row : r.table.rows) {
        Require(row.size() == 11 || row.size() == 3, "figures or a note");
        computed += row.size() == 11;
        if (row.size() == 11)
            for (std::size_t i : {2u, 4u}) {
                std::string figure = row[i];  // written with the comma it was asked for
                for (char& c : figure)
                    c = c == ',' ? '.' : c;
                Require(properties::IsNumberText(figure), "a figure", row[i]);
            }
    }
    Require(Count(r.picProfile, "class=\"score") == computed, "a mark a computed measure");
    Require(Count(r.table.tsv, "\n") == r.table.rows.size() + 1, "a copied line a row");
    return 0;
}
