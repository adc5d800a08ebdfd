#include "cli/change_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <utility>

#include "cli/options.h"

namespace cli {
namespace {

using nlohmann::json;

std::vector<host::PathStep> StepsOf(const json& steps) {
  std::vector<host::PathStep> out;
  for (const json& step : steps) {
    host::PathStep s{step.at(0).get<std::string>(), std::nullopt};
    if (!step.at(1).is_null()) s.index = com::Variant(step.at(1).get<std::string>());
    out.push_back(s);
  }
  return out;
}

// A JSON string as nlohmann's dump writes it (invalid UTF-8 replaced). Most
// texts are plain printable ASCII, written as they are.
void PutString(std::string& out, const std::string& text) {
  const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
    return c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
  });
  if (plain) {
    out += '"';
    out += text;
    out += '"';
    return;
  }
  out += json(text).dump(-1, ' ', false, json::error_handler_t::replace);
}

// Writes the file's JSON as dump(2) would write the whole document, keys in
// order, without building the document: a journal holds every change of a run.
class ChangeWriter {
 public:
  std::string Text(const ChangeFile& file) {
    out_ = "{";
    Key(1, "databases");
    Array(1, file.databases, [&](int depth, const DatabaseChanges& d) {
      out_ += '{';
      Key(depth + 1, "changes");
      Array(depth + 1, d.changes, [&](int at, const engine::Change& c) { Change(at, c); });
      out_ += ',';
      Field(depth + 1, "database", d.database);
      Close(depth, '}');
    });
    out_ += ',';
    Field(1, "quillnet", file.kind);
    Close(0, '}');
    out_ += '\n';
    return std::move(out_);
  }

 private:
  void Change(int depth, const engine::Change& c) {
    out_ += '{';
    Field(depth + 1, "after", c.after);
    out_ += ',';
    Field(depth + 1, "before", c.before);
    out_ += ',';
    Field(depth + 1, "collection", c.collection);
    out_ += ',';
    Field(depth + 1, "object", c.object);
    out_ += ',';
    Field(depth + 1, "path", c.Path());
    out_ += ',';
    Field(depth + 1, "property", c.property);
    out_ += ',';
    Key(depth + 1, "steps");
    Array(depth + 1, c.steps, [&](int at, const host::PathStep& step) {
      out_ += '[';
      Line(at + 1);
      PutString(out_, step.member);
      out_ += ',';
      Line(at + 1);
      if (step.index)
        PutString(out_, com::CStr(*step.index));
      else
        out_ += "null";
      Close(at, ']');
    });
    Close(depth, '}');
  }

  template <class Item, class Put>
  void Array(int depth, const std::vector<Item>& items, Put&& put) {
    out_ += '[';
    if (items.empty()) {
      out_ += ']';
      return;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (i > 0) out_ += ',';
      Line(depth + 1);
      put(depth + 1, items[i]);
    }
    Close(depth, ']');
  }

  void Field(int depth, const char* key, const std::string& value) {
    Key(depth, key);
    PutString(out_, value);
  }
  void Key(int depth, const char* key) {
    Line(depth);
    out_ += '"';
    out_ += key;
    out_ += "\": ";
  }
  void Close(int depth, char bracket) {
    Line(depth);
    out_ += bracket;
  }
  void Line(int depth) {
    out_ += '\n';
    out_.append(static_cast<std::size_t>(depth) * 2, ' ');
  }

  std::string out_;
};

engine::Change ChangeOf(const json& c) {
  return {c.at("collection").get<std::string>(), c.at("object").get<std::string>(),
          StepsOf(c.at("steps")),                c.at("property").get<std::string>(),
          c.at("before").get<std::string>(),     c.at("after").get<std::string>()};
}

}  // namespace

void WriteChangeFile(const std::string& path, const ChangeFile& file) {
  const std::string text = ChangeWriter().Text(file);
  const std::string passing = path + ".writing";
  {
    std::ofstream out(passing, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw UsageError("cannot write " + path);
  }
  std::error_code ec;
  std::filesystem::rename(passing, path, ec);
  if (ec) {
    std::filesystem::remove(passing, ec);
    throw UsageError("cannot write " + path);
  }
}

ChangeFile ReadChangeFile(const std::string& path, const std::string& kind) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("cannot read " + path);
  std::stringstream text;
  text << in.rdbuf();
  ChangeFile file{kind, {}};
  try {
    const json whole = json::parse(text.str());
    if (whole.at("quillnet") != kind) throw UsageError(path + " is not a " + kind + " of quillnet");
    for (const json& d : whole.at("databases")) {
      DatabaseChanges changes{d.at("database").get<std::string>(), {}};
      for (const json& c : d.at("changes")) changes.changes.push_back(ChangeOf(c));
      file.databases.push_back(std::move(changes));
    }
  } catch (const json::exception& e) {
    throw UsageError(path + " is not a " + kind + " of quillnet: " + e.what());
  }
  return file;
}

}  // namespace cli
