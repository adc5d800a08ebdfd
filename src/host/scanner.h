#pragma once
// The host scanner: walks one object through its member table and hands
// every readable property, with its path, to the scan session named by the
// first argument; text properties are marked as such. Sub-collections (object properties with Count and
// Item) are walked element by element; an element is named by its Name, or
// by its position when it has none. A property the object does not have
// ("Undefined property.") is skipped; any other error is handed to the
// session and the walk goes on.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/dispatch.h"
#include "com/error.h"

namespace host {

// One step of a property path below an object: a member, and for a
// sub-collection's element its key (name) or position.
struct PathStep {
  std::string member;
  std::optional<com::Variant> index;
};

struct ScanText {
  std::string collection;
  std::string object;
  std::vector<PathStep> steps;  // the sub-collection elements above the property
  std::string property;
  std::string value;      // the text, or the text form of another value
  bool text = true;       // false for numbers, dates, booleans and nulls
  bool writable = false;  // the property can be written
};

struct ScanError {
  std::string collection;
  std::string object;
  std::vector<PathStep> steps;
  std::string property;
  com::Error error;
};

class ScanSink {
 public:
  virtual ~ScanSink() = default;
  virtual void OnText(const ScanText& text) = 0;
  virtual void OnError(const ScanError& error) = 0;
};

class Scanner {
 public:
  // Registers a sink under a new token for the lifetime of the session.
  class Session {
   public:
    explicit Session(ScanSink& sink);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    const std::string& Token() const { return token_; }

   private:
    std::string token_;
  };

  // session: a Session's token; object_name: the name the object is listed
  // under; walk_subcollections: whether to go below the object's own
  // properties; project: the project's name, for the record.
  void Scan(const std::string& session, const std::string& collection,
            const std::string& object_name, bool walk_subcollections, com::ObjectRef object,
            const std::string& project);

  // Reads the value at a path below an object, as the scanner found it.
  static com::ObjectRef Resolve(com::ObjectRef object, const std::vector<PathStep>& steps);

 private:
  void Walk(ScanSink& sink, const std::string& collection, const std::string& object_name,
            bool walk_subcollections, com::Dispatch& object, std::vector<PathStep>& steps);
  void WalkCollection(ScanSink& sink, const std::string& collection,
                      const std::string& object_name, com::Dispatch& items,
                      std::vector<PathStep>& steps, const std::string& member);
};

// The text form of a path: Fields(CustomerID)/Caption, Items(3)/Name.
std::string PathText(const std::vector<PathStep>& steps, const std::string& property);

}  // namespace host
