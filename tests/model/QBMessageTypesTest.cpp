#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageTypes, EachCodeHasItsShortNameStyleKeyAndIcon) {
  struct {
    int32_t Code;
    const char* ShortName;
    const char* StyleKey;
    int Icon;
  } cases[] = {
      {0, "Info", "", 0},          {5, "CompAsText", "ComponentAsText", 5},
      {9, "Enter", "EnterMethod", 9}, {24, "Level1", "Red", 24},
      {39, "ResetSep", "", 39},    {42, "CollapsedMethod", "CollapsedMethod", 42},
      {44, "Hierarchy", "CustomHierarchy", 44}, {45, "", "", -1},
      {99, "", "", -1},            {150, "", "", 45},
      {-1, "", "", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Code);
    EXPECT_EQ(qbtypes::ShortName(c.Code), c.ShortName);
    EXPECT_EQ(qbtypes::StyleKey(c.Code), c.StyleKey);
    EXPECT_EQ(qbtypes::IconIndex(c.Code), c.Icon);
  }
}

TEST(MessageTypes, EveryBuiltInCodeHasAShortName) {
  for (int code = 0; code < qbtypes::BuiltInCount; ++code) EXPECT_FALSE(qbtypes::ShortName(code).isEmpty()) << code;
}

TEST(MessageTypes, MethodClosersSeparatorsAnnotationsAndColourLevelsAreRecognised) {
  EXPECT_TRUE(qbtypes::ClosesMethod(10) && qbtypes::ClosesMethod(43) && !qbtypes::ClosesMethod(9));
  for (int code : {11, 12, 39, 40}) EXPECT_TRUE(qbtypes::IsSeparator(code)) << code;
  for (int code : {3, 8, 11, 39}) EXPECT_TRUE(qbtypes::IsUserAnnotation(code)) << code;
  EXPECT_FALSE(qbtypes::IsWritten(40));
  EXPECT_TRUE(qbtypes::IsColourLevel(24) && qbtypes::IsColourLevel(30) && !qbtypes::IsColourLevel(31));
}

}  // namespace
