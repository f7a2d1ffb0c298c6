#include "builtins/case_mapping.h"

#include <string>

#include <gtest/gtest.h>

namespace quillo {
namespace {

TEST(CaseMapping, FullMappingsChangeLengths) {
    EXPECT_EQ(to_upper_text("stra\xc3\x9f"
                            "e"),
              "STRASSE");
    EXPECT_EQ(to_upper_text("\xef\xac\x81"
                            "x"),
              "FIX"); // the "fi" ligature
    EXPECT_EQ(to_lower_text("ABC d\xc3\x89"), "abc d\xc3\xa9");
    // The language-neutral mapping, whatever the environment's locale: the
    // capital I with a dot lowers to i and a combining dot, and i uppers
    // to a plain I.
    EXPECT_EQ(to_lower_text("\xc4\xb0"), "i\xcc\x87");
    EXPECT_EQ(to_upper_text("i"), "I");
}

TEST(CaseMapping, FinalSigmaDependsOnContext) {
    // ΟΔΟΣ → οδος with the final sigma; a sigma inside a word stays σ.
    EXPECT_EQ(to_lower_text("\xce\x9f\xce\x94\xce\x9f\xce\xa3"),
              "\xce\xbf\xce\xb4\xce\xbf\xcf\x82");
    EXPECT_EQ(to_lower_text("\xce\xa3\xce\x91"), "\xcf\x83\xce\xb1");
    EXPECT_EQ(to_lower_text("\xce\x91\xce\xa3 \xce\x91"), "\xce\xb1\xcf\x82 \xce\xb1");
}

TEST(CaseMapping, PiecesGiveTheSameResultAsTheWhole) {
    // Long texts are mapped piece by piece, cut after blanks; the cuts must
    // not change the final-sigma context or split a character. (Pieces
    // longer than the longest word.)
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += (i % 3 == 0)   ? "\xce\x9f\xce\xa3 "
                : (i % 3 == 1) ? "\xce\xa3\xce\xa3\xce\xa3\n"
                               : "stra\xc3\x9f"
                                 "e\xce\xa3";
    for (std::size_t piece : {14, 15, 16, 21, 37, 100}) {
        EXPECT_EQ(to_lower_text(text, piece), to_lower_text(text)) << piece;
        EXPECT_EQ(to_upper_text(text, piece), to_upper_text(text)) << piece;
    }
    // Without blanks the cut falls on a character boundary.
    const std::string greek = "\xce\x91\xce\x92\xce\x93\xce\x94\xce\x95\xce\x96";
    for (std::size_t piece : {1, 2, 3, 5})
        EXPECT_EQ(to_lower_text(greek, piece), to_lower_text(greek)) << piece;
    // Malformed bytes only: still terminates, bytes kept.
    EXPECT_EQ(to_upper_text("\x80\x80\x80\x80\x80", 2).size(), 5u);
}

} // namespace
} // namespace quillo
