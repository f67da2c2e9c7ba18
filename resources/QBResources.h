#pragma once

// Registers the compiled-in icon resources (":/icons/..."). Resources that live in a static
// library are only registered when their initialiser is referenced, so every program that links
// qbresources calls this once before it loads an icon. Calling it again does no harm.
void QBInitResources();
