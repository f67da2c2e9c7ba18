#include <quillbox/MessageNames.h>

namespace {

std::array<QString, MessageNamesCount> BuildMessageNames() {
  static const char* const kBuiltIn[] = {
      "Information", "Warning", "Error", "Check Point", "Object", "Component as Text",
      "String List", "Property", "Note", "Enter Method", "Exit Method", "Separator",
      "Inactive Separator", "Clear", "Scratch Pad", "Save Log", "Bitmap", "Text File",
      "Window", "Memory", "Memory Status", "Custom Text", "Custom Properties", "Reminder",
      "Level 1 (Red)", "Level 2 (Orange)", "Level 3 (Yellow)", "Level 4 (Green)",
      "Level 5 (Blue)", "Level 6 (Indigo)", "Level 7 (Violet)", "Color", "Registry",
      "System Info", "Version Info", "XML Data", "Stack Trace", "Exception", "Custom Table",
      "Reset Separator", "Application Start Separator", "Collection", "Collapsed Method",
      "Exit Method (Collapse)", "Custom Hierarchy"};
  static_assert(std::size(kBuiltIn) == 45);
  std::array<QString, MessageNamesCount> names;
  for (int code = 0; code < MessageNamesCount; ++code)
    names[code] = code < 45 ? QString::fromLatin1(kBuiltIn[code]) : QStringLiteral("Unknown");
  return names;
}

const std::array<QString, MessageNamesCount> kMessageNames = BuildMessageNames();

}  // namespace

const std::array<QString, MessageNamesCount>& MessageNames = kMessageNames;
