#include "objects/documents/scc_statuses.h"

namespace objects {
namespace {

constexpr std::int16_t kEditable = 4107;

}  // namespace

void SccStatuses::Fetch(dao::Database& current, const std::string& container) {
  entries_.clear();
  auto documents = current.GetContainers()->Item(container)->GetDocuments();
  const std::int32_t count = documents->Count();
  for (std::int32_t position = 0; position < count; ++position)
    com::IgnoreErrors([&] {
      if (auto status = documents->Item(position)->GetProperties()->Find("SccStatus"))
        entries_.push_back({status, std::nullopt});
    });
}

void SccStatuses::Allow() {
  for (Entry& entry : entries_) {
    const com::Variant value = entry.status->Value();
    if (com::CLng(value) == kEditable) continue;
    entry.saved = value;
    entry.status->SetValue(com::Variant(kEditable));
  }
}

void SccStatuses::PutBack() {
  for (Entry& entry : entries_) {
    if (!entry.saved) continue;
    entry.status->SetValue(*entry.saved);
    entry.saved.reset();
  }
}

}  // namespace objects
