#pragma once
// "Tide Calculation" over the document's port list: the chosen port's date
// and height of tide at the picker's time of day. "Change" edits the chosen
// port's own tide data (tools/TideFields.h).
#include <ctime>
#include <string>
#include <vector>

#include "lists/PortInfo.h"

namespace marigold {

struct CTideCalculationView {
  std::vector<std::string> portNames;  // "Port:", in list order
  int selectedPort = -1;               // -1 when there are no ports
  std::string dateText;                // "Date:"
  std::string heightText;              // "Height of Tide:"
  bool canChange = false;              // "Change" needs a port
};

class CTideCalculationTool {
 public:
  // The first port is chosen and the picker starts at now.
  CTideCalculationTool(CPortList& ports, std::time_t now);

  void OnPortSelected(int index);
  void OnTimeChanged(std::time_t pickerTime) { pickerTime_ = pickerTime; }
  std::time_t PickerTime() const { return pickerTime_; }

  // The tide data "Change" edits; nullptr without a port.
  CTideInfo* SelectedTide() const;

  // Computed afresh each time, so the height also follows angles and factors
  // just changed through "Change". With no ports the texts are empty.
  CTideCalculationView View() const;

 private:
  CPortList& ports_;
  int selected_ = 0;
  std::time_t pickerTime_;
};

}  // namespace marigold
