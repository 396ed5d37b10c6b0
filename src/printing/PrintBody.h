#pragma once
// A printed body: what stands between the page header and the footer, for
// as many pages as it needs. Page numbers count from 1.
#include <functional>
#include <memory>

#include "core/Painter.h"

namespace marigold {

class CPrintBody {
 public:
  virtual ~CPrintBody() = default;
  // The pages the whole body needs; at least 1.
  virtual int PageCount() const = 0;
  virtual void DrawPage(CPainter& painter, int page) const = 0;
};

// A body of one page (the cover, the reports of their own, the graphs).
class CSinglePageBody final : public CPrintBody {
 public:
  explicit CSinglePageBody(std::function<void(CPainter&)> draw) : draw_(std::move(draw)) {}
  int PageCount() const override { return 1; }
  void DrawPage(CPainter& painter, int page) const override {
    if (page == 1 && draw_) draw_(painter);
  }

 private:
  std::function<void(CPainter&)> draw_;
};

}  // namespace marigold
