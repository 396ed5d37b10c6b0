#pragma once
// "Wheel over point": steered courses and log speeds before and after a
// course change, allowing for the current, and where to put the wheel over
// for a chosen rate of turn. Borrows the document's route; stores nothing.
#include <string>
#include <vector>

#include "core/Voyage.h"
#include "vessel/ToolFigures.h"

namespace marigold {

// The five values of a case, typed in or taken from a waypoint.
struct CWheelOverFields {
  double originalCourse = 0;    // ground course, degrees
  double originalSpeed = 0;     // ground speed, knots
  double intendedCourse = 0;    // ground course after the turn
  double currentDirection = 0;  // where the current sets to
  double currentSpeed = 0;      // knots
};

// The situation at a waypoint: the leg ending at it, its current, and the
// course of the leg after it (0 after the last one).
CWheelOverFields SituationAtWaypoint(const CVoyage& voyage, int index);

// Not-a-number where the figure cannot be computed (a rate of turn of 0).
struct CWheelOverFigures {
  double originalSteered = 0;
  double originalLogSpeed = 0;
  double finalSteered = 0;
  double finalLogSpeed = 0;
  double courseChange = 0;  // degrees, at most 180
  double duration = 0;      // minutes
  double wheelOverDistance = 0;
  double radius = 0;
  double crossTrackError = 0;
};

CWheelOverFigures ComputeWheelOver(const CWheelOverFields& fields, int rateOfTurn);

struct CWheelOverView {
  std::vector<std::string> waypointNames;
  int selectedWaypoint = -1;  // -1: none
  bool atWaypoint = false;    // "Show situation at waypoint:", else "Manually select data:"
  CWheelOverFields fields;
  CSliderRange rateSlider;  // 0..40, rate of turn = 40 − position
  std::string rateOfTurn;
  std::string originalSteered;    // "Original steered course:"
  std::string originalLogSpeed;   // first "Logspeed:"
  std::string finalSteered;       // "Final steerde course:"
  std::string finalLogSpeed;      // second "Logspeed:"
  std::string duration;           // "Duration of change:"
  std::string wheelOverDistance;  // "Wheel over point distance:"
  std::string radius;             // "Radius of course change:"
  std::string crossTrackError;    // "Cross track error (XTE)"
};

class CWheelOverTool {
 public:
  explicit CWheelOverTool(const CVoyage& voyage);

  void OnWaypointSelected(int index);
  // The radio buttons switch the mode only; the inputs stay as they are.
  void OnModeChosen(bool atWaypoint);
  void OnRateSliderReleased(int position);
  // Any of the five fields lost the focus.
  void OnFieldsEdited(const CWheelOverFields& entered);

  CWheelOverView View() const;

 private:
  const CVoyage& voyage_;
  int selected_ = -1;
  bool atWaypoint_ = false;
  int ratePosition_ = 20;
  CWheelOverFields fields_;
};

}  // namespace marigold
