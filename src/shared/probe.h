#pragma once
// A trace entry: Enter on the host tracer when made, Leave when released, so
// the tracer sees a matching Leave on every exit path.

#include <string>

namespace shared {

class Probe {
 public:
  explicit Probe(const std::string& text);
  ~Probe();
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;
};

}  // namespace shared
