#include "calculator/core/Engine.h"
#include "calculator/core/NumberText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace runtime {
void PrintTo(const Message& m, std::ostream* os) {
    *os << '{' << m.text << ", " << m.title << ", style " << m.style << (m.beep ? ", beep}" : "}");
}
} // namespace runtime

namespace {

using abacon::Engine;
using abacon::Messages;
using runtime::Message;
namespace text = abacon::text;
namespace mb = runtime::mb;

// Every box of the calculator is titled "Abacon" and has only OK.
Message box(const char* text, int icon, bool beep) {
    return Message{text, "Abacon", mb::vbOKOnly + icon, beep};
}

// Drives the engine the way a user does: numbers are typed character by character into the
// register, "+ - X x * / = % ^" are typed too, "P:text" pastes text, the other tokens are key clicks.
Messages run(Engine& e, const std::string& script) {
    Messages all;
    std::istringstream in(script);
    std::string t;
    auto add = [&all](Messages m) {
        all.insert(all.end(), m.begin(), m.end());
    };
    while (in >> t) {
        if (t.starts_with("P:")) {
            add(e.paste(t.substr(2)));
        } else if (t == "CE") {
            e.cancelEntry();
        } else if (t == "C") {
            e.cancelAll();
        } else if (t == "M") {
            e.storeMemory();
        } else if (t == "M+") {
            e.restoreMemory();
        } else if (t == "M-") {
            e.clearMemory();
        } else if (t == "Sq") {
            add(e.square());
        } else if (t == "Rt") {
            add(e.squareRoot());
        } else if (t == "Inv") {
            add(e.reciprocal());
        } else if (t == "Neg") {
            add(e.reverseSign());
        } else if (t == "Sin") {
            add(e.sine());
        } else if (t == "Cos") {
            add(e.cosine());
        } else if (t == "Tan") {
            add(e.tangent());
        } else if (t == "Rad") {
            e.setRadians(true);
        } else if (t == "Deg") {
            e.setRadians(false);
        } else if (t == "BS") {
            e.backspace();
        } else {
            for (char c : t) {
                add(e.typeKey(c));
            }
        }
    }
    return all;
}

std::string line(const std::string& number, char op) {
    return std::string(18 - number.size(), ' ') + number + ' ' + op + "  ";
}
std::string right(const std::string& s) {
    return std::string(18 - s.size(), ' ') + s + "  ";
}
std::string dashes(std::size_t n) {
    return right(std::string(n, '-'));
}

const Message kTwoOps = box(text::kTwoOperators, mb::vbCritical, true);
const Message kTooLarge = box(text::kTooLarge, 0, false);
const Message kDivZero = box(text::kDivideByZero, mb::vbExclamation, true);

struct FlowCase {
    const char* name;
    const char* keys;
    std::string display;
    Messages messages;
    std::vector<std::string> tape; // empty: not checked
};

class Flow : public testing::TestWithParam<FlowCase> {};

TEST_P(Flow, ShowsRegisterTapeAndMessages) {
    const FlowCase& c = GetParam();
    Engine e;
    const Messages got = run(e, c.keys);
    EXPECT_EQ(e.display(), c.display);
    EXPECT_EQ(got, c.messages);
    if (!c.tape.empty()) {
        EXPECT_EQ(e.tape().lines(), c.tape);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Flow,
    testing::Values(
        FlowCase{"TwoPlusThreeWritesFiveTapeLines",
                 "2 + 3 =",
                 "5.00",
                 {},
                 {line("2.00", '+'), line("3.00", '='), dashes(4), right("5.00"), "    "}},
        FlowCase{"SecondOperatorInARowIsIgnored",
                 "2 + X 3 =",
                 "5.00",
                 {kTwoOps},
                 {line("2.00", '+'), line("3.00", '='), dashes(4), right("5.00"), "    "}},
        FlowCase{"PercentDividesFirstBySecondTimesHundred",
                 "50 % 200 =",
                 "25.00",
                 {},
                 {line("50.00", '%'), line("200.00", '='), dashes(5), right("25.00") + " %", "    "}},
        FlowCase{"ThirteenDigitIntegerKeepsFirstTwelve",
                 "1234567890123 + 1 =",
                 "123,456,789,013.00",
                 {kTooLarge},
                 {line("123,456,789,012.00", '+'), line("1.00", '='), dashes(18), right("123,456,789,013.00"),
                  "    "}},
        FlowCase{"TwelveDigitIntegerIsAccepted", "123456789012 + 0 =", "123,456,789,012.00", {}, {}},
        FlowCase{"ChainWorksLeftToRight",
                 "2 + 3 X 4 - 6 / 2 =",
                 "7.00",
                 {},
                 {line("2.00", '+'), line("3.00", 'X'), line("4.00", '-'), line("6.00", '/'),
                  line("2.00", '='), dashes(4), right("7.00"), "    "}},
        FlowCase{"ChainShowsRunningTotal", "2 + 3 X", "5.00", {}, {}},
        FlowCase{"EqualsAfterEqualsRepeatsResult",
                 "2 + 3 = =",
                 "5.00",
                 {},
                 {line("2.00", '+'), line("3.00", '='), dashes(4), right("5.00"), "    ", line("5.00", '='),
                  dashes(4), right("5.00"), "    "}},
        FlowCase{"OperatorAfterResultContinuesFromIt", "2 + 3 = X 4 =", "20.00", {}, {}},
        FlowCase{"DigitAfterResultStartsNewNumber", "2 + 3 = 7 + 1 =", "8.00", {}, {}},
        FlowCase{"CancelEntryReplacesOnlyTheEntry", "2 + 3 CE 4 =", "6.00", {}, {}},
        FlowCase{"CancelEntryThenEqualsKeepsTotal",
                 "2 + CE =",
                 "2.00",
                 {},
                 {line("2.00", '+'), dashes(4), right("2.00"), "    "}},
        FlowCase{"CancelMidCalculationStartsAfresh",
                 "2 + 3 C 4 + 1 =",
                 "5.00",
                 {},
                 {line("4.00", '+'), line("1.00", '='), dashes(4), right("5.00"), "    "}},
        FlowCase{"CancelForgetsTheTotal", "9 + 1 = C + 2 =", "2.00", {}, {}},
        FlowCase{"DivideByZeroKeepsAccumulator", "5 / 0 =", "5.00", {kDivZero}, {}},
        FlowCase{"PercentOfZeroKeepsAccumulator", "5 % 0 =", "5.00", {kDivZero}, {}},
        FlowCase{"PowerKey", "2 ^ 10 =", "1,024.00", {}, {}},
        FlowCase{"UndefinedPowerIsRefused",
                 "0 - 8 = ^ .5 =",
                 "(8.00)",
                 {box(text::kNoResult, mb::vbExclamation, true)},
                 {}},
        FlowCase{"NegativeResultInParenthesesIsReusable", "3 - 5 = + 1 =", "(1.00)", {}, {}},
        FlowCase{"MultiplyKeysTypedAsXLowerXAndStar", "2 X 3 x 4 * 5 =", "120.00", {}, {}},
        FlowCase{"SecondDecimalPointIgnored", "1.2.3 + 0 =", "1.23", {}, {}},
        FlowCase{"DecimalFirstGivesLeadingZero", ".25 + 1 =", "1.25", {}, {}},
        FlowCase{"FourDecimalsAtMost", "1 / 3 =", "0.3333", {}, {}},
        FlowCase{"ThousandsSeparators", "1234567 X 10 =", "12,345,670.00", {}, {}},
        // Cutting "10,000,000,000,000,000,000.00" to 18 characters would show a thousandth of it.
        FlowCase{"OverlongResultKeepsItsMagnitude",
                 "100000000000 X 100000000 =",
                 "1E+19",
                 {kTooLarge},
                 {line("100,000,000,000.00", 'X'), line("100,000,000.00", '='), dashes(5), right("1E+19"),
                  "    "}},
        // The twelve-digit limit is on typing; a thirteen-digit result goes on as it is.
        FlowCase{"ResultAboveTwelveDigitsStaysExact",
                 "999999 X 9999999 = - 1 =",
                 "9999989000000",
                 {kTooLarge, kTooLarge, kTooLarge}, // at each "=" and when "-" shows the total
                 {line("999,999.00", 'X'), line("9,999,999.00", '='), dashes(13), right("9999989000001"),
                  "    ", line("9999989000001", '-'), line("1.00", '='), dashes(13), right("9999989000000"),
                  "    "}},
        FlowCase{"TypingStopsAtEighteenCharacters", "1234567890123456789", "123456789012345678", {}, {}},
        FlowCase{"BackspaceTakesBackLastDigit", "123 BS 4", "124", {}, {}},
        FlowCase{"MemoryRecallIsAnOperand", "12.5 M C 3 + M+ =", "15.50", {}, {}},
        FlowCase{"MemoryClearEmptiesRecall", "12.5 M M- 7 M+", "", {}, {}},
        FlowCase{"Square", "12 Sq", "144.00", {}, {}}, FlowCase{"SquareRoot", "2 Rt", "1.4142", {}, {}},
        FlowCase{"RootOfNegative", "9 Neg Rt", "(9.00)", {box(text::kNegativeRoot, 0, true)}, {}},
        FlowCase{"Reciprocal", "4 Inv", "0.25", {}, {}},
        FlowCase{"ReciprocalOfZero", "0 Inv", "0", {box(text::kZeroReciprocal, 0, true)}, {}},
        FlowCase{"ReverseSign", "5 Neg", "(5.00)", {}, {}},
        FlowCase{"FunctionResultIsAnOperand", "2 + 3 Sq =", "11.00", {}, {}},
        FlowCase{"DigitAfterFunctionStartsNewNumber", "3 Sq 4", "4", {}, {}},
        FlowCase{"DegreesToRadians", "180 Rad", "3.14159", {}, {}},
        FlowCase{"RadiansBackToDegrees", "180 Rad Deg", "180", {}, {}},
        FlowCase{"SameUnitTwiceConvertsOnce", "180 Rad Rad", "3.14159", {}, {}},
        FlowCase{"DegreesOptionWhenAlreadyDegrees", "90 Deg", "90", {}, {}},
        FlowCase{"SineTakesRadians", "1 Sin", "0.841470984807897", {}, {}},
        // 90 degrees are 1.570795 radians with the short pi, so the tangent stays finite.
        FlowCase{"TangentOfNinetyDegrees", "90 Rad Tan", "753695.995140809", {}, {}},
        FlowCase{"TangentResultIsAnOperand", "90 Rad Tan + 1 =", "753,696.9951", {}, {}},
        FlowCase{"TangentNearRightAngleInRadians", "1.5707963267949 Tan", "-286411383293069", {}, {}},
        // Fifteen digits and an exponent would not fit: digits go, the exponent stays.
        FlowCase{"LongPlainResultLosesDigitsNotExponent", ".0000001 Rad", "1.745327777778E-09", {}, {}},
        FlowCase{"ExponentResultIsAnOperand", ".0000001 Rad X 1000000000 =", "1.7453", {}, {}},
        FlowCase{"CosineOfZero", "0 Cos", "1", {}, {}}, FlowCase{"TangentOfZero", "0 Tan", "0", {}, {}}),
    [](const testing::TestParamInfo<FlowCase>& row) { return std::string(row.param.name); });

// A number in short form is replaced, never edited; a long paste is cut like a typed number.
INSTANTIATE_TEST_SUITE_P(
    ShortFormAndLongPaste, Flow,
    testing::Values(
        FlowCase{"DigitsOnRecalledShortResultStartNewNumber",
                 "10000000000 X 10000000000 = M M+ 000 + 5 =",
                 "5.00",
                 {kTooLarge},
                 {line("10,000,000,000.00", 'X'), line("10,000,000,000.00", '='), dashes(5), right("1E+20"),
                  "    ", line("0.00", '+'), line("5.00", '='), dashes(4), right("5.00"), "    "}},
        FlowCase{
            "BackspaceTakesBackShortFormWhole", "10000000000 X 10000000000 = M M+ BS", "", {kTooLarge}, {}},
        FlowCase{"DigitOnPastedHugeNumberStartsNewNumber", "P:1E+300 0 + 1 =", "1.00", {}, {}},
        FlowCase{"DigitOnPastedShortFormStartsNewNumber", "P:1E+5 0", "0", {}, {}},
        FlowCase{"DecimalPointOnShortFormStartsNewNumber", "P:1E+5 . 5", "0.5", {}, {}},
        FlowCase{"DigitsStillExtendAPastedPlainNumber", "P:12 3 + 0 =", "123.00", {}, {}},
        FlowCase{"LongPastedIntegerKeepsFirstTwelveDigits",
                 "P:12345678901234567890 + 0 =",
                 "123,456,789,012.00",
                 {kTooLarge},
                 {line("123,456,789,012.00", '+'), line("0.00", '='), dashes(18), right("123,456,789,012.00"),
                  "    "}},
        FlowCase{"LongPastedShortFormKeepsFirstTwelveDigits",
                 "P:1.23456789012345678E+19",
                 "123456789012",
                 {kTooLarge},
                 {}},
        FlowCase{"LongPastedNegativeDropsSeparatorsBeforeTheCut",
                 "P:(1,234,567,890,123,456.00)",
                 "-12345678901",
                 {kTooLarge},
                 {}},
        FlowCase{"LeadingZerosOfALongPasteAreNoPlaces", "P:000000000000000000012.5", "12.5", {kTooLarge}, {}},
        FlowCase{"CaretTypedIsPower", "2^3=", "8.00", {}, {}}),
    [](const testing::TestParamInfo<FlowCase>& row) { return std::string(row.param.name); });

TEST(EngineState, MovesThroughTheEntryStates) {
    Engine e;
    struct Step {
        const char* keys;
        const char* last;
        int count;
        char pending;
    };
    const Step steps[] = {{"", "NONE", 0, ' '},  {"7", "NUMS", 0, ' '}, {"+", "OPS", 1, '+'},
                          {"X", "OPS", 1, '+'},  {"2", "NUMS", 1, '+'}, {"CE", "CE", 1, '+'},
                          {"3", "NUMS", 1, '+'}, {"=", "EQ", 0, '+'},   {"C", "NONE", 0, ' '}};
    for (const Step& s : steps) {
        run(e, s.keys);
        SCOPED_TRACE(s.keys);
        EXPECT_EQ(abacon::lastEntryName(e.lastEntry()), s.last);
        EXPECT_EQ(e.operatorCount(), s.count);
        EXPECT_EQ(e.pendingOperator(), s.pending);
    }
    EXPECT_TRUE(e.tape().empty());
}

TEST(EngineTape, StatisticsWorkOnTheSelectedLinesAndCancelEntryDropsTheSelection) {
    Engine e;
    run(e, "1,000 + 250.5 - 0.5 =");
    ASSERT_EQ(e.tape().size(), 6u);
    e.tape().setSelected(0, true);
    e.tape().setSelected(1, true);
    e.tape().setSelected(2, true);
    EXPECT_TRUE(e.statistic(abacon::Statistic::Sum).empty());
    EXPECT_EQ(e.display(), "1,250.00");
    run(e, "7"); // the sum is a result: typing starts a new number
    EXPECT_EQ(e.display(), "7");
    e.cancelEntry();
    EXPECT_FALSE(e.tape().hasSelection());
    EXPECT_EQ(e.statistic(abacon::Statistic::Sum), (Messages{box(text::kNoneSelected, 0, false)}));
}

TEST(EngineTape, LabelsAreIndentedAndPasteTakesOnlyNumbers) {
    Engine e;
    e.addLabel("12/07/2026");
    EXPECT_EQ(e.tape().lines().back(), "    12/07/2026");

    struct PasteCase {
        const char* clip;
        const char* display;
        bool refused;
    };
    const PasteCase cases[] = {{" 1,234.50\r\n", "1,234.50", false},
                               {"(12.00)", "(12.00)", false},
                               {"hello", "(12.00)", true},
                               {"", "(12.00)", true},
                               {"12 apples", "(12.00)", true},
                               {"1E999", "(12.00)", true},
                               {"--5", "(12.00)", true},
                               {"5-3", "(12.00)", true}};
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.clip);
        const Messages m = e.paste(c.clip);
        EXPECT_EQ(m.size(), c.refused ? 1u : 0u);
        EXPECT_EQ(e.display(), c.display);
    }
    run(e, "+ 2 =");
    EXPECT_EQ(e.display(), "(10.00)");
}

