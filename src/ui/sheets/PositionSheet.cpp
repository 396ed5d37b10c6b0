#include "ui/sheets/PositionSheet.h"

#include "ui/sheets/PositionPage.h"
#include "ui/sheets/PresentWeatherPage.h"

namespace marigold {

CPositionSheet::CPositionSheet(CFixRecord& fix, const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent) {
  setObjectName(QStringLiteral("CPositionSheet"));
  AddPage(new CPagePosition(fix, prompter));
  AddPage(new CPagePresentWeather(fix));
}

}  // namespace marigold
