#pragma once
// The pages of the voyage sheet: "Voyage" (CPageVoyageVoyage), "Vessel"
// (CPageVoyageDraft) and "Weather" (CPageVoyageWeather). They edit the
// sheet's fields and show the live results of its CVoyageSheet, which every
// change recomputes; `recomputed` then lets every page show them.
#include <functional>

#include "core/Prompter.h"
#include "ui/sheets/Sheet.h"
#include "voyage/VoyageSheet.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace marigold {

class CDateTimeEdit;
class CFigureEdit;

using CResultsChanged = std::function<void()>;

class CPageVoyageVoyage final : public CSheetPage {
  Q_OBJECT

 public:
  // The dates count only with two waypoints or more; otherwise they show
  // the present time and cannot be changed.
  CPageVoyageVoyage(CVoyageSheetFields& fields, CVoyageSheet& results, bool datesCount, CResultsChanged recomputed,
                    QWidget* parent = nullptr);

  void Load() override;
  void Store() override;
  void ShowResults();

 private:
  void OnDatesChanged();

  CVoyageSheetFields& fields_;
  CVoyageSheet& results_;
  CResultsChanged recomputed_;
  QLineEdit* voyageNumber_;
  CDateTimeEdit* begin_;
  CDateTimeEdit* eta_;
  QLabel* totalDistance_;
  QLabel* totalDuration_;
  QLabel* averageSpeed_;
};

class CPageVoyageDraft final : public CSheetPage {
  Q_OBJECT

 public:
  CPageVoyageDraft(CVoyageSheetFields& fields, CVoyageSheet& results, CResultsChanged recomputed,
                   QWidget* parent = nullptr);

  void Load() override;
  std::optional<CFieldRefusal> Validate() const override;
  void Store() override;
  void ShowResults();

 private:
  CVoyageSheetFields Fields() const;

  CVoyageSheetFields& fields_;
  CVoyageSheet& results_;
  CResultsChanged recomputed_;
  CFigureEdit* draftForward_;
  CFigureEdit* draftAft_;
  CFigureEdit* displacement_;
  QLabel* freeboard_;
  QLabel* eyeHeight_;
  QLabel* mastHeight_;
};

class CPageVoyageWeather final : public CSheetPage {
  Q_OBJECT

 public:
  CPageVoyageWeather(CVoyageSheetFields& fields, CVoyageSheet& results, CPrompter& prompter, CResultsChanged recomputed,
                     QWidget* parent = nullptr);

  void Load() override;
  void Store() override;
  void ShowResults();

 private:
  CVoyageSheetFields& fields_;
  CVoyageSheet& results_;
  CPrompter& prompter_;
  CResultsChanged recomputed_;
  QRadioButton* averageWeather_;
  QRadioButton* presentWeather_;
  QRadioButton* keepRpm_;
  QRadioButton* keepSpeed_;
  QLabel* totalFuel_;
  QLabel* logDistance_;
  QLabel* requiredLogSpeed_;
  QLabel* averageRpm_;
};

}  // namespace marigold
