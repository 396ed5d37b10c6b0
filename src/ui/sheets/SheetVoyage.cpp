#include "ui/sheets/SheetVoyage.h"

#include "ui/sheets/NotesPage.h"
#include "ui/sheets/VoyagePages.h"

namespace marigold {

CSheetVoyage::CSheetVoyage(CVoyage& route, CVessel2& vessel, const CMeteoList& meteo, const CClock& clock,
                           const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent),
      route_(route),
      vessel_(vessel),
      fields_(ReadVoyageSheet(route, vessel, clock)),
      results_(route, vessel, meteo) {
  setObjectName(QStringLiteral("CSheetVoyage"));
  const auto recomputed = [this] { ShowResults(); };
  voyagePage_ = new CPageVoyageVoyage(fields_, results_, route.GetCount() >= 2, recomputed);
  draftPage_ = new CPageVoyageDraft(fields_, results_, recomputed);
  weatherPage_ = new CPageVoyageWeather(fields_, results_, prompter, recomputed);
  AddPage(voyagePage_);
  AddPage(draftPage_);
  AddPage(weatherPage_);
  AddPage(new CPageNotes(fields_.notes));
}

void CSheetVoyage::ShowResults() {
  voyagePage_->ShowResults();
  draftPage_->ShowResults();
  weatherPage_->ShowResults();
}

void CSheetVoyage::Apply() {
  CSheet::Apply();
  ApplyVoyageSheet(fields_, route_, vessel_);
}

}  // namespace marigold
