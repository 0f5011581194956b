#include <gtest/gtest.h>

#include "report/helper_command.h"

namespace {

// The helper's folder in the temporary folder, and a file in it: one separator between them
// however the folder ends, the name alone in the current folder, and nothing at all (false, an
// empty buffer) for an empty temporary path or a result one byte too long.
TEST(HelperFolder, OneSeparatorAndNothingCutShort) {
    char folder[17], path[30];
    ASSERT_TRUE(HelperFolderIn("C:\\Temp\\", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\Temp\\Firmlook");
    ASSERT_TRUE(HelperFolderIn("C:\\Temp", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\Temp\\Firmlook");
    ASSERT_TRUE(PathInFolder(folder, "XYBIOSZZ.$$$", path, sizeof path));
    EXPECT_STREQ(path, "C:\\Temp\\Firmlook\\XYBIOSZZ.$$$");
    ASSERT_TRUE(PathInFolder("/tmp/", "XYBIOSXY.$$$", path, sizeof path));
    EXPECT_STREQ(path, "/tmp/XYBIOSXY.$$$");
    ASSERT_TRUE(PathInFolder("", "XYBIOSXY.$$$", path, sizeof path));
    EXPECT_STREQ(path, "XYBIOSXY.$$$");

    EXPECT_FALSE(PathInFolder(folder, "XYBIOSZZ.$$$", path, sizeof path - 1) || path[0]);
    EXPECT_FALSE(HelperFolderIn("C:\\Temp", folder, sizeof folder - 1) || folder[0]);
    folder[0] = 'x';
    EXPECT_FALSE(HelperFolderIn("", folder, sizeof folder) || folder[0]);
}

} // namespace
