// Print jobs of the GTK backend. Printing to a file writes a PDF whose
// pages keep their text; printing to a printer keeps the pages and hands
// them to the system print dialog when the document is complete, where the
// person picks the printer, the pages and the paper.
#pragma once

#include <memory>
#include <string>

#include "platform/classlib/backend/window_backend.h"

class wxWindow;

namespace gui {

// Null when the file cannot be written.
std::unique_ptr<afx::PrintJob> MakePdfPrintJob(const afx::PrinterSetup& setup, const std::string& document_name);
std::unique_ptr<afx::PrintJob> MakeSystemPrintJob(const afx::PrinterSetup& setup, const std::string& document_name,
                                                  wxWindow* dialog_parent);
// A surface that measures text as the printed pages will.
std::unique_ptr<afx::Surface> MakeMeasuringSurface(const afx::PrinterSetup& setup);

}  // namespace gui
