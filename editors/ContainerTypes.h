#pragma once

#include <cstdint>

// The small types shared by the container styles and the container control.

// The states a container can be in; the set of them is one byte.
enum TcxContainerStateItem { csNormal, csActive, csDisabled, csHotTrack };
using TcxContainerState = std::uint8_t;
constexpr TcxContainerState ContainerStateBit(TcxContainerStateItem item) {
    return TcxContainerState(1u << unsigned(item));
}
constexpr bool StateHolds(TcxContainerState state, TcxContainerStateItem item) {
    return (state & ContainerStateBit(item)) != 0;
}

enum TcxContainerBorderStyle {
    cbsNone,
    cbsSingle,
    cbsThick,
    cbsFlat,
    cbs3D,
    cbsUltraFlat,
    cbsOffice11
};
// The border style editors publish; the ordinals are those of TcxContainerBorderStyle.
enum TcxEditBorderStyle { ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11 };

// The four sides; the set is one byte with all four = 15.
enum TcxBorder { bLeft, bTop, bRight, bBottom };
using TcxBorders = std::uint8_t;
constexpr TcxBorders BorderBit(TcxBorder side) {
    return TcxBorders(1u << unsigned(side));
}
constexpr TcxBorders cxBordersAll = 15;

enum TcxContainerHotState { chsNoHotTrack, chsNormal, chsSelected };
enum TcxMouseButton { cxmbNone, cxmbLeft, cxmbRight, cxmbMiddle };

// The button and drop-down looks of editors that have them.
enum TcxEditButtonStyle {
    btsDefault,
    btsFlat,
    btsSimple,
    btsHotFlat,
    bts3D,
    btsUltraFlat,
    btsOffice11
};
enum TcxEditButtonTransparency {
    ebtNone,
    ebtInactive,
    ebtAlways,
    ebtHideInactive,
    ebtHideUnselected
};
enum TcxEditPopupBorderStyle { epbsDefault, epbsSingle, epbsFrame3D, epbsFlat };
enum TcxEditGradientDirection { dirLeft, dirRight, dirUp, dirDown };

// Style values are addressed by index; AssignedValues is a 32-bit set of them.
enum : int {
    svBorderColor = 0,
    svBorderStyle = 1,
    svColor = 2,
    svEdges = 3,
    svFont = 4,
    svHotTrack = 5,
    svShadow = 6,
    svTextColor = 7,
    svTextStyle = 8,
    svTransparentBorder = 9,
    svButtonStyle = 10,
    svButtonTransparency = 11,
    svPopupBorderStyle = 12,
    svGradientButtons = 13,
    svGradient = 14,
    svGradientDirection = 15,
};
using TcxContainerStyleValues = std::uint32_t;
constexpr TcxContainerStyleValues StyleValueBit(int index) {
    return TcxContainerStyleValues(1u << unsigned(index));
}

// The colour argument meaning "the default colour, or no fill".
constexpr std::uint32_t clcxDefault = 0x20000000u;
