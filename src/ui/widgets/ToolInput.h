#pragma once
// What the officer types into the tool dialogs: figures taken in full as
// text, and a refused value sent back to its field.
#include <QDialogButtonBox>
#include <QLineEdit>
#include <optional>
#include <string>

#include "core/Prompter.h"
#include "core/RangeCheck.h"

namespace marigold {

// A figure typed as text, named after its field, so that a figure the tool
// computes into it shows every digit.
QLineEdit* NewNumberField(const char* name, QWidget* parent);

// The number typed into the field; the data exchange's refusal (by the
// field's name) for text that is no finite number, leaving `value` alone.
std::optional<CFieldRefusal> ReadNumberField(const QLineEdit& field, double& value);

// Focuses the child of `scope` named `field` and selects its text, so that
// typing replaces the refused value.
void FocusNamedField(QWidget& scope, const std::string& field);

// The one "Close" of a tool dialog, at the platform's place. Enter in a
// field never presses it: an officer typing figures does not lose them.
QDialogButtonBox* NewCloseButtons(QDialog* dialog);

// The refusal's message, then the focus on its field.
void RefuseField(QWidget& scope, CPrompter& prompter, const CFieldRefusal& refusal);

}  // namespace marigold
