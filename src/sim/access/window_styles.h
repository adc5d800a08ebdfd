#pragma once
// The window styles of Access's windows (the WS_ and DS_ bits of winuser.h).

#include <cstdint>

namespace sim::access::styles {

inline constexpr std::int32_t kVisible = 0x10000000;
inline constexpr std::int32_t kChild = 0x40000000;
inline constexpr std::int32_t kPopup = static_cast<std::int32_t>(0x80000000u);
inline constexpr std::int32_t kClipChildren = 0x02000000;
inline constexpr std::int32_t kOverlappedWindow = 0x00CF0000;
inline constexpr std::int32_t kCaption = 0x00C00000;
inline constexpr std::int32_t kSysMenu = 0x00080000;
inline constexpr std::int32_t kModalFrame = 0x80;

inline constexpr std::int32_t kFrame = kOverlappedWindow | kVisible | kClipChildren;
inline constexpr std::int32_t kMdiClient = kChild | kVisible | kClipChildren;
inline constexpr std::int32_t kMdiChild = kChild | kOverlappedWindow;
inline constexpr std::int32_t kDialog = kPopup | kCaption | kSysMenu | kModalFrame | kVisible;

// ShowWindow commands.
inline constexpr std::int32_t kHide = 0;
inline constexpr std::int32_t kShowNormal = 1;
inline constexpr std::int32_t kMinimize = 6;

}  // namespace sim::access::styles
