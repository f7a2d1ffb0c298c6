#include "driver/options.h"
#include "driver/script_file.h"

#include <optional>
#include <string>

#include "scratch_dir.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(Extension, AcceptsExactlyDotQl) {
    for (const char* ok : {"a.ql", "dir/a.ql", "/abs/dir/x.y.ql", "..ql", ".x.ql", "a.ql/",
                           "dir/a.ql/.", "./a.ql", "caf\xc3\xa9.ql"}) {
        EXPECT_TRUE(has_ql_extension(ok)) << ok;
    }
}

TEST(Extension, RejectsEverythingElse) {
    for (const char* bad : {"", "a.QL", "a.Ql", "ql", "aql", ".ql", "dir/.ql", "a.ql.txt", "a.qll",
                            "a.", "a.ql ", "dir.ql/..", "..", ".", "/", "a.ql/b", "x/.ql/"}) {
        EXPECT_FALSE(has_ql_extension(bad)) << bad;
    }
}

TEST(Options, SwitchAnywhereFirstPathWins) {
    Options o = parse_options({"-v", "a.ql", "b.ql", "--verbose"});
    EXPECT_TRUE(o.verbose);
    EXPECT_EQ(o.script_path, "a.ql");

    o = parse_options({"", "b.ql"});
    EXPECT_FALSE(o.verbose);
    EXPECT_EQ(o.script_path, "b.ql") << "an empty argument is not a path";

    o = parse_options({"--verbose"});
    EXPECT_TRUE(o.verbose);
    EXPECT_TRUE(o.script_path.empty());

    o = parse_options({"-V", "-verbose", "--v"});
    EXPECT_FALSE(o.verbose) << "only the exact spellings are the switch";
    EXPECT_EQ(o.script_path, "-V");

    o = parse_options({"\xff\xfe.ql"});
    EXPECT_EQ(o.script_path, "\xff\xfe.ql") << "non-UTF-8 bytes are kept as they are";
}

// Help and version are answered only where the script path would be taken.
TEST(Options, HelpAndVersionOnlyInThePathsPlace) {
    const struct {
        std::vector<std::string> args;
        Request request;
        const char* path;
    } cases[] = {
        {{"--help"}, Request::Help, ""},
        {{"-v", "-h", "a.ql"}, Request::Help, ""},
        {{"", "--version"}, Request::Version, ""},
        {{"a.ql", "--help"}, Request::Run, "a.ql"},
        {{"a.ql", "--version", "-h"}, Request::Run, "a.ql"},
        {{"-help"}, Request::Run, "-help"},
        {{"--HELP"}, Request::Run, "--HELP"},
    };
    for (const auto& c : cases) {
        const Options o = parse_options(c.args);
        EXPECT_EQ(o.request, c.request) << c.args.back();
        EXPECT_EQ(o.script_path, c.path) << c.args.back();
    }
}

// --fps takes its value from the next argument or after "=", anywhere.
TEST(Options, FpsTakesAWholeNumberUpToAThousand) {
    const struct {
        std::vector<std::string> args;
        std::uint32_t fps;
        bool bad;
        const char* path;
    } cases[] = {
        {{"a.ql"}, 60, false, "a.ql"},
        {{"--fps", "30", "a.ql"}, 30, false, "a.ql"},
        {{"a.ql", "--fps=0"}, 0, false, "a.ql"},
        {{"--fps", "1000"}, 1000, false, ""},
        {{"--fps", "a.ql"}, 60, true, ""},
        {{"a.ql", "--fps"}, 60, true, "a.ql"},
        {{"--fps=1001", "a.ql"}, 60, true, "a.ql"},
        {{"--fps=-1"}, 60, true, ""},
        {{"--fps="}, 60, true, ""},
    };
    for (const auto& c : cases) {
        const Options o = parse_options(c.args);
        EXPECT_EQ(o.fps, c.fps) << c.args[0];
        EXPECT_EQ(o.bad_fps, c.bad) << c.args[0];
        EXPECT_EQ(o.script_path, c.path) << c.args[0];
    }
}

TEST(ReadScript, ReturnsEveryByteAroundTheReadBufferSize) {
    const ScratchDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{65535}, std::size_t{65536},
                             std::size_t{65537}, std::size_t{3 * 65536 + 5}}) {
        std::string bytes(size, 'x');
        for (std::size_t i = 0; i < size; i += 997)
            bytes[i] = '\n';
        std::string error;
        const std::optional<std::string> text = read_script(dir.write("big.ql", bytes), error);
        ASSERT_TRUE(text) << size << ": " << error;
        EXPECT_EQ(*text, bytes) << size;
    }
}

TEST(ReadScript, MultiByteCharacterAcrossTheReadBufferBoundary) {
    const ScratchDir dir;
    const std::string bytes = std::string(65535, 'a') + "\xe2\x94\x80" + "b";
    std::string error;
    const std::optional<std::string> text = read_script(dir.write("edge.ql", bytes), error);
    ASSERT_TRUE(text) << error;
    EXPECT_EQ(*text, bytes);

    const std::string cut = std::string(65536, 'a') + "\xe2\x94";
    EXPECT_FALSE(read_script(dir.write("cut.ql", cut), error));
    EXPECT_EQ(error, "the file is not valid UTF-8 text");
}

} // namespace
} // namespace quillo
