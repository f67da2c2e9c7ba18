#include <quillbox/QuillboxPlugIns.h>

TBasePlugInManager* PlugInManager = nullptr;

// Out of line so the vtables live in the host library that plug-ins share.
TQuillboxCustomInspector::TQuillboxCustomInspector() = default;
TQuillboxCustomInspector::~TQuillboxCustomInspector() = default;
TBasePlugInManager::TBasePlugInManager() = default;
TBasePlugInManager::~TBasePlugInManager() = default;
