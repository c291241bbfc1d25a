// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreValues.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace tilora {
namespace {

TEST(ScoreValuesTest, ScoreTextHasTheThreeFormsOfGcvtWithFiveDigits)
{
    const std::pair<int, const char*> cases[] = {
        // Up to 9999: the digits and a full stop.
        {0, "0."},
        {7, "7."},
        {437, "437."},
        {9999, "9999."},
        // Five digits fill all significant places: no full stop.
        {10000, "10000"},
        {19999, "19999"},
        {99999, "99999"},
        // Beyond: exponent form, rounded to five digits, trailing zeros dropped.
        {100000, "1.e+005"},
        {120000, "1.2e+005"},
        {123456, "1.2346e+005"},
        {999996, "1.e+006"},  // rounding carries into the exponent
        {2147483647, "2.1475e+009"},
        // Negative numbers get a minus sign in front of the same form.
        {-1, "-1."},
        {-437, "-437."},
        {-19999, "-19999"},
        {-123456, "-1.2346e+005"},
        // Exact ties round away from zero: the sixth digit a 5 with nothing after it, where
        // rounding to even would give the other neighbour.
        {123465, "1.2347e+005"},  // to even: 1.2346e+005
        {100005, "1.0001e+005"},  // to even: 1.e+005
        {999995, "1.e+006"},      // the carry runs into the exponent
        {-123465, "-1.2347e+005"},
        {1234565, "1.2346e+006"},  // 1.234565: not a tie at five digits, rounds up all the same
        {1234550, "1.2346e+006"},  // a tie whose even neighbour is the same
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(ScoreText(seconds), text) << seconds;
}

TEST(ScoreValuesTest, GcvtOfFractionsAndSmallValues)
{
    EXPECT_EQ(GcvtText(0.125, 2), "0.13");  // 0.125 is exact in binary: a tie, rounded up
    EXPECT_EQ(GcvtText(0.5, 5), "0.5");
    EXPECT_EQ(GcvtText(437.25, 5), "437.25");
    EXPECT_EQ(GcvtText(437.256, 5), "437.26");
    EXPECT_EQ(GcvtText(0.05, 5), "5.e-002");
    EXPECT_EQ(GcvtText(1.5e-20, 5), "1.5e-020");
    EXPECT_EQ(GcvtText(1e300, 5), "1.e+300");
}

TEST(ScoreValuesTest, AtoFReadsTheLongestNumberAtTheStart)
{
    EXPECT_EQ(AtoF("437."), 437.0);
    EXPECT_EQ(AtoF(" 437."), 437.0);
    EXPECT_EQ(AtoF("\t\n 437.5xyz"), 437.5);
    EXPECT_EQ(AtoF("4e2"), 400.0);
    EXPECT_EQ(AtoF("1.2346e+005"), 123460.0);
    EXPECT_EQ(AtoF("-12.5"), -12.5);
    EXPECT_EQ(AtoF("+3"), 3.0);
    EXPECT_EQ(AtoF(".5"), 0.5);
    EXPECT_EQ(AtoF("20000"), 20000.0);
    // An exponent without digits is not part of the number.
    EXPECT_EQ(AtoF("7e"), 7.0);
    EXPECT_EQ(AtoF("7e+"), 7.0);
    EXPECT_EQ(AtoF("7E-1"), 0.7);
    // No number at the start gives 0; hexadecimal, infinity and NaN spellings are no number.
    EXPECT_EQ(AtoF("abc"), 0.0);
    EXPECT_EQ(AtoF(""), 0.0);
    EXPECT_EQ(AtoF("."), 0.0);
    EXPECT_EQ(AtoF("-"), 0.0);
    EXPECT_EQ(AtoF("- 5"), 0.0);
    EXPECT_EQ(AtoF("e5"), 0.0);
    EXPECT_EQ(AtoF("0x1A"), 0.0);
    EXPECT_EQ(AtoF("inf"), 0.0);
    EXPECT_EQ(AtoF("nan"), 0.0);
    // Beyond the range of a double.
    EXPECT_EQ(AtoF("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(AtoF("-1e99999999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(AtoF("1e-999"), 0.0);
    EXPECT_EQ(AtoF("0.0001e-400"), 0.0);
    EXPECT_DOUBLE_EQ(AtoF("123456789012345678901234567890e-10"), 1.2345678901234568e19);
}

TEST(ScoreValuesTest, EveryScoreTextReadsBackAsItsSeconds)
{
    for (int seconds = -100; seconds < 100000; ++seconds)
        ASSERT_EQ(AtoF(ScoreText(seconds)), seconds) << ScoreText(seconds);
    // The exponent form keeps five significant digits.
    EXPECT_EQ(AtoF(ScoreText(123456)), 123460.0);
}

TEST(ScoreValuesTest, NameValueIsExactlyEightCharacters)
{
    EXPECT_EQ(NameValue(""), "        ");
    EXPECT_EQ(NameValue("abc"), "abc     ");
    EXPECT_EQ(NameValue("Jonathan"), "Jonathan");
    EXPECT_EQ(NameValue("Christopher"), "Christop");
    // Characters, not bytes: eight two-byte letters fill the value without a blank, and a
    // ninth is dropped whole.
    EXPECT_EQ(NameValue("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA8\xC3\xAA\xC3\xAB"),
              "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA8\xC3\xAA\xC3\xAB");
    EXPECT_EQ(NameValue("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA8\xC3\xAA\xC3\xAB\xC3\xAF"),
              "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9\xC3\xA8\xC3\xAA\xC3\xAB");
    // A four-byte character counts as one.
    EXPECT_EQ(NameValue("\xF0\x9F\x98\x80" "ab"), "\xF0\x9F\x98\x80" "ab     ");
    EXPECT_EQ(CharacterCount(NameValue("\xF0\x9F\x98\x80" "ab")), 8u);
    // A line break in a name would split the file's line: it becomes a blank.
    EXPECT_EQ(NameValue("a\nb\r[c]"), "a b [c] ");
}

// Makes a locale with a decimal comma current for the C library, and undoes it.
class CommaLocale {
public:
    CommaLocale()
    {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                m_active = true;
                return;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool Active() const { return m_active; }

private:
    bool m_active = false;
};

TEST(ScoreValuesTest, ALocaleWithADecimalCommaChangesNothing)
{
    const CommaLocale locale;
    if (!locale.Active())
        GTEST_SKIP() << "no German or French locale on this machine";
    ASSERT_EQ(std::localeconv()->decimal_point[0], ',');  // the C library would now write "437,"
    EXPECT_EQ(ScoreText(437), "437.");
    EXPECT_EQ(ScoreText(123456), "1.2346e+005");
    EXPECT_EQ(GcvtText(0.5, 5), "0.5");
    EXPECT_EQ(AtoF("437.5"), 437.5);
    EXPECT_EQ(AtoF("437,5"), 437.0);
    EXPECT_EQ(AtoF("1.2346e+005"), 123460.0);
}

}  // namespace
}  // namespace tilora
