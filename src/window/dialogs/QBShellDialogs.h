#pragma once
// The dialogs of the main window's areas, one interface per area, handed to the window together. Each
// defaults to the modal dialogs the user sees; a test replaces the ones it answers, an offscreen tool
// all of them (QBOffscreenDialogs.h). An area that brings dialogs of its own adds its interface here.

#include "window/dialogs/QBEditDialogs.h"
#include "window/dialogs/QBErrorReport.h"
#include "window/dialogs/QBInspectorDialogs.h"
#include "window/dialogs/QBLogDialogs.h"
#include "window/dialogs/QBNavigationDialogs.h"
#include "window/dialogs/QBViewAreaDialogs.h"
#include "window/dialogs/QBOptionsDialogs.h"
#include "window/dialogs/QBPrintDialogs.h"
#include "window/dialogs/QBSearchDialogs.h"

#include <memory>

struct TQBShellDialogs {
  std::unique_ptr<IQBErrorReport> Errors = NewErrorReport();
  std::unique_ptr<IQBLogDialogs> Log = NewLogDialogs();
  std::unique_ptr<IQBInspectorDialogs> Inspector = NewInspectorDialogs();
  std::unique_ptr<IQBEditDialogs> Edit = NewEditDialogs();
  std::unique_ptr<IQBNavigationDialogs> Navigation = NewNavigationDialogs();
  std::unique_ptr<IQBViewDialogs> Views = NewViewDialogs();
  std::unique_ptr<IQBProjectDialogs> Project = NewProjectDialogs();
  std::unique_ptr<IQBOrganizerDialogs> Organizer = NewOrganizerDialogs();
  std::unique_ptr<IQBPrintDialogs> Print = NewPrintDialogs();
  std::unique_ptr<IQBOptionsDialogs> Options = NewOptionsDialogs();
  std::unique_ptr<IQBAboutDialogs> About = NewAboutDialogs();
  std::unique_ptr<IQBSearchDialogs> Search = NewSearchDialogs();
};
