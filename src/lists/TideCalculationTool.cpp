#include "lists/TideCalculationTool.h"

#include "tools/TideCalculation.h"

namespace marigold {

CTideCalculationTool::CTideCalculationTool(CPortList& ports, std::time_t now) : ports_(ports), pickerTime_(now) {}

void CTideCalculationTool::OnPortSelected(int index) {
  if (index >= 0 && index < ports_.GetCount()) selected_ = index;
}

CTideInfo* CTideCalculationTool::SelectedTide() const {
  if (selected_ < 0 || selected_ >= ports_.GetCount()) return nullptr;
  return &ports_.GetAt(selected_)->tide;
}

CTideCalculationView CTideCalculationTool::View() const {
  CTideCalculationView v;
  for (const auto& record : ports_) v.portNames.push_back(record->GetName());
  const CTideInfo* tide = SelectedTide();
  if (!tide) return v;
  v.selectedPort = selected_;
  v.dateText = TideDateText(*tide);
  v.heightText = TideHeightText(*tide, pickerTime_);
  v.canChange = true;
  return v;
}

}  // namespace marigold
