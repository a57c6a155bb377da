#pragma once

// Registers the skinned frame and title bar for the stored layouts: TsuiForm, TsuiTitleBar and
// the title-bar sections and buttons with every published property (a picture names a bitmap
// resource of the program). Registers the control classes first. Calling it again does nothing.
void RegisterSkinFormClasses();
