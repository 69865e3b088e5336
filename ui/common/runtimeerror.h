#ifndef MERVANE_UI_COMMON_RUNTIMEERROR_H
#define MERVANE_UI_COMMON_RUNTIMEERROR_H

#include <stdexcept>
#include <string>

namespace ui {

// A failure the program does not expect: the number and description that the
// final report shows, and the source text of where it was raised, which grows
// as it is raised again from wider contexts.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description, std::string source)
        : std::runtime_error(description), number_(number), source_(std::move(source)) {}

    int Number() const { return number_; }
    const std::string& Source() const { return source_; }

    // The same failure, raised again from a wider context.
    RuntimeError WithSource(const std::string& more) const { return {number_, what(), source_ + more}; }

private:
    int number_;
    std::string source_;
};

// The number and description a report gives for any exception.
struct ErrorReport {
    int number;
    std::string description;
};
ErrorReport Describe(const std::exception& e);

// Shows the final report of an unexpected failure: a message box captioned
// with the application title, with the error's number and description.
void ReportFatal(const std::exception& e);

}  // namespace ui

#endif
