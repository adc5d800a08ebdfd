#include "jetfile/property_blob.h"

#include <cstring>

#include "com/text.h"
#include "jetfile/mdb_file.h"
#include "sim/jet/dao_errors.h"

namespace jetfile {
namespace {

// The list begins with "KKD\0" (Jet 3) or "MR2\0" (Jet 4), then blocks: a
// 32-bit length (the block's own six bytes included) and a 16-bit kind.
constexpr std::size_t kSignatureLength = 4;
constexpr std::uint16_t kNamesBlock = 0x80;
constexpr std::size_t kBlockHeader = 6;

[[noreturn]] void Damaged(const MdbFile& file) {
  sim::jet::RaiseDao(sim::jet::kDaoDamaged, file.path());
}

// Little-endian reads that check the bounds.
class Reader {
 public:
  Reader(const MdbFile& file, const std::string& bytes) : file_(file), bytes_(bytes) {}

  bool AtEnd() const { return at_ >= bytes_.size(); }
  std::size_t at() const { return at_; }
  std::uint32_t Unsigned(std::size_t width) {
    Need(width);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
      value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    at_ += width;
    return value;
  }
  std::string Bytes(std::size_t count) {
    Need(count);
    std::string out = bytes_.substr(at_, count);
    at_ += count;
    return out;
  }
  void Seek(std::size_t to) {
    if (to > bytes_.size()) Damaged(file_);
    at_ = to;
  }

 private:
  void Need(std::size_t count) const {
    if (at_ + count > bytes_.size()) Damaged(file_);
  }

  const MdbFile& file_;
  const std::string& bytes_;
  std::size_t at_ = 0;
};

template <class T>
T Raw(const std::string& bytes) {
  T value{};
  std::memcpy(&value, bytes.data(), std::min(sizeof(T), bytes.size()));
  return value;
}

}  // namespace

PropertyBlob::PropertyBlob(const MdbFile& file, const std::string& bytes) : file_(file) {
  if (bytes.empty()) return;
  if (bytes.size() < kSignatureLength ||
      (bytes.compare(0, 4, std::string("KKD\0", 4)) != 0 &&
       bytes.compare(0, 4, std::string("MR2\0", 4)) != 0))
    Damaged(file_);
  Reader reader(file_, bytes);
  reader.Seek(kSignatureLength);
  while (!reader.AtEnd()) {
    const std::size_t start = reader.at();
    const std::uint32_t length = reader.Unsigned(4);
    const std::uint32_t kind = reader.Unsigned(2);
    if (length < kBlockHeader) Damaged(file_);
    const std::string block = reader.Bytes(length - kBlockHeader);
    if (kind == kNamesBlock)
      ReadNames(block);
    else
      ReadValues(block);
    reader.Seek(start + length);
  }
}

std::vector<sim::jet::PropertySpec> PropertyBlob::OfColumn(const std::string& column) const {
  const auto found = columns_.find(com::LCase(column));
  return found == columns_.end() ? std::vector<sim::jet::PropertySpec>{} : found->second;
}

void PropertyBlob::ReadNames(const std::string& block) {
  Reader reader(file_, block);
  while (!reader.AtEnd()) names_.push_back(file_.DecodeText(reader.Bytes(reader.Unsigned(2))));
}

// A values block: a 32-bit length of its heading, the name of the column it
// is about (empty for the object itself), then one entry a property: its
// length, a flag, its DAO type, the number of its name in the names block,
// the length of its value and the value.
void PropertyBlob::ReadValues(const std::string& block) {
  Reader reader(file_, block);
  const std::uint32_t heading = reader.Unsigned(4);
  const std::string column = file_.DecodeText(reader.Bytes(reader.Unsigned(2)));
  reader.Seek(heading);
  auto& properties = column.empty() ? own_ : columns_[com::LCase(column)];
  while (!reader.AtEnd()) {
    const std::size_t start = reader.at();
    const std::uint32_t length = reader.Unsigned(2);
    reader.Unsigned(1);
    const auto type = static_cast<std::uint8_t>(reader.Unsigned(1));
    const std::uint32_t name = reader.Unsigned(2);
    const std::string value = reader.Bytes(reader.Unsigned(2));
    if (name >= names_.size() || length == 0) Damaged(file_);
    if (auto readable = ValueOf(type, value))
      properties.push_back({names_[name], static_cast<std::int16_t>(type), *readable});
    reader.Seek(start + length);
  }
}

std::optional<com::Variant> PropertyBlob::ValueOf(std::uint8_t type, const std::string& bytes) const {
  switch (type) {
    case dao::dbBoolean: return com::Variant(!bytes.empty() && bytes[0] != 0);
    case dao::dbByte: return com::Variant(Raw<std::uint8_t>(bytes));
    case dao::dbInteger: return com::Variant(Raw<std::int16_t>(bytes));
    case dao::dbLong: return com::Variant(Raw<std::int32_t>(bytes));
    case dao::dbCurrency: return com::Variant(com::Currency{Raw<std::int64_t>(bytes)});
    case dao::dbSingle: return com::Variant(Raw<float>(bytes));
    case dao::dbDouble: return com::Variant(Raw<double>(bytes));
    case dao::dbDate: return com::Variant(com::Date{Raw<double>(bytes)});
    case dao::dbText:
    case dao::dbMemo: return com::Variant(file_.DecodeText(bytes));
    default: return std::nullopt;  // binary values (GUIDs, name maps) are no text
  }
}

}  // namespace jetfile