TEST(EngineLimits, HugeNumbersGiveMessagesAndLeaveAWorkingCalculator) {
    Engine e;
    const Message noResult = box(text::kNoResult, mb::vbExclamation, true);
    EXPECT_TRUE(e.paste("1E300").empty());
    EXPECT_EQ(run(e, "X"), Messages{kTooLarge});
    EXPECT_EQ(e.display(), "1E+300");
    EXPECT_TRUE(e.paste("1E300").empty());
    EXPECT_EQ(run(e, "="), (Messages{noResult, kTooLarge}));
    EXPECT_EQ(e.accumulator(), 1e300);
    EXPECT_EQ(e.display(), "1E+300");
    EXPECT_EQ(run(e, "Sq"), Messages{noResult});
    EXPECT_EQ(e.display(), "1E+300");
    EXPECT_EQ(abacon::lastEntryName(e.lastEntry()), "EQ");
    EXPECT_EQ(run(e, "C 2 + 3 ="), Messages{});
    EXPECT_EQ(e.display(), "5.00");
    // A pasted number too long for the register goes through the twelve-digit limit.
    EXPECT_EQ(e.paste("1,234,567,890,123,456,789.78"), Messages{kTooLarge});
    EXPECT_EQ(e.display(), "123456789012");
}

TEST(NumberText, ReadsRegisterAndTapeTexts) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"", 0.0},        {"  12.5 ", 12.5}, {"1,234,567.25", 1234567.25},
                          {"(3.50)", -3.5}, {"-2", -2.0},      {"0.", 0.0},
                          {"1E-05", 1e-5},  {"----", 0.0},     {"12/07/2026", 12.0},
                          {"7 +", 7.0},     {"1 234", 1234.0}, {"abc", 0.0}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(abacon::numberValue(c.text), c.value) << '"' << c.text << '"';
    }
}

} // namespace
