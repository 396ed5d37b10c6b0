#pragma once
// The voyage sheet ("Voyage", "Vessel", "Weather", "Notes") over the
// document's route and vessel, with the live results of its pages. OK
// applies it; until then nothing reaches the route or the vessel.
#include <string>

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/Voyage.h"
#include "lists/MeteoList.h"
#include "ui/sheets/Sheet.h"
#include "vessel/Vessel2.h"
#include "voyage/VoyageSheet.h"

namespace marigold {

class CPageVoyageDraft;
class CPageVoyageVoyage;
class CPageVoyageWeather;

class CSheetVoyage final : public CSheet {
  Q_OBJECT

 public:
  CSheetVoyage(CVoyage& route, CVessel2& vessel, const CMeteoList& meteo, const CClock& clock,
               const std::string& caption, CPrompter& prompter, QWidget* parent = nullptr);

 protected:
  void Apply() override;

 private:
  void ShowResults();

  CVoyage& route_;
  CVessel2& vessel_;
  CVoyageSheetFields fields_;
  CVoyageSheet results_;
  CPageVoyageVoyage* voyagePage_;
  CPageVoyageDraft* draftPage_;
  CPageVoyageWeather* weatherPage_;
};

}  // namespace marigold
