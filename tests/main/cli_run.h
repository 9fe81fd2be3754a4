#pragma once
// Runs one command of the command line in the test's own process and keeps
// its exit status and what it wrote to standard output and standard error.

#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace dsp::test {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

using CliCommand = int (*)(std::span<const std::string_view>, std::ostream&, std::ostream&);

inline CliResult RunCli(CliCommand command, const std::vector<std::string>& args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    const int status = command(views, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace dsp::test
