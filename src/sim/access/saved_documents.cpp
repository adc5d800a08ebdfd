#include "sim/access/saved_documents.h"

#include <fstream>
#include <sstream>

#include "com/error.h"
#include "platform/access.h"
#include "sim/access/access_errors.h"
#include "sim/access/document_kind.h"
#include "sim/access/document_store.h"
#include "sim/access/document_windows.h"
#include "sim/access/text_format_error.h"
#include "sim/jet/dao_errors.h"

namespace sim::access {
namespace {

constexpr std::int32_t kFileNotFound = 53;

// The kinds of object that Access keeps as documents of its own.
void RequireDocumentKind(std::int32_t object_type) {
  const bool document = object_type == msaccess::acForm || object_type == msaccess::acReport ||
                        object_type == msaccess::acMacro || object_type == msaccess::acModule;
  if (!document) RaiseAccess(kInvalidObjectType);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) com::RaiseVb(kFileNotFound);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

void SavedDocuments::SaveAsText(std::int32_t object_type, const std::string& name,
                                const std::string& path) {
  RequireDocumentKind(object_type);
  DocumentStore store(documents_.File()->Catalog());
  const auto document = store.Find(object_type, name);
  if (!document) RaiseAccess(KindOf(object_type).missing_error, name);
  const std::string bytes = SavedBytes(*document);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush())
    RaiseAccess(kCantSaveOutput);
}

void SavedDocuments::LoadFromText(std::int32_t object_type, const std::string& name,
                                  const std::string& path) {
  RequireDocumentKind(object_type);
  if (documents_.IsOpen(object_type, name)) RaiseAccess(kCantDeleteOpenObject, name);
  jet::CheckName(name);
  const std::string bytes = ReadFile(path);
  StoredDocument loaded;
  try {
    loaded = ReadDocument(object_type, name, bytes);
  } catch (const TextFormatError& error) {
    com::Raise(kImportErrors, AccessMessage(kImportErrors, name) + " " + path + ", " + error.what());
  }
  DocumentStore store(documents_.File()->Catalog());
  if (auto existing = store.Find(object_type, name)) {
    loaded.name = existing->name;
    loaded.layout = existing->layout;
    loaded.layout.code_source.reset();
    if (loaded.layout.form != FolderLayout::Form::SaveAsText) loaded.source.reset();
  }
  store.Put(loaded);
}

}  // namespace sim::access
