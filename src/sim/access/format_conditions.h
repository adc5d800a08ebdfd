#pragma once
// Access's FormatConditions collection of a text box or combo box open in
// design view, and its FormatCondition objects. The conditions live in the
// control's block of the document's text as the ConditionalFormat blob (and
// ConditionalFormat14 where a later Access wrote it): every read decodes it,
// every change rebuilds both, so the two never disagree. A blob that does
// not decode is never rewritten: reading its conditions fails.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "com/dispatch.h"
#include "sim/access/conditional_format.h"
#include "sim/access/text_node.h"

namespace sim::access {

class FormatConditions : public com::Dispatch {
 public:
  // `block` gives the control's block of the live document to read, `edit`
  // to write.
  FormatConditions(std::string control, std::function<const TextNode&()> block,
                   std::function<TextNode&()> edit);

  const com::TypeInfo& Members() const override;

  std::int32_t Count();
  com::ObjectRef Item(std::int32_t index);
  // 5 for a fourth condition: Access 2000 keeps at most three.
  com::ObjectRef Add(std::int32_t type, std::int32_t op, const std::string& expression1,
                     const std::string& expression2);
  void Delete();

  std::vector<FormatRule> Rules();
  void Write(const std::vector<FormatRule>& rules);

 private:
  std::string control_;
  std::function<const TextNode&()> block_;
  std::function<TextNode&()> edit_;
};

class FormatCondition : public com::Dispatch {
 public:
  FormatCondition(std::shared_ptr<FormatConditions> parent, std::size_t index)
      : parent_(std::move(parent)), index_(index) {}

  const com::TypeInfo& Members() const override;

  FormatRule Rule();
  // Changes the condition's rule and writes the control's conditions.
  void Change(const std::function<void(FormatRule&)>& change);
  void Delete();

 private:
  std::shared_ptr<FormatConditions> parent_;
  std::size_t index_;
};

}  // namespace sim::access
