#include "host/tracer.h"

#include <cstdlib>
#include <fstream>

namespace host {

Tracer& Tracer::Instance() {
  static Tracer tracer;
  return tracer;
}

Tracer::Tracer() {
  const char* file = std::getenv("QUILLNET_TRACE");
  if (file && *file) file_ = file;
}

void Tracer::Reset(std::optional<std::string> file) {
  file_ = std::move(file);
  lines_.clear();
  depth_ = 0;
  calls_ = 0;
}

void Tracer::Enter(const std::string& text) {
  ++calls_;
  if (!file_) return;
  lines_.push_back(std::string(static_cast<std::size_t>(depth_) * 2, ' ') + text);
  ++depth_;
}

void Tracer::Leave() {
  ++calls_;
  if (file_ && depth_ > 0) --depth_;
}

void Tracer::Flush() {
  ++calls_;
  if (!file_ || lines_.empty()) return;
  std::ofstream out(*file_, std::ios::app);
  for (const std::string& line : lines_) out << line << '\n';
  lines_.clear();
}

}  // namespace host
