// The front end of the desktop program: message boxes over the active
// window, and the event loop pumped where the core lets input through.
#pragma once

#include "app/front_end.h"

class TWidgetFrontEnd : public TFrontEnd {
 public:
  void ShowError(const std::string& text) override;
  void ShowInformation(const std::string& text) override;
  bool Confirm(const std::string& text, bool defaultYes) override;
  void ProcessPending() override;
};
