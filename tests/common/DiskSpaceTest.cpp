#include "common/DiskSpace.h"
#include "NumericLocale.h"
#include "common/FrameworkText.h"
#include "platform/Drives.h"
#include "support/DriveSandbox.h"

#include <gtest/gtest.h>

using testsupport::DriveSandbox;

TEST(SizeToText, UnitsAndBoundaries) {
    struct Case {
        uint64_t bytes;
        const char* text;
        double value;
        const char* unit;
    } cases[] = {
        {0, "0.00 Bytes", 0, " Bytes"},          {1, "1.00 Bytes", 1, " Bytes"},
        {1024, "1024.00 Bytes", 1024, " Bytes"}, {1025, "1.00 KB", 1025 / 1024.0, " KB"},
        {1536, "1.50 KB", 1.5, " KB"},           {1048576, "1024.00 KB", 1024, " KB"},
        {1073741824, "1024.00 MB", 1024, " MB"}, {1073741825, "1.00 GB", 1073741825 / 1073741824.0, " GB"},
        {5368709120, "5.00 GB", 5, " GB"},       {UINT64_MAX, "17179869184.00 GB", 17179869184.0, " GB"},
    };
    for (const Case& c : cases) {
        double value = -1;
        std::string unit;
        EXPECT_EQ(SizeToText(c.bytes, value, unit), c.text) << c.bytes;
        EXPECT_DOUBLE_EQ(value, c.value) << c.bytes;
        EXPECT_EQ(unit, c.unit) << c.bytes;
    }
}

TEST(SizeToText, PointEvenWhereTheUserWritesAComma) {
    DriveSandbox sandbox;
    testsupport::NumericLocale comma(sandbox.HostRoot('C'));
    if (!comma.IsActive())
        GTEST_SKIP() << "no locale with a decimal comma is available";
    ASSERT_EQ(FloatToStr(0.5), "0,5"); // the user's separator really is a comma now
    double value;
    std::string unit;
    EXPECT_EQ(SizeToText(1536, value, unit), "1.50 KB");
    EXPECT_EQ(SizeToText(1073741825, value, unit), "1.00 GB");
    EXPECT_EQ(SizeToText(0, value, unit), "0.00 Bytes");
}

TEST(CheckDiskFreeSpace, FreeBytesOfThePathsDrive) {
    DriveSandbox sandbox;
    platform::SetFreeSpaceOverride('D', 123456789);
    std::string root;
    EXPECT_EQ(CheckDiskFreeSpace("d:\\some\\missing\\folder", root), 123456789u);
    EXPECT_EQ(root, "d:\\");
    EXPECT_GT(CheckDiskFreeSpace("C:\\x", root), 0u);
    EXPECT_EQ(root, "C:\\");
}

TEST(CheckDiskFreeSpace, UnreadableDrivesHaveNoRoom) {
    DriveSandbox sandbox;
    std::string root;
    EXPECT_EQ(CheckDiskFreeSpace("Q:\\x", root), 0u);
    EXPECT_EQ(root, "Q:\\");
    EXPECT_EQ(CheckDiskFreeSpace("relative\\x", root), 0u);
    EXPECT_EQ(root, ":\\");
    EXPECT_EQ(CheckDiskFreeSpace("", root), 0u);
    EXPECT_EQ(CheckDiskFreeSpace("\xff:\\x", root), 0u);
    EXPECT_EQ(CheckDiskFreeSpace(std::string(100000, ':'), root), 0u);
}
