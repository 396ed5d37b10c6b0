#pragma once
// Pages drawn through the painter interface onto a Qt paint device: a PDF
// file, the printer or the print preview. Page units of 0.1 mm are laid
// from the paper's top left corner; a paper smaller than the page layout
// (Letter is 279.4 mm high, the footer reaches 280 mm) shrinks the drawing
// evenly so that nothing is cut.
#include <QPageSize>
#include <QPagedPaintDevice>
#include <functional>
#include <optional>
#include <string>

#include "core/Painter.h"

namespace marigold {

// The extent every page layout keeps within (0.1 mm).
inline constexpr int kLayoutWidth = 2000;
inline constexpr int kLayoutHeight = 2850;

using CDrawPage = std::function<void(CPainter& painter, int page)>;
// Told after each page; false stops the run.
using CPageProgress = std::function<bool(int done, int total)>;

// Pages first to last (1-based) on the device, which starts on its first
// page; false when the progress stopped it or the device could not be
// painted on.
bool PaintPages(QPagedPaintDevice& device, int firstPage, int lastPage, const CDrawPage& draw,
                const CPageProgress& progress = {});

// The paper by name: "a4" or "letter"; none for any other.
std::optional<QPageSize> PaperNamed(const std::string& name);

struct CPdfResult {
  bool written = false;
  bool cancelled = false;
  std::string message;  // why it was not written
};

// The pages into a PDF file, written beside it first and renamed over it,
// so that a stopped or failed run leaves no half-written file.
CPdfResult WritePdf(const std::string& path, const QPageSize& paper, const std::string& title, int pageCount,
                    const CDrawPage& draw, const CPageProgress& progress = {});

}  // namespace marigold
