#pragma once
// The fonts every GUI test draws and measures with, shipped with the tests (support/fonts, DejaVu under
// its own licence): what a test measures must not change with the fonts a machine happens to have.

namespace qbtest {

// The family that stands for "Courier New" and every other fixed-pitch name the program asks for.
inline constexpr const char* TestMonoFamily = "DejaVu Sans Mono";
// The family that stands for "Tahoma", "Verdana" and the toolkit's default sans-serif font.
inline constexpr const char* TestSansFamily = "DejaVu Sans";

// Loads the shipped fonts into the application's font database, makes the program's font names
// resolve to them (a name the machine really has stays its own) and makes the sans family the
// application font. False, with the reason on standard error, when a font cannot be loaded. Needs the
// application object.
bool UseTestFonts();

}  // namespace qbtest
