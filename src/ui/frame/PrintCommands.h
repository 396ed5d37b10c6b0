#pragma once
// File > Print, Print Preview, Print Setup and Export as PDF: what the
// document's print mode (or selected list) prints, on the printer, in the
// preview or into a PDF file. The tree view's commands come here too; it
// counts 22 records a page.
#include <memory>
#include <string>

#include "printing/PrintJob.h"

class QWidget;

namespace marigold {

class CMainFrame;

inline constexpr const char* kPdfFilter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*||";

void FilePrint(CMainFrame& frame, int id);
void FilePrintPreview(CMainFrame& frame, int id);
void FilePrintSetup(CMainFrame& frame, int id);
void FileExportPdf(CMainFrame& frame, int id);

// A report of its own printed or previewed from its dialog (the status
// dialog's "Print Report" and "View Report"): the mode holds for the print.
void PrintReport(CMainFrame& frame, EPrintMode mode, bool preview);

// The print options of the frame: its title, now, the tree's focus and the
// selected port (or the port of arrival when `arrivalPort` and none is
// selected).
CPrintOptions FramePrintOptions(CMainFrame& frame, bool arrivalPort = false);
// The job of the print mode in force; null after its refusal was shown.
std::unique_ptr<CPrintJob> CurrentPrintJob(CMainFrame& frame, bool arrivalPort = false);
// On the printer (after the print dialog) or into a PDF file the officer
// chooses, with a progress dialog that can stop a long job.
void PrintOnPrinter(CMainFrame& frame, const CPrintJob& job);
void SaveAsPdf(CMainFrame& frame, const CPrintJob& job, const std::string& defaultName);

}  // namespace marigold
