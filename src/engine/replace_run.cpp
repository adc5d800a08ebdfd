#include "engine/replace_run.h"

namespace engine {

ReplaceRun::ReplaceRun(std::vector<Part> parts, const ReplaceOptions& options)
    : parts_(std::move(parts)), options_(options) {}

std::vector<std::string> ReplaceRun::Databases() const {
  std::vector<std::string> databases;
  for (const Part& part : parts_) databases.push_back(part.engine->Database());
  return databases;
}

void ReplaceRun::Run(const Rewrite& rewrite, const std::function<void()>& before_first_write) {
  bool sound = true;
  for (Part& part : parts_) sound = part.engine->Plan(*part.hits, rewrite) && sound;
  if (options_.dry_run || (!sound && !options_.keep_going)) {
    for (Part& part : parts_)
      for (Hit& hit : *part.hits) Settle(hit, options_.dry_run ? HitStatus::DryRun : HitStatus::NotKept);
    return;
  }
  const auto first_write = [&] {
    if (restore_point_) return;
    before_first_write();
    restore_point_.emplace(Databases(), options_.other_files);
  };
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    Part& part = parts_[i];
    // A front end written after its backends has its links read them again.
    if (i > 0 && restore_point_) part.engine->RefreshLinks();
    if (!part.engine->Write(*part.hits, rewrite, options_.keep_going, first_write))
      return TakeBack();
  }
  if (!restore_point_) return;
  SaveAll();
  restore_point_->Finish();
}

void ReplaceRun::TakeBack() {
  for (Part& part : parts_) {
    part.engine->Close();
    for (Hit& hit : *part.hits) {
      if (hit.status == HitStatus::Replaced) hit.status = HitStatus::NotKept;
      Settle(hit, HitStatus::NotKept);
    }
  }
  restore_point_->Restore();
}

void ReplaceRun::SaveAll() {
  std::optional<com::Error> failure;
  for (Part& part : parts_)
    if (auto error = part.engine->Save(); error && !failure) failure = error;
  if (!failure) return;
  for (Part& part : parts_)
    for (Hit& hit : *part.hits)
      if (hit.status == HitStatus::Replaced) {
        hit.status = HitStatus::Failed;
        hit.error = "Not saved: " + UserMessage(*failure);
      }
  restore_point_->Restore();
}

}  // namespace engine
