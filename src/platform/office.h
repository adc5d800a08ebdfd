#pragma once
// Office 2000's command bars, as Access hands them out through its
// Application.CommandBars. The bars and their controls are late bound: the
// driver reaches them by member name through com::Dispatch. This header
// holds the Office constants the driver compares and passes.

#include <cstdint>

namespace office {

// MsoBarType.
inline constexpr std::int32_t msoBarTypeNormal = 0;
inline constexpr std::int32_t msoBarTypeMenuBar = 1;
inline constexpr std::int32_t msoBarTypePopup = 2;

// MsoBarProtection: the flags of a bar's Protection.
inline constexpr std::int32_t msoBarNoCustomize = 1;
inline constexpr std::int32_t msoBarNoResize = 2;
inline constexpr std::int32_t msoBarNoMove = 4;
inline constexpr std::int32_t msoBarNoChangeVisible = 8;
inline constexpr std::int32_t msoBarNoChangeDock = 16;
inline constexpr std::int32_t msoBarNoVerticalDock = 32;
inline constexpr std::int32_t msoBarNoHorizontalDock = 64;

// MsoControlType: the kinds of control the driver tells apart. The popup
// kinds run from msoControlPopup to msoControlSplitButtonMRUPopup.
inline constexpr std::int32_t msoControlButton = 1;
inline constexpr std::int32_t msoControlEdit = 2;
inline constexpr std::int32_t msoControlDropdown = 3;
inline constexpr std::int32_t msoControlComboBox = 4;
inline constexpr std::int32_t msoControlPopup = 10;
inline constexpr std::int32_t msoControlSplitButtonMRUPopup = 14;

inline constexpr bool IsPopupControl(std::int32_t type) {
  return type >= msoControlPopup && type <= msoControlSplitButtonMRUPopup;
}

}  // namespace office
