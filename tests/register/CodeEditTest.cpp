#include "register/core/CodeEdit.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using ledger::UnlistedCodeAnswer;

TEST(CodeEditTexts, QuestionsAndCaptionsCarryTheNames) {
    EXPECT_EQ(ledger::saveCodeFileQuestion("/home/ann/codes.csv"),
              "Save current Budget/Code file /home/ann/codes.csv");
    EXPECT_EQ(ledger::makeDefaultCodeFileQuestion("/home/ann/codes.csv"),
              "/home/ann/codes.csv will be saved as the default\rBudget/Code File");
    EXPECT_EQ(ledger::saveCodeChangesQuestion("  codes.csv   "),
              "Changes made to the Budget/Code file codes.csv\rSave Changes?");
    EXPECT_EQ(ledger::editCodesCaption("codes.csv"), "Edit Budget/Code File <codes.csv>");
    EXPECT_EQ(ledger::selectCodeCaption("codes.csv"), "Select Code <codes.csv>");
}

struct CodeBoxCase {
    const char* name;
    std::string typed;
    std::optional<std::string> stored;
};

class CodeEditCodeBox : public testing::TestWithParam<CodeBoxCase> {};

TEST_P(CodeEditCodeBox, IsTrimmedPaddedOrRefused) {
    EXPECT_EQ(ledger::codeEntry(GetParam().typed), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    CodeEdit, CodeEditCodeBox,
    testing::Values(
        CodeBoxCase{"FourCharacters", "RENT", "RENT"}, CodeBoxCase{"SurroundingBlanksGo", "  AB ", "AB  "},
        CodeBoxCase{"BlanksAroundFourFit", "  RENT  ", "RENT"}, CodeBoxCase{"EmptyIsFourBlanks", "", "    "},
        CodeBoxCase{"FiveRefused", "RENTS", std::nullopt},
        CodeBoxCase{"InnerBlankCounts", "RE NT", std::nullopt},
        CodeBoxCase{"AccentedCountAsOne", "\xC3\x89T\xC3\x89S", "\xC3\x89T\xC3\x89S"},
        CodeBoxCase{"FiveAccentedRefused", "\xC3\x89\xC3\x89\xC3\x89\xC3\x89\xC3\x89", std::nullopt}),
    [](const testing::TestParamInfo<CodeBoxCase>& row) { return std::string(row.param.name); });

TEST(CodeEditDescriptionBox, TwentyFiveCharactersFit) {
    EXPECT_FALSE(ledger::descriptionEntryTooLong(std::string(25, 'x')));
    EXPECT_TRUE(ledger::descriptionEntryTooLong(std::string(26, 'x')));
    std::string accented;
    for (int i = 0; i < 25; ++i)
        accented += "\xC3\xA9";
    EXPECT_FALSE(ledger::descriptionEntryTooLong(accented));
    EXPECT_TRUE(ledger::descriptionEntryTooLong(accented + "e"));
}

struct BudgetBoxCase {
    const char* name;
    std::string text;
    bool tooLarge;
    bool negative;
    std::string afterExpenseClick;
};

class CodeEditBudgetBox : public testing::TestWithParam<BudgetBoxCase> {};

TEST_P(CodeEditBudgetBox, LimitSignAndColour) {
    const BudgetBoxCase& c = GetParam();
    EXPECT_EQ(ledger::budgetEntryTooLarge(c.text), c.tooLarge);
    EXPECT_EQ(ledger::budgetNegative(c.text), c.negative);
    EXPECT_EQ(ledger::budgetColor(c.text), c.negative ? 255u : 8388608u);
    EXPECT_EQ(ledger::expenseBudgetText(c.text), c.afterExpenseClick);
}

INSTANTIATE_TEST_SUITE_P(
    CodeEdit, CodeEditBudgetBox,
    testing::Values(BudgetBoxCase{"MaximumItselfAccepted", "999999.99", false, false, "-999999.99"},
                    BudgetBoxCase{"OneMillionRefused", "1000000", true, false, "-1000000"},
                    BudgetBoxCase{"FractionOfACentAboveRefused", "999999.991", true, false, "-999999.991"},
                    BudgetBoxCase{"ExpenseWithinNineCharacters", "-99999.99", false, true, "-99999.99"},
                    BudgetBoxCase{"ExpenseTooWideForTheRecord", "-999999.99", true, true, "-999999.99"},
                    BudgetBoxCase{"ExpenseBeyondTheLimit", "-1000000", true, true, "-1000000"},
                    BudgetBoxCase{"PaddedIncome", "   150.00", false, false, "-150.00"},
                    BudgetBoxCase{"MinusZeroIsAlreadyExpense", "    -0.00", false, true, "    -0.00"},
                    BudgetBoxCase{"ZeroIncome", "     0.00", false, false, "-0.00"},
                    BudgetBoxCase{"EmptyBox", "", false, false, "-"}),
    [](const testing::TestParamInfo<BudgetBoxCase>& row) { return std::string(row.param.name); });

TEST(CodeEditBudgetBox, TakesDigitsPointMinusAndBackspaceOnly) {
    for (const char key : std::string("0123456789.-\b"))
        EXPECT_TRUE(ledger::budgetKeyAllowed(key)) << int(key);
    for (const char key : std::string("aE ,$+*\t"))
        EXPECT_FALSE(ledger::budgetKeyAllowed(key)) << int(key);
}

struct UnlistedCase {
    const char* name;
    std::string answer;
    UnlistedCodeAnswer meaning;
};

class CodeEditUnlisted : public testing::TestWithParam<UnlistedCase> {};

TEST_P(CodeEditUnlisted, AnswerDecidesTheListing) {
    EXPECT_EQ(ledger::classifyUnlistedCode(GetParam().answer), GetParam().meaning);
}

INSTANTIATE_TEST_SUITE_P(
    CodeEdit, CodeEditUnlisted,
    testing::Values(UnlistedCase{"EmptyCancels", "", UnlistedCodeAnswer::Cancel},
                    UnlistedCase{"DefaultCancels", "****", UnlistedCodeAnswer::Cancel},
                    UnlistedCase{"AllSelectsEverything", "ALL", UnlistedCodeAnswer::All},
                    UnlistedCase{"LowerCaseAllIsACode", "all", UnlistedCodeAnswer::Code},
                    UnlistedCase{"FourCharacterCode", "RENT", UnlistedCodeAnswer::Code},
                    UnlistedCase{"FiveCharactersAskAgain", "RENTS", UnlistedCodeAnswer::AskAgain},
                    UnlistedCase{"AccentedCodeCountsCharacters", "\xC3\x89T\xC3\x89S",
                                 UnlistedCodeAnswer::Code}),
    [](const testing::TestParamInfo<UnlistedCase>& row) { return std::string(row.param.name); });

// The budget box says which rule refused the text: the amount, or the record's nine characters.
struct BudgetProblemCase {
    const char* name;
    std::string text;
    std::string_view problem;
};

class CodeEditBudgetProblem : public testing::TestWithParam<BudgetProblemCase> {};

TEST_P(CodeEditBudgetProblem, NamesTheRuleThatRefused) {
    EXPECT_EQ(ledger::budgetEntryProblem(GetParam().text), GetParam().problem);
    EXPECT_EQ(ledger::budgetEntryTooLarge(GetParam().text), !GetParam().problem.empty());
}

INSTANTIATE_TEST_SUITE_P(
    CodeEdit, CodeEditBudgetProblem,
    testing::Values(BudgetProblemCase{"TenCharactersWithinTheLimit", "-100000.00",
                                      "A budget amount may hold at most 9 characters, sign and decimals "
                                      "included.\rPlease reenter!"},
                    BudgetProblemCase{"BeyondTheLimit", "1000000",
                                      "Budget amount exceeds the allowable maximum of $999,999.99\rPlease reenter!"}),
    [](const testing::TestParamInfo<BudgetProblemCase>& row) { return std::string(row.param.name); });

} // namespace
