#include "shared/probe.h"

#include "host/tracer.h"

namespace shared {

Probe::Probe(const std::string& text) { host::Tracer::Instance().Enter(text); }

Probe::~Probe() { host::Tracer::Instance().Leave(); }

}  // namespace shared
