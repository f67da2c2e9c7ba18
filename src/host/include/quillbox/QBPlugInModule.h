#pragma once
// What a plug-in module exports so the viewer can load it. A module is a shared object ("*.so") in the
// plug-in folder; it names its units with one exported function, and each unit that registers
// something exports a registration function whose name is built from the unit's name:
//
//   QBPackageUnits                        -> null-terminated array of unit names
//   QBUnit_<ProperCase(unit)>_Register    -> called once, right after the module is loaded
//
// ProperCase is the unit name in lower case with its first character in upper case; characters that
// cannot appear in a symbol name become "_". So unit "MyInspector" registers as
// QBUnit_Myinspector_Register. A unit without that function is simply skipped.
//
//   QB_PLUGIN_UNITS("MyInspector", "MyViews")
//   QB_PLUGIN_REGISTER_UNIT(Myinspector) { PlugInManager->RegisterInspector(new TMyInspector); }
//   QB_PLUGIN_REGISTER_UNIT(Myviews) { PlugInManager->RegisterCustomView("Mine", &MyViewClass); }
//
// A registration function may throw a std::exception; the viewer reports its message and goes on with
// the next module.

#define QB_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

#define QB_PLUGIN_UNITS(...)                                          \
  QB_PLUGIN_EXPORT const char* const* QBPackageUnits() {              \
    static const char* const units[] = {__VA_ARGS__, nullptr};        \
    return units;                                                     \
  }

#define QB_PLUGIN_REGISTER_UNIT(ProperName) QB_PLUGIN_EXPORT void QBUnit_##ProperName##_Register()

// The exported names the viewer looks up.
inline constexpr const char* QBPackageUnitsSymbol = "QBPackageUnits";
inline constexpr const char* QBUnitSymbolPrefix = "QBUnit_";
inline constexpr const char* QBUnitSymbolSuffix = "_Register";
