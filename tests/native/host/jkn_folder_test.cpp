#include "host/jkn_folder.h"

#include <gtest/gtest.h>

TEST(JknFolder, NamedPerKindAndTheCurrentFolderOtherwise) {
    EXPECT_EQ(CString("."), Halvex_GetJknFolderPath(31));
    Halvex_SetJknFolderPath(31, "D:\\jkn");
    EXPECT_EQ(CString("D:\\jkn"), Halvex_GetJknFolderPath(31));
    EXPECT_EQ(CString("."), Halvex_GetJknFolderPath(32));
    Halvex_SetJknFolderPath(31, "");
    EXPECT_EQ(CString("."), Halvex_GetJknFolderPath(31));
}
