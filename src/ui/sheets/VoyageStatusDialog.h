#pragma once
// "Voyage Status": the remaining voyage from the latest fix, the next
// waypoint and reporting point, the history between two fixes, and the
// scheduled arrival to change.
#include <QDialog>
#include <functional>

#include "voyage/VoyageStatus.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace marigold {

class CDateTimeEdit;

class CVoyageStatusDialog : public QDialog {
  Q_OBJECT

 public:
  // Prints the status report, or previews it.
  using CPrintReport = std::function<void(bool preview)>;

  // `status` has been opened (its view filled).
  CVoyageStatusDialog(CVoyageStatus& status, CPrintReport printReport, QWidget* parent = nullptr);

  QComboBox* fromBox() const { return from_; }
  QComboBox* tillBox() const { return till_; }
  CDateTimeEdit* etaEdit() const { return eta_; }
  CDateTimeEdit* departureEdit() const { return departure_; }
  QLineEdit* voyageNumberEdit() const { return voyageNumber_; }
  QPlainTextEdit* notesEdit() const { return notes_; }
  // The shown figure of a group's field, by its name in the view
  // ("distanceToGo", "waypointName", "groundSpeed", ...).
  QString figure(const char* name) const;
  QPushButton* printButton() const { return print_; }
  QPushButton* viewButton() const { return view_; }

 private:
  void Show();

  CVoyageStatus& status_;
  CPrintReport printReport_;
  QComboBox* from_ = nullptr;
  QComboBox* till_ = nullptr;
  CDateTimeEdit* eta_ = nullptr;
  CDateTimeEdit* departure_ = nullptr;
  QLineEdit* voyageNumber_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* view_ = nullptr;
};

}  // namespace marigold
