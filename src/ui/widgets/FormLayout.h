#pragma once
// The labelled rows of a page: text fields take the width there is, while
// figures, dates and choices keep the width of what they show, whatever the
// platform's style would do.
#include <QFormLayout>

namespace marigold {

inline QFormLayout* NewFormLayout(QWidget* parent = nullptr) {
  auto* form = new QFormLayout(parent);
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  return form;
}

}  // namespace marigold
