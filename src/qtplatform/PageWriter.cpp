#include "qtplatform/PageWriter.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <filesystem>

#include "qtplatform/QtPainter.h"

namespace marigold {
namespace {

constexpr double kUnitsPerInch = 254.0;

// Device pixels per inch at which the layout fits the paper.
double FittedResolution(const QPagedPaintDevice& device) {
  const QSizeF paper = device.pageLayout().fullRectPoints().size();  // 1/72 inch
  const double widthUnits = paper.width() / 72.0 * kUnitsPerInch;
  const double heightUnits = paper.height() / 72.0 * kUnitsPerInch;
  const double fit = std::min({1.0, widthUnits / kLayoutWidth, heightUnits / kLayoutHeight});
  return device.logicalDpiY() * fit;
}

}  // namespace

bool PaintPages(QPagedPaintDevice& device, int firstPage, int lastPage, const CDrawPage& draw,
                const CPageProgress& progress) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  CQtPainter pagePainter(painter, FittedResolution(device));
  const int total = lastPage - firstPage + 1;
  for (int page = firstPage; page <= lastPage; ++page) {
    if (page > firstPage) device.newPage();
    draw(pagePainter, page);
    if (progress && !progress(page - firstPage + 1, total)) {
      painter.end();
      return false;
    }
  }
  return painter.end();
}

std::optional<QPageSize> PaperNamed(const std::string& name) {
  if (name == "a4") return QPageSize(QPageSize::A4);
  if (name == "letter") return QPageSize(QPageSize::Letter);
  return std::nullopt;
}

CPdfResult WritePdf(const std::string& path, const QPageSize& paper, const std::string& title, int pageCount,
                    const CDrawPage& draw, const CPageProgress& progress) {
  const QString target = QString::fromStdString(path);
  const QString partial = target + ".partial";
  bool stopped = false;
  {
    QPdfWriter writer(partial);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator("Marigold Route");
    writer.setResolution(600);
    writer.setPageSize(paper);
    // Page coordinates run from the paper's edge: the layout keeps its own margins.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    const CPageProgress counting = [&](int done, int total) {
      stopped = progress && !progress(done, total);
      return !stopped;
    };
    if (!PaintPages(writer, 1, std::max(1, pageCount), draw, counting) && !stopped) {
      QFile::remove(partial);
      return {false, false, "Unable to write " + path};
    }
  }
  if (stopped) {
    QFile::remove(partial);
    return {false, true, "Cancelled"};
  }
  std::error_code error;
  std::filesystem::rename(partial.toStdString(), path, error);
  if (error) {
    QFile::remove(partial);
    return {false, false, "Unable to write " + path};
  }
  return {true, false, {}};
}

}  // namespace marigold
