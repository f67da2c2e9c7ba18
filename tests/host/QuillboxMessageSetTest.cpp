#include <quillbox/QuillboxMessageSet.h>
#include <gtest/gtest.h>
TEST(MessageSet, Placeholder) { TQuillboxMessageSet s; EXPECT_EQ(s.GetRecordCount(), 0); }
