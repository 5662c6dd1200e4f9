#include "store/record/IntegerText.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct IntegerCase {
    const char* text; // UTF-8
    std::optional<std::int32_t> expected;
};

class ParseInt32Test : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParseInt32Test, ReadsOrRejects) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(ParseInt32(QString::fromUtf8(c.text)), c.expected) << "text: '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseInt32Test,
    testing::Values(IntegerCase{"0", 0}, IntegerCase{"12", 12}, IntegerCase{"+7", 7},
                    IntegerCase{"-150", -150}, IntegerCase{" 12", 12}, IntegerCase{"   -3", -3},
                    IntegerCase{"000000000000042", 42}, IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", INT32_MIN}, IntegerCase{"-0", 0},
                    IntegerCase{"2147483648", std::nullopt},
                    IntegerCase{"-2147483649", std::nullopt},
                    IntegerCase{"99999999999999999999999", std::nullopt},
                    IntegerCase{"12 ", std::nullopt}, IntegerCase{"\t12", std::nullopt},
                    IntegerCase{"", std::nullopt}, IntegerCase{"-", std::nullopt},
                    IntegerCase{"+", std::nullopt}, IntegerCase{"+-5", std::nullopt},
                    IntegerCase{"- 5", std::nullopt}, IntegerCase{"1e3", std::nullopt},
                    IntegerCase{"12.5", std::nullopt}, IntegerCase{"abc", std::nullopt},
                    IntegerCase{"０", std::nullopt}, IntegerCase{"1０", std::nullopt},
                    IntegerCase{"٣", std::nullopt}, IntegerCase{"1\n", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParseInt32Test,
    testing::Values(IntegerCase{"0x1F", 31}, IntegerCase{"0X1f", 31}, IntegerCase{"$1F", 31},
                    IntegerCase{"x14", 20}, IntegerCase{"X14", 20}, IntegerCase{"-$10", -16},
                    IntegerCase{"+$10", 16}, IntegerCase{" -0x10", -16},
                    IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"$80000000", INT32_MIN},
                    IntegerCase{"$7fffffff", INT32_MAX}, IntegerCase{"-$80000000", INT32_MIN},
                    IntegerCase{"-$FFFFFFFF", 1}, IntegerCase{"$000000001", 1},
                    IntegerCase{"$00000000000", 0}, IntegerCase{"$100000000", std::nullopt},
                    IntegerCase{"$", std::nullopt}, IntegerCase{"0x", std::nullopt},
                    IntegerCase{"-$", std::nullopt}, IntegerCase{"$G", std::nullopt},
                    IntegerCase{"$1F ", std::nullopt}, IntegerCase{"$ 1F", std::nullopt},
                    IntegerCase{"0x0x1", std::nullopt}, IntegerCase{"$$1", std::nullopt},
                    IntegerCase{"00x1", std::nullopt}, IntegerCase{"$１", std::nullopt}));

} // namespace
