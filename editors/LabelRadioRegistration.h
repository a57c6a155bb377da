#pragma once

// Registers the label and the radio button with their published properties for layouts. Called
// by RegisterEditorsClasses, after the editor classes they derive from.
void RegisterLabelAndRadioButtonClasses();
