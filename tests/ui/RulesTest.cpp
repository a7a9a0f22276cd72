// The window's platform-free rules: the version number, the error box's full stop, scaling.

#include <gtest/gtest.h>

#include <climits>

#include "ErrorText.h"
#include "FormLayout.h"
#include "SpinRules.h"
#include "VersionNumber.h"

namespace {

struct VersionCase {
    const char* text;
    std::int32_t expected;
};

class VersionNumberTest : public testing::TestWithParam<VersionCase> {};

TEST_P(VersionNumberTest, FromText) {
    EXPECT_EQ(ui::VersionNumber(GetParam().text, 3), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rule, VersionNumberTest,
    testing::Values(
        // Decimal, signs, leading zeros and spaces.
        VersionCase{"5", 5}, VersionCase{"12", 12}, VersionCase{"007", 7}, VersionCase{"+5", 5},
        VersionCase{"-1", -1}, VersionCase{"0", 0}, VersionCase{"   6", 6},
        VersionCase{"2147483647", INT32_MAX}, VersionCase{"-2147483648", INT32_MIN},
        // Hexadecimal prefixes, either case, 32 bits taken as signed.
        VersionCase{"$A", 10}, VersionCase{"x1f", 31}, VersionCase{"X10", 16},
        VersionCase{"0x7", 7}, VersionCase{"0XfF", 255}, VersionCase{"$FFFFFFFF", -1},
        VersionCase{"-$1", -1}, VersionCase{"-0x80000000", INT32_MIN}, VersionCase{"$000000009", 9},
        // Text that breaks the rule gives the fallback.
        VersionCase{"", 3}, VersionCase{"-", 3}, VersionCase{"+", 3}, VersionCase{"5-", 3},
        VersionCase{"5 ", 3}, VersionCase{"a", 3}, VersionCase{"5\r\n", 3}, VersionCase{"\t5", 3},
        VersionCase{"+-5", 3}, VersionCase{"- 5", 3}, VersionCase{"2147483648", 3},
        VersionCase{"-2147483649", 3}, VersionCase{"$100000000", 3}, VersionCase{"$", 3},
        VersionCase{"0x", 3}, VersionCase{"1e2", 3}, VersionCase{"12345678901234567890", 3}),
    [](const testing::TestParamInfo<VersionCase>& info) {
        return "Case" + std::to_string(info.index);
    });

TEST(ErrorText, FullStopOnlyAfterACharacterAboveIt) {
    EXPECT_EQ(ui::ErrorText("Invalid data type for 'Sciezka'"),
              "Invalid data type for 'Sciezka'");  // "'" sorts below "."
    EXPECT_EQ(ui::ErrorText("Brak dostępu"), "Brak dostępu.");
    EXPECT_EQ(ui::ErrorText("Koniec."), "Koniec.");
    EXPECT_EQ(ui::ErrorText("D:\\"), "D:\\.");
    EXPECT_EQ(ui::ErrorText("a-"), "a-");
    EXPECT_EQ(ui::ErrorText("a/"), "a/.");
    EXPECT_EQ(ui::ErrorText("\xB1"), "\xB1.");  // an 8-bit letter counts as above
    EXPECT_EQ(ui::ErrorText(""), "");
}

TEST(SpinRules, ClampOnLeaveOnlyOutsideTheBounds) {
    const std::optional<std::string> stays;
    EXPECT_EQ(ui::ClampedOnLeave("12", 3, 9), std::optional<std::string>("9"));
    EXPECT_EQ(ui::ClampedOnLeave("$FF", 3, 9), std::optional<std::string>("9"));
    EXPECT_EQ(ui::ClampedOnLeave("-5", 3, 9), std::optional<std::string>("3"));
    EXPECT_EQ(ui::ClampedOnLeave("0", 3, 9), std::optional<std::string>("3"));
    EXPECT_EQ(ui::ClampedOnLeave("007", 3, 9), stays);  // in range in another form
    EXPECT_EQ(ui::ClampedOnLeave("+5", 3, 9), stays);
    EXPECT_EQ(ui::ClampedOnLeave("abc", 3, 9), stays);  // no number: 3, already in range
    EXPECT_EQ(ui::ClampedOnLeave("", 3, 9), stays);
    EXPECT_EQ(ui::ClampedOnLeave("12", 4, 4), stays);  // equal bounds: no clamping
}

TEST(FormLayout, DesignedSizesAt96DpiAndProportionsAt144) {
    using ui::layout::Rect;
    for (const auto& control : ui::layout::kControls) {
        EXPECT_EQ(ui::layout::Scale(control.rect, 96), control.rect);
    }
    const auto& edPath = ui::layout::kControls[5];
    ASSERT_EQ(edPath.id, IDC_EDPATH);
    EXPECT_EQ(ui::layout::PlaceInForm(edPath, 96), (Rect{18, 44, 331, 21}));
    // Within the group box, then at the group box: 50 + 17, not 44 * 1.5.
    EXPECT_EQ(ui::layout::PlaceInForm(edPath, 144), (Rect{27, 67, 497, 32}));
    EXPECT_EQ(ui::layout::Scale(548, 144), 822);
    EXPECT_EQ(ui::layout::Scale(124, 120), 155);
    EXPECT_EQ(ui::layout::Scale(-11, 144), -17);  // -16.5 rounds away from zero
}

}  // namespace
