#pragma once
// The forms of the database or Access project.

#include "objects/documents/designed_documents.h"

namespace objects {

class Forms : public DesignedDocuments {
 public:
  Forms();
  const com::TypeInfo& Members() const override;
};

}  // namespace objects
