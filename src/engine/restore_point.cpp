#include "engine/restore_point.h"

#include <filesystem>
#include <fstream>

#include "com/error.h"

namespace engine {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCopySuffix = ".quillnet-undo";
constexpr const char* kRecordSuffix = ".quillnet-run";

std::string CopyOf(const std::string& file) { return file + kCopySuffix; }

[[noreturn]] void RaiseCannot(const std::string& what, const std::string& path,
                              const std::error_code& error) {
  com::Raise(75, "Cannot " + what + " " + path + ": " + error.message());
}

// A record is written whole under a passing name and then given its own in
// one step: a record found under its name names every file of its run.
void WriteRecord(const std::string& record, const std::vector<std::string>& files) {
  const std::string partial = record + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    for (const std::string& file : files) out << file << '\n';
    if (!out.flush()) com::Raise(75, "Cannot write " + partial);
  }
  std::error_code error;
  fs::rename(partial, record, error);
  if (error) {
    fs::remove(partial, error);
    RaiseCannot("write", record, error);
  }
}

// Copies the file whole under a passing name, then gives the copy its name
// in one step (over a copy no record names, which a finished run can leave).
void CopyWhole(const std::string& file, const std::string& copy) {
  const std::string partial = copy + ".partial";
  std::error_code error;
  fs::copy_file(file, partial, fs::copy_options::overwrite_existing, error);
  if (!error) fs::rename(partial, copy, error);
  if (error) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    com::Raise(75, "Cannot copy " + file + " to " + copy + ": " + error.message());
  }
}

std::vector<std::string> ReadRecord(const std::string& record) {
  std::ifstream in(record, std::ios::binary);
  std::vector<std::string> files;
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) files.push_back(line);
  return files;
}

// The journal a run's half-written file may have beside it (the run was
// killed in a transaction) belongs to that file: were it left beside the copy
// put back, the next open would "take back" the run's transaction into the
// copy and damage it.
void RemoveJournal(const std::string& file, std::error_code& error) {
  for (const char* suffix : {"-journal", "-wal", "-shm"}) {
    fs::remove(file + suffix, error);
    if (error) return;
  }
}

// Puts the file back from its copy in one step (the copy is copied to a
// passing name and that renamed over the file), so that a file is always
// either as the run left it or as it was before.
void PutBack(const std::string& file, const std::string& copy, std::error_code& error) {
  const std::string partial = copy + ".back";
  fs::copy_file(copy, partial, fs::copy_options::overwrite_existing, error);
  if (!error) RemoveJournal(file, error);
  if (!error) fs::rename(partial, file, error);
  if (error) {
    std::error_code ignored;
    fs::remove(partial, ignored);
  }
}

}  // namespace

// A copy is written whole under a passing name and then given its own in
// one step, so that a copy found under its name is always complete.
std::string CopyBeside(const std::string& file, const std::string& suffix) {
  const std::string partial = file + suffix + ".partial";
  std::error_code error;
  fs::copy_file(file, partial, fs::copy_options::overwrite_existing, error);
  if (error) com::Raise(75, "Cannot copy " + file + " to " + partial + ": " + error.message());
  for (int n = 1;; ++n) {
    const std::string copy = file + suffix + (n == 1 ? "" : "." + std::to_string(n));
    fs::create_hard_link(partial, copy, error);
    if (!error) {
      fs::remove(partial, error);
      return copy;
    }
    if (error != std::errc::file_exists) {
      fs::remove(partial, error);
      com::Raise(75, "Cannot copy " + file + " to " + copy + ": " + error.message());
    }
  }
}

// The records come first: a copy is put back only while a record names its
// file, and no file is written before every copy is taken.
RestorePoint::RestorePoint(const std::vector<std::string>& databases,
                           const std::vector<std::string>& other_files) {
  std::vector<std::string> files = databases;
  files.insert(files.end(), other_files.begin(), other_files.end());
  try {
    for (const std::string& database : databases) {
      records_.push_back(database + kRecordSuffix);
      WriteRecord(records_.back(), files);
    }
    for (const std::string& file : files) {
      CopyWhole(file, CopyOf(file));
      copies_.push_back({file, CopyOf(file)});
    }
  } catch (...) {
    Remove();
    throw;
  }
}

void RestorePoint::Remove() {
  std::error_code ignored;
  for (const std::string& record : records_) fs::remove(record, ignored);
  for (const Copy& c : copies_) fs::remove(c.copy, ignored);
  records_.clear();
  copies_.clear();
}

void RestorePoint::Finish() { Remove(); }

void RestorePoint::Restore() {
  std::string failures;
  for (const Copy& c : copies_) {
    std::error_code error;
    PutBack(c.file, c.copy, error);
    if (error)
      failures += (failures.empty() ? "" : "; ") +
                  ("Cannot put " + c.file + " back as it was (" + error.message() +
                   "); its copy from before the run is " + c.copy);
  }
  if (!failures.empty()) com::Raise(75, failures);
  Remove();
}

bool RestorePoint::RecoverUnfinished(const std::string& database) {
  const std::string record = database + kRecordSuffix;
  std::error_code error;
  if (!fs::exists(record, error)) return false;
  const std::vector<std::string> files = ReadRecord(record);
  for (const std::string& file : files) {
    if (!fs::exists(CopyOf(file), error)) continue;  // not written: the run stopped before
    PutBack(file, CopyOf(file), error);
    if (error)
      com::Raise(75, "A replace of " + database + " did not finish and " + file +
                         " cannot be put back (" + error.message() + "): copy " + CopyOf(file) +
                         " over it and run the command again, or remove " + record +
                         " to keep every file of that run as it is.");
  }
  fs::remove(record, error);
  if (error) RaiseCannot("remove", record, error);
  for (const std::string& file : files) fs::remove(CopyOf(file), error);
  return true;
}

}  // namespace engine
