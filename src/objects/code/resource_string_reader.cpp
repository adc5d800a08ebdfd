#include "objects/code/resource_string_reader.h"

#include "platform/system.h"

namespace objects {

ResourceStringReader::ResourceStringReader(std::string library) : library_(std::move(library)) {
  Load(0);
}

std::string ResourceStringReader::Load(std::int32_t id) const {
  return platform::System::Current().libraries().LoadString(library_,
                                                            static_cast<std::uint32_t>(id));
}

}  // namespace objects
