// The walking and follow-line delay dialogs' arithmetic.
#include <gtest/gtest.h>

#include "play/window/delay_setting.h"

using namespace dwaalbos;

TEST(DelaySetting, TheNumberIsReadFromTheStartOfTheText) {
  EXPECT_EQ(leadingNumber("120"), 120);
  EXPECT_EQ(leadingNumber("12abc"), 12);
  EXPECT_EQ(leadingNumber("  7"), 7);
  EXPECT_EQ(leadingNumber("-5"), -5);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("99999999999999999999"), INT_MAX);
}

TEST(DelaySetting, AnswersOutsideTheLimitsGiveForty) {
  EXPECT_EQ(delayBoxText(kLoopDelay, "-5"), "40");
  EXPECT_EQ(delayBoxText(kLoopDelay, "1000"), "40");
  EXPECT_EQ(delayBoxText(kLineDelay, "1000"), "1000");
  EXPECT_EQ(delayBoxText(kLineDelay, "10000"), "40");
  EXPECT_EQ(delayBoxText(kLoopDelay, "999"), "999");
  EXPECT_EQ(delayBoxText(kLoopDelay, "0"), "0");
}

TEST(DelaySetting, CancelOrAnEmptyAnswerGivesZero) {
  EXPECT_EQ(delayBoxText(kLoopDelay, std::nullopt), "0");
  EXPECT_EQ(delayBoxText(kLineDelay, ""), "0");
  EXPECT_EQ(delayBoxText(kLineDelay, "25 ms"), "25");
}

TEST(DelaySetting, ThePromptNamesTheLimitAndTheDelayNow) {
  EXPECT_EQ(delayPrompt(kLoopDelay, "40"),
            "Wat is de vertraging van het lopen in miliseconden?\r\n"
            "Het maximum is 999 miliseconden\r\nDeze vertraging is nu 40");
  EXPECT_EQ(delayPrompt(kLineDelay, "20"),
            "Wat is de vertraging van de volgpijlen in miliseconden?\r\n"
            "Het maximum is 9999 miliseconden\r\nDeze vertraging is nu 20");
}
