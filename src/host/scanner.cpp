#include "host/scanner.h"

#include <map>

namespace host {
namespace {

constexpr std::int32_t kUndefinedProperty = -32749;

std::map<std::string, ScanSink*>& Sessions() {
  static std::map<std::string, ScanSink*> sessions;
  return sessions;
}

bool IsCollection(com::Dispatch& object) {
  const com::TypeInfo& members = object.Members();
  const com::Member* count = members.Find("Count");
  const com::Member* item = members.Find("Item");
  return count && count->CanGet() && item && item->CanGet();
}

com::Variant ElementKey(com::Dispatch& element, std::int32_t position) {
  const com::Member* name = element.Members().Find("Name");
  if (name && name->CanGet()) {
    auto key = com::ValueOr<std::string>([&] { return com::CStr(element.Get("Name")); }, "");
    if (!key.empty()) return com::Variant(key);
  }
  return com::Variant(position);
}

}  // namespace

Scanner::Session::Session(ScanSink& sink) {
  static unsigned long next = 1;
  token_ = "scan-session-" + std::to_string(next++);
  Sessions()[token_] = &sink;
}

Scanner::Session::~Session() { Sessions().erase(token_); }

void Scanner::Scan(const std::string& session, const std::string& collection,
                   const std::string& object_name, bool walk_subcollections,
                   com::ObjectRef object, const std::string&) {
  auto found = Sessions().find(session);
  if (found == Sessions().end()) com::Raise(5, "No scan session '" + session + "' is open.");
  if (!object) com::RaiseVb(91);
  std::vector<PathStep> steps;
  Walk(*found->second, collection, object_name, walk_subcollections, *object, steps);
}

void Scanner::Walk(ScanSink& sink, const std::string& collection, const std::string& object_name,
                   bool walk_subcollections, com::Dispatch& object, std::vector<PathStep>& steps) {
  // One report for the whole object: only its property and value change from
  // one property to the next, in buffers that are reused.
  ScanText text{collection, object_name, steps, {}, {}, true, false};
  for (const com::Member& member : object.Members().Members()) {
    if (member.kind != com::MemberKind::Property || !member.CanGet()) continue;
    com::Variant value;
    bool defined = true;
    auto error = com::Capture([&] {
      defined = member.IsDefinedOn(object);
      if (defined) value = member.get(object, {});
    });
    if (!defined) continue;
    if (error) {
      if (error->Number() != kUndefinedProperty)
        sink.OnError({collection, object_name, steps, member.name, *error});
      continue;
    }
    if (value.IsObject()) {
      if (walk_subcollections && value.AsObject() && IsCollection(*value.AsObject()))
        WalkCollection(sink, collection, object_name, *value.AsObject(), steps, member.name);
    } else {
      text.property = member.name;
      text.text = value.IsString();
      if (text.text)
        text.value = value.AsString();
      else if (value.IsNull())
        text.value = "Null";
      else
        text.value = com::CStr(value);
      text.writable = member.CanLet();
      sink.OnText(text);
    }
  }
}

void Scanner::WalkCollection(ScanSink& sink, const std::string& collection,
                             const std::string& object_name, com::Dispatch& items,
                             std::vector<PathStep>& steps, const std::string& member) {
  std::int32_t count = 0;
  if (auto error = com::Capture([&] { count = com::CLng(items.Get("Count")); })) {
    sink.OnError({collection, object_name, steps, member, *error});
    return;
  }
  for (std::int32_t position = 0; position < count; ++position) {
    com::ObjectRef element;
    auto error = com::Capture(
        [&] { element = com::CObj(items.Call("Item", {com::Variant(position)})); });
    if (error) {
      sink.OnError({collection, object_name, steps, member, *error});
      continue;
    }
    if (!element) continue;
    steps.push_back({member, ElementKey(*element, position)});
    Walk(sink, collection, object_name, true, *element, steps);
    steps.pop_back();
  }
}

com::ObjectRef Scanner::Resolve(com::ObjectRef object, const std::vector<PathStep>& steps) {
  for (const PathStep& step : steps) {
    if (!object) com::RaiseVb(91);
    auto items = com::CObj(object->Get(step.member));
    if (!items) com::RaiseVb(91);
    object = step.index ? com::CObj(items->Call("Item", {*step.index})) : items;
  }
  if (!object) com::RaiseVb(91);
  return object;
}

std::string PathText(const std::vector<PathStep>& steps, const std::string& property) {
  std::string text;
  for (const PathStep& step : steps) {
    text += step.member;
    if (step.index) text.append("(").append(com::CStr(*step.index)).append(")");
    text += "/";
  }
  return text + property;
}

}  // namespace host
