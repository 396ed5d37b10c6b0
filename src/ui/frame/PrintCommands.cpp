#include "ui/frame/PrintCommands.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <filesystem>

#include "qtplatform/PageWriter.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/RouteView.h"
#include "voyage/RouteTransfer.h"

namespace marigold {
namespace {

// The printer the officer set up, kept for the program's run.
QPrinter& SharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  static const bool once = [] {
    printer.setPageSize(QPageSize(QPageSize::A4));
    // Page coordinates are the paper's: the layout keeps its own margins.
    printer.setFullPage(true);
    return true;
  }();
  (void)once;
  return printer;
}

std::string DocumentTitle(CMainFrame& frame) {
  const std::string& path = frame.DocumentPath();
  return path.empty() ? "Route" : std::filesystem::path(path).filename().string();
}

// A progress dialog for jobs long enough to be watched; Cancel stops them.
class CPrintProgress {
 public:
  CPrintProgress(QWidget* parent, int pages) : dialog_("Printing...", "Cancel", 0, pages, parent) {
    dialog_.setWindowTitle(kAppTitle);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(500);
  }
  CPageProgress Callback() {
    return [this](int done, int) {
      dialog_.setValue(done);
      return !dialog_.wasCanceled();
    };
  }

 private:
  QProgressDialog dialog_;
};

CDrawPage Drawing(const CPrintJob& job) {
  return [&job](CPainter& painter, int page) { job.DrawPage(painter, page); };
}

}  // namespace

CPrintOptions FramePrintOptions(CMainFrame& frame, bool arrivalPort) {
  CMarigoldRouteDoc& doc = frame.Doc();
  CPrintOptions options;
  options.title = DocumentTitle(frame);
  options.printedAt = doc.Clock().Now();
  options.fromTree = frame.LeftView().hasFocus();
  if (doc.selectedList == EListKind::Ports) {
    const auto records = frame.RouteView().SelectedRecords();
    if (!records.empty()) options.port = static_cast<const CPortInfo*>(records.front());
  }
  if (!options.port && arrivalPort) options.port = ArrivalPort(doc);
  return options;
}

std::unique_ptr<CPrintJob> CurrentPrintJob(CMainFrame& frame, bool arrivalPort) {
  CPrintRequest request =
      MakePrintJob(frame.Doc(), CurrentPrintMode(frame.Doc()), FramePrintOptions(frame, arrivalPort));
  if (!request.job) frame.Prompter().Message(request.refusal, EMessageIcon::None);
  return std::move(request.job);
}

void PrintOnPrinter(CMainFrame& frame, const CPrintJob& job) {
  QPrinter& printer = SharedPrinter();
  printer.setFromTo(1, job.PageCount());
  QPrintDialog dialog(&printer, &frame);
  dialog.setMinMax(1, job.PageCount());
  if (dialog.exec() != QDialog::Accepted) return;
  const bool range = printer.printRange() == QPrinter::PageRange;
  const int first = range ? std::max(1, printer.fromPage()) : 1;
  const int last = range ? std::min(job.PageCount(), printer.toPage()) : job.PageCount();
  CPrintProgress progress(&frame, last - first + 1);
  PaintPages(printer, first, last, Drawing(job), progress.Callback());
}

void SaveAsPdf(CMainFrame& frame, const CPrintJob& job, const std::string& defaultName) {
  const auto path = frame.Prompter().ChooseSaveFile({defaultName, "pdf", kPdfFilter});
  if (!path) return;
  CPrintProgress progress(&frame, job.PageCount());
  const CPdfResult result = WritePdf(*path, SharedPrinter().pageLayout().pageSize(), DocumentTitle(frame),
                                     job.PageCount(), Drawing(job), progress.Callback());
  if (!result.written && !result.cancelled) frame.Prompter().Message(result.message, EMessageIcon::Stop);
}

void FilePrint(CMainFrame& frame, int) {
  if (const auto job = CurrentPrintJob(frame)) PrintOnPrinter(frame, *job);
}

void FilePrintPreview(CMainFrame& frame, int) {
  const auto job = CurrentPrintJob(frame);
  if (!job) return;
  QPrintPreviewDialog preview(&SharedPrinter(), &frame);
  preview.setWindowTitle(QString::fromStdString(DocumentTitle(frame)) + " - Print Preview");
  // A body of thousands of pages takes a while to lay out: Cancel stops it
  // and the preview shows the pages drawn so far.
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&job, &frame](QPrinter* printer) {
    CPrintProgress progress(&frame, job->PageCount());
    PaintPages(*printer, 1, job->PageCount(), Drawing(*job), progress.Callback());
  });
  preview.exec();
}

void PrintReport(CMainFrame& frame, EPrintMode mode, bool preview) {
  const CPrintScope scope(frame.Doc(), mode);
  if (preview)
    FilePrintPreview(frame, 0);
  else
    FilePrint(frame, 0);
}

void FilePrintSetup(CMainFrame& frame, int) {
  QPageSetupDialog dialog(&SharedPrinter(), &frame);
  dialog.exec();
}

void FileExportPdf(CMainFrame& frame, int) {
  const auto job = CurrentPrintJob(frame);
  if (!job) return;
  SaveAsPdf(frame, *job, RouteTitle(frame.DocumentPath()) + "-" + PrintModeName(CurrentPrintMode(frame.Doc())));
}

}  // namespace marigold
