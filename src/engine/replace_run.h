#pragma once
// One replace run over the databases of one application: the database it
// was started on, and with it the backends its tables link to. The run is all
// or nothing across every one of them: each change is planned and each rename
// checked in every database before the first write; the files the run may
// write are copied aside before it; when a write is refused or fails, or a
// database cannot be saved, every engine is closed and every file put back
// byte for byte, and the hits that were not the cause say NotKept. With
// `keep_going` what could be written is kept.

#include <functional>
#include <string>
#include <vector>

#include <optional>

#include "engine/restore_point.h"
#include "engine/search_engine.h"

namespace engine {

class ReplaceRun {
 public:
  struct Part {
    SearchEngine* engine;
    std::vector<Hit>* hits;
  };

  // The parts are written in their order: backends before the front end
  // whose links read them.
  ReplaceRun(std::vector<Part> parts, const ReplaceOptions& options);

  void Run(const Rewrite& rewrite, const std::function<void()>& before_first_write);

 private:
  void TakeBack();
  void SaveAll();
  std::vector<std::string> Databases() const;

  std::vector<Part> parts_;
  ReplaceOptions options_;
  std::optional<RestorePoint> restore_point_;
};

}  // namespace engine
