#pragma once
// What Access knows of each kind of object it shows in a window: the DAO
// container of its documents, the class of its window, which views show it
// and the caption of that window. In design view the caption is the name and
// the kind ("Orders : Form"); tables and queries keep that caption in every
// view (a query's names its type: "Orders : Select Query"); a form, report or
// page shown for use is captioned with its name.
//
// The Database window and the Relationships window are no objects of the
// file but document windows all the same; they have kinds of their own.

#include <cstdint>
#include <string>
#include <vector>

namespace sim::access {

inline constexpr std::int32_t kDatabaseWindow = -3;
inline constexpr std::int32_t kRelationshipsWindow = -2;
// The SQL view of a query, which has no AcView value of its own.
inline constexpr std::int32_t kSqlView = -1;

struct DocumentKind {
  std::int32_t object_type;  // an AcObjectType, or one of the windows above
  const char* container;     // the DAO container holding its documents
  const char* window_class;
  const char* caption_word;
  std::int32_t missing_error;  // raised when a command names one that does not exist
  std::vector<std::int32_t> views;
};

// 2498 for a number that is no kind of Access object.
const DocumentKind& KindOf(std::int32_t object_type);

// The word a query's caption shows for its DAO QueryDef type.
std::string QueryCaptionWord(std::int16_t query_type);
// Whether the query gives rows to show in a datasheet; other queries run
// when opened for use.
bool ShowsRows(std::int16_t query_type);

std::string WindowCaption(const DocumentKind& kind, const std::string& name, std::int32_t view,
                          const std::string& caption_word);

}  // namespace sim::access
