#pragma once

#include "platform/core/Color.h"
#include "skin/UIStyle.h"

class TComponent;
class TWinControl;

// A container whose contents restyle themselves when a frame pushes its theme down to the
// containers it holds (SubContainerApplyUIStyle).
class IsuiSubContainer {
public:
    virtual ~IsuiSubContainer() = default;
    virtual void ApplyUIStyleToContents(TsuiUIStyle style) = 0;
};

// The theme of the first skinned frame (TsuiForm) among the container's direct child controls;
// DeepBlue when there is none (or the container holds no controls).
TsuiUIStyle GetSUIFormStyle(const TComponent* container);
// The colour of the first skinned frame among the form's direct child controls, else the
// button-face colour.
TColor GetSUIFormColor(const TComponent* form);
// The skinned-control border colour (theme element 8) of that frame's theme, else black.
TColor GetBorderColor(const TComponent* form);

// Gives every direct child control that has a theme of its own (a published UIStyle) and is not
// set to Custom the theme style. A frame's own title bar is left to the frame.
void ContainerApplyUIStyle(TWinControl* container, TsuiUIStyle style);
// Asks every direct child control that is a sub-container to restyle its contents.
void SubContainerApplyUIStyle(TWinControl* container, TsuiUIStyle style);
