#pragma once
// The driver's user guide: a compiled help file beside the driver's module,
// opened at a topic; and the openers for help files and web pages.

#include <cstdint>
#include <string>

#include "com/dispatch.h"

namespace ui {

enum TopicConstants : std::int32_t {
  tovrinTopic_Min = 1,
  tovrinTopicMain = 1,
  tovrinTopicObjectModel = 2,
  tovrinTopicApplications = 3,
  tovrinTopicPreparingToUpsize = 4,
  tovrinTopicRelationshipCrossref = 5,
  tovrinTopicRepairingBrokenLinks = 6,
  tovrinTopicLimitations = 7,
  tovrinTopicTroubleshooting = 8,
  tovrinTopic_Max = 8,
};

class UserGuide : public com::Dispatch {
 public:
  const com::TypeInfo& Members() const override;
  void Interact(TopicConstants topic);
  std::string Path();
};

// Opens a .chm or .hlp file at a topic (0: its contents). The empty name
// means the user guide. Failures end in a message box, never an error.
void ShowHelp(const std::string& file, std::int32_t topic);
// Opens the address with the user's browser.
void ShowWebPage(const std::string& url);

}  // namespace ui
