#pragma once
// The driver's shared routines: reading and writing DAO properties that
// Access adds to tables, queries and fields, copying properties and
// permissions between DAO objects, descriptions of documents, connection
// strings, and what the driver needs to know about the Access installation
// and its windows.

#include <cstdint>
#include <string>
#include <vector>

#include "com/dispatch.h"
#include "com/variant.h"
#include "platform/dao.h"
#include "platform/win32.h"

namespace Utility {

// ---- DAO property helpers ----

// The value of an application-defined property, or the default when it is
// missing or inherited from a linked table's source.
com::Variant GetAppDefinedProperty(dao::Properties& properties, const std::string& name,
                                   const com::Variant& default_value);

// Sets an application-defined property: the default removes it, an existing
// one takes the value, a missing one is created with the type.
void SetAppDefinedFieldProperty(dao::Field& field, dao::Properties& properties,
                                const std::string& name, std::int16_t type,
                                const com::Variant& value, const com::Variant& default_value);
void SetAppDefinedQueryDefProperty(dao::QueryDef& query, dao::Properties& properties,
                                   const std::string& name, std::int16_t type,
                                   const com::Variant& value, const com::Variant& default_value);
void SetAppDefinedTableDefProperty(dao::TableDef& table, dao::Properties& properties,
                                   const std::string& name, std::int16_t type,
                                   const com::Variant& value, const com::Variant& default_value);

// Same type and same value; strings compared exactly.
bool Identical(const com::Variant& a, const com::Variant& b);

void CopyDaoObjectProperties(dao::PropertyOwner& source, dao::PropertyOwner& destination,
                             const std::string& exclusions);
void CopyDaoDocumentProperties(dao::Workspace& workspace, dao::Document& source,
                               dao::Document& destination);

std::string GetDocDescription(dao::Document& document);
void SetDocDescription(dao::Document& document, const std::string& description);
// The same for an object of an Access project, reached by late binding.
std::string GetADPDescription(com::Dispatch& object);
void SetADPDescription(com::Dispatch& object, const std::string& description);

void ParseConnectString(const std::string& connect, std::string& connect_type,
                        std::string& database_path);

// ---- Access environment ----

// Start-up of the driver module: a new problem log, the Access folder, the
// trace flag.
void Main();
// Forgets the paths found, so that the next call looks again (tests, and a
// machine whose installation changed).
void ResetCachedPaths();

std::string AccessFolder();
std::string Access9EXEPath();
std::string MSAINPath();
std::string AccessTypeLibPath();
bool VerifySystemRequirements();

std::string ClassName(platform::Windows::HWND window);
// The document windows of an Access main window: the children of its
// "MDIClient" window; none when it has no such window.
std::vector<platform::Windows::HWND> DocumentWindows(platform::Windows::HWND main_window);
bool RelationshipsWindowIsOpen(platform::Windows::HWND main_window);
// Whether Access shows the object (an AcObjectType and a name) in a window.
bool ObjectIsOpen(com::Dispatch& access_app, std::int32_t object_type, const std::string& name);
// The name with every character that is neither a digit nor a letter made "_".
std::string MapControlName(const std::string& name);
// Sets the sounds of the five message-box events (in the order .Default,
// SystemQuestion, SystemExclamation, SystemHand, SystemAsterisk; an event
// without a sound given gets none) and returns the sounds they had, each
// value whole.
std::vector<std::string> SetMsgBoxSound(const std::vector<std::string>& sounds);
// The computer-based-training hook that keeps Access's pop-up windows out of
// the way: a pop-up being created is told to take its default button, and
// any other window is refused activation.
std::int32_t NoPopupsHookProc(std::int32_t code, std::int32_t wparam, std::uintptr_t lparam);

}  // namespace Utility
