#pragma once
// The reports of the database or Access project.

#include "objects/documents/designed_documents.h"

namespace objects {

class Reports : public DesignedDocuments {
 public:
  Reports();
  const com::TypeInfo& Members() const override;
};

}  // namespace objects
