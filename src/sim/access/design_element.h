#pragma once
// What a form or report open in Access, its sections and its controls share:
// each is one block of the document's SaveAsText text, and its properties
// are the property lines of that block.
//
// A get answers the line's value in the property's type, or the default
// when the text leaves the property out. A let writes the line as Access
// writes it: a Yes/No property as `= NotDefault` among the block's first
// lines, a number or a string as `Name =value`; a new line goes after the
// block's last plain property line, before its lists, binary data and blank
// lines. A property set back to its default loses its line, as SaveAsText
// never writes a default; so does a string property set to the empty
// string, which SaveAsText never writes either (a picture set to "" reads
// "(none)" again). Setting a read-only property raises 2135; a value
// that is no setting of an enumeration, 2101; a value that does not convert
// to the type, Visual Basic's 13 or 6.
//
// Every member raises 2467 once the document is closed, 462 once Access has
// quit.

#include <memory>

#include "com/dispatch.h"
#include "sim/access/design_properties.h"
#include "sim/access/text_node.h"

namespace sim::access {

class DocumentDesign;

class DesignElement : public com::Dispatch {
 public:
  com::Variant Value(const DesignProperty& property);
  void SetValue(const DesignProperty& property, const com::Variant& value);

  // The open document; 2467 once it closed.
  virtual std::shared_ptr<DocumentDesign> Design() const = 0;

 protected:
  DesignElement(TextNode* block, const DesignProperties& properties)
      : block_(block), properties_(properties) {}

  // The block of the form's default control of this kind, if it has one.
  virtual const TextNode* Defaults() const { return nullptr; }

  const TextNode& Block() const { return *block_; }
  // The block, to be written: the document counts as changed from now on.
  TextNode& EditBlock();
  void SetBlock(TextNode* block) { block_ = block; }
  const DesignProperties& Properties() const { return properties_; }

 private:
  com::Variant DefaultOf(const DesignProperty& property, bool report) const;

  TextNode* block_;
  const DesignProperties& properties_;
};

// The member of an element's type library for one of its properties.
com::Member PropertyMember(const DesignProperty& property);

// An element's type library: its own members, then its kind's properties.
template <class T>
com::TypeInfo DesignTypeInfo(com::TypeBuilder<T> builder, const DesignProperties& properties) {
  for (const DesignProperty& property : properties.All()) builder.Custom(PropertyMember(property));
  return builder.Build();
}

// Writes a string property line, or removes it for the empty string.
void WriteString(TextNode& block, const std::string& name, const std::string& value);

}  // namespace sim::access
