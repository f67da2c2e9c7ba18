#pragma once
// Display names of the message type codes 0 to 99, as the viewer shows them to people.

#include <quillbox/QuillboxHostExport.h>

#include <QString>

#include <array>

inline constexpr int MessageNamesCount = 100;

QUILLBOX_HOST_EXPORT extern const std::array<QString, MessageNamesCount>& MessageNames;
