#pragma once

// Registers the editor classes and their published properties for layouts (once; later calls
// do nothing). The control layer's classes are registered first.
void RegisterEditorsClasses();
