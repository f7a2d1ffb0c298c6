#include "driver/pipeline.h"

#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace quillo {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    EXPECT_EQ(start, text.size()) << "the log ends with a line feed";
    return lines;
}

// The duration at the end of a log line, e.g. "12.345" from "...in 12.345ms".
std::string duration_of(const std::string& line) {
    static const std::regex re(R"((\d+\.\d{3})ms$)");
    std::smatch m;
    if (!std::regex_search(line, m, re)) {
        ADD_FAILURE() << "no duration in " << line;
        return {};
    }
    return m[1];
}

TEST(RunScript, SummaryRepeatsTheDurationsLoggedBefore) {
    const ScratchDir dir;
    const std::string path = dir.write("sum.ql", "let a = [1, 2, 3]\nwhile a { a = 0 }\n");
    ::testing::internal::CaptureStderr();
    const int status = run_script(Options{true, path});
    const std::vector<std::string> log = lines_of(::testing::internal::GetCapturedStderr());
    EXPECT_EQ(status, 0);
    ASSERT_EQ(log.size(), 14u);
    EXPECT_NE(log[3].find("Tokenization completed in "), std::string::npos);
    EXPECT_NE(log[5].find("Parsing completed in "), std::string::npos);
    EXPECT_NE(log[10].find("Tokenization: "), std::string::npos);
    EXPECT_NE(log[11].find("Parsing:      "), std::string::npos);
    EXPECT_EQ(duration_of(log[10]), duration_of(log[3]));
    EXPECT_EQ(duration_of(log[11]), duration_of(log[5]));
}

TEST(RunScript, QuietWithoutVerbose) {
    const ScratchDir dir;
    const std::string path = dir.write("quiet.ql", "let x = 1\n");
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(run_script(Options{false, path}), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

} // namespace
} // namespace quillo
