#include "core/version_text.h"

#include <gtest/gtest.h>

TEST(VersionText, PadsMinorToTwoAndRevisionToFourDigits) {
    EXPECT_EQ("1.06.0001", wp::versionText(1, 6, 1));
    EXPECT_EQ("2.10.12345", wp::versionText(2, 10, 12345));
    EXPECT_EQ("0.00.0000", wp::versionText(0, 0, 0));
}
