#include <quillbox/QuillboxMessageSet.h>
#include <gtest/gtest.h>
TEST(Reader, Placeholder) { TQuillboxMessageSet s; EXPECT_EQ(s.GetRecordCount(), 0); }
