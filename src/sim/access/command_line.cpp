#include "sim/access/command_line.h"

#include <vector>

#include "com/text.h"

namespace sim::access {
namespace {

struct Piece {
  std::string text;
  bool quoted = false;  // a quoted piece is a value, never an option

  bool IsOption() const { return !quoted && text.starts_with('/'); }
};

// The pieces of the line: runs of characters between blanks, where a double
// quote starts or ends a quoted stretch in which blanks do not separate.
std::vector<Piece> Pieces(const std::string& line) {
  std::vector<Piece> pieces;
  Piece piece;
  bool quoting = false, started = false;
  for (char c : line) {
    if (c == '"') {
      quoting = !quoting;
      piece.quoted = started = true;
    } else if (c == ' ' && !quoting) {
      if (started) pieces.push_back(piece);
      piece = Piece{};
      started = false;
    } else {
      piece.text += c;
      started = true;
    }
  }
  if (started) pieces.push_back(piece);
  return pieces;
}

std::string* ValueOf(StartRequest& request, const std::string& option) {
  if (com::EqualsNoCase(option, "/wrkgrp")) return &request.workgroup;
  if (com::EqualsNoCase(option, "/user")) return &request.user;
  if (com::EqualsNoCase(option, "/pwd")) return &request.password;
  return nullptr;
}

bool* SwitchOf(StartRequest& request, const std::string& option) {
  if (com::EqualsNoCase(option, "/excl")) return &request.exclusive;
  if (com::EqualsNoCase(option, "/ro")) return &request.read_only;
  return nullptr;
}

}  // namespace

std::optional<StartRequest> ParseCommandLine(const std::string& command_line) {
  const auto pieces = Pieces(command_line);
  if (pieces.size() < 2 || pieces[1].IsOption()) return std::nullopt;
  StartRequest request;
  request.file = pieces[1].text;
  for (std::size_t i = 2; i < pieces.size(); ++i) {
    if (!pieces[i].IsOption()) return std::nullopt;
    if (bool* on = SwitchOf(request, pieces[i].text)) {
      *on = true;
    } else if (std::string* value = ValueOf(request, pieces[i].text);
               value && i + 1 < pieces.size() && !pieces[i + 1].IsOption()) {
      *value = pieces[++i].text;
    } else {
      return std::nullopt;
    }
  }
  return request;
}

}  // namespace sim::access
