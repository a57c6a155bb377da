#pragma once

#include "lookandfeel/CustomLookAndFeelPainter.h"
#include "lookandfeel/LookAndFeelTypes.h"

class TPersistent;
class TcxLookAndFeel;

// What depends on a look-and-feel: its slaves and, on the root, the controllers.
class IcxLookAndFeelNotificationListener {
public:
    // The object behind the interface.
    virtual TPersistent* GetObject() = 0;
    virtual void MasterLookAndFeelChanged(TcxLookAndFeel* sender,
                                          TcxLookAndFeelValues changedValues) = 0;
    virtual void MasterLookAndFeelDestroying(TcxLookAndFeel* sender) = 0;

protected:
    ~IcxLookAndFeelNotificationListener() = default;
};

// A control that owns a look-and-feel.
class IcxLookAndFeelContainer {
public:
    virtual TcxLookAndFeel* GetLookAndFeel() = 0;

protected:
    ~IcxLookAndFeelContainer() = default;
};

// Told when a registered skin painter comes or goes.
class IcxLookAndFeelPainterListener {
public:
    virtual void PainterChanged(TcxCustomLookAndFeelPainterClass painter) = 0;

protected:
    ~IcxLookAndFeelPainterListener() = default;
};

// A marker: the class can be drawn by skins.
class IdxSkinSupport {
protected:
    ~IdxSkinSupport() = default;
};
