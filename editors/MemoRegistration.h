#pragma once

// Registers the editor scroll bar and the memo, with their properties, for layouts (after the
// container and text edit classes they derive from).
void RegisterScrollBarAndMemoClasses();
