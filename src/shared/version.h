#pragma once
// The driver's identity: the project name of its errors and traces and its
// version (file description "Quillnet 4.0 Driver for Access 2000").

namespace shared {

inline constexpr const char* kProjectName = "tovrin";
inline constexpr int kVersionMajor = 4;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 2116;
inline constexpr const char* kVersionText = "4.0.2116";
inline constexpr const char* kFileDescription = "Quillnet 4.0 Driver for Access 2000";

}  // namespace shared
