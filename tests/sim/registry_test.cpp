#include "sim/win32/registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <utility>

#include "com/variant.h"
#include "support/temp_dir.h"

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\.Default";

std::optional<std::string> StoredSound(const std::string& file) {
  sim::Registry registry(file);
  const auto value = registry.ReadValue(kKey, "");
  if (!value) return std::nullopt;
  return com::CStr(*value);
}

TEST(Registry, AFileKeepsTheWritesOnceTheRegistryIsLetGoAndNotBefore) {
  testing_support::TempDir dir;
  const std::string file = dir.File("registry.txt");
  {
    sim::Registry registry(file);
    registry.CreateKey(kKey);
    registry.WriteValue(kKey, "", com::Variant("ding.wav"));
  }
  ASSERT_EQ(StoredSound(file), "ding.wav");
  {
    sim::Registry registry(file);
    registry.WriteValue(kKey, "", com::Variant(""));
    // A run stopped here, with the sound held quiet, leaves the file as it was.
    EXPECT_EQ(StoredSound(file), "ding.wav");
    registry.WriteValue(kKey, "", com::Variant("chord.wav"));
  }
  EXPECT_EQ(StoredSound(file), "chord.wav");
}

TEST(Registry, AMovedRegistryWritesItsFileOnceAndTheEmptyOneNothing) {
  testing_support::TempDir dir;
  const std::string file = dir.File("registry.txt");
  {
    sim::Registry first(file);
    first.CreateKey(kKey);
    first.WriteValue(kKey, "", com::Variant("ding.wav"));
    sim::Registry second(std::move(first));
  }
  EXPECT_EQ(StoredSound(file), "ding.wav");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
