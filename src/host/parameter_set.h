#pragma once
// The host parameter set: named text values with a text form that carries
// them between the host, the dialog and the driver. The text form is
// "Key=Value;Key=Value": ";", "=", "%", line breaks and control characters in
// keys and values are written as %XX, everything else as it stands (UTF-8).
// A value put with the secret flag is written scrambled ("Key=*hex"), so that
// it never appears in plain text in the parameter string, a trace or a log.

#include <string>
#include <vector>

namespace host {

class ParameterSet {
 public:
  // Parses a parameter string, replacing every value held. Text that is not
  // a well-formed parameter string raises 5 "Invalid procedure call or argument".
  void SetText(const std::string& text);
  std::string Text() const;

  std::string GetValue(const std::string& key, const std::string& default_value) const;
  void PutValue(const std::string& key, const std::string& value, bool secret);

 private:
  struct Entry {
    std::string key;
    std::string value;
    bool secret = false;
  };
  Entry* Find(const std::string& key);
  const Entry* Find(const std::string& key) const;

  std::vector<Entry> entries_;
};

}  // namespace host
