#include "platform/gui/print_jobs.h"

#include <cairo-pdf.h>
#include <wx/print.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <vector>

#include "platform/gui/cairo_surface.h"
#include "platform/gui/native_frame.h"

namespace gui {
namespace {

constexpr double kPointsPerInch = 72.0;

CairoPlacement PagePlacement(const afx::PrinterSetup& setup, double scale) {
  CairoPlacement placement;
  placement.origin = setup.printable_offset;
  placement.size = setup.printable_size;
  placement.scale = scale;
  placement.device.dpi_x = placement.device.dpi_y = setup.dpi;
  placement.device.printer = true;
  placement.device.physical_size = setup.page_size;
  placement.device.printable_offset = setup.printable_offset;
  return placement;
}

int Dpi(const afx::PrinterSetup& setup) { return std::max(1, setup.dpi); }

// Pages go to a file beside the wanted one, renamed over it only when the document is complete.
class PdfPrintJob : public afx::PrintJob {
 public:
  PdfPrintJob(const afx::PrinterSetup& setup, const std::string& document_name)
      : setup_(setup), partial_(setup.output_file + ".partial") {
    const double scale = kPointsPerInch / Dpi(setup);
    pdf_ = cairo_pdf_surface_create(partial_.c_str(), setup.page_size.cx * scale, setup.page_size.cy * scale);
    if (cairo_surface_status(pdf_) != CAIRO_STATUS_SUCCESS) return;
    cairo_pdf_surface_set_metadata(pdf_, CAIRO_PDF_METADATA_TITLE, document_name.c_str());
    ok_ = true;
  }
  ~PdfPrintJob() override {
    if (!done_) Abort();
    cairo_surface_destroy(pdf_);
  }

  bool ok() const { return ok_; }

  afx::Surface* StartPage() override {
    if (!ok_ || done_) return nullptr;
    page_ = std::make_unique<CairoSurface>(pdf_, PagePlacement(setup_, kPointsPerInch / Dpi(setup_)));
    return page_.get();
  }
  bool EndPage() override {
    if (page_ == nullptr) return false;
    cairo_show_page(page_->context());
    page_.reset();
    return cairo_surface_status(pdf_) == CAIRO_STATUS_SUCCESS;
  }
  bool Finish() override {
    page_.reset();
    cairo_surface_finish(pdf_);
    done_ = true;
    if (!ok_ || cairo_surface_status(pdf_) != CAIRO_STATUS_SUCCESS ||
        std::rename(partial_.c_str(), setup_.output_file.c_str()) != 0) {
      std::remove(partial_.c_str());
      return false;
    }
    return true;
  }
  void Abort() override {
    page_.reset();
    cairo_surface_finish(pdf_);
    std::remove(partial_.c_str());
    done_ = true;
  }

 private:
  afx::PrinterSetup setup_;
  std::string partial_;
  cairo_surface_t* pdf_ = nullptr;
  std::unique_ptr<CairoSurface> page_;
  bool ok_ = false;
  bool done_ = false;
};

// Replays kept pages onto the pages of the system's print run, fitted to its paper.
class ReplayPrintout : public wxPrintout {
 public:
  ReplayPrintout(const std::string& title, const std::vector<cairo_surface_t*>& pages, CSize page_size)
      : wxPrintout(wxString::FromUTF8(title)), pages_(pages), page_size_(page_size) {}

  bool HasPage(int page) override { return page >= 1 && page <= static_cast<int>(pages_.size()); }
  void GetPageInfo(int* min_page, int* max_page, int* from, int* to) override {
    *min_page = *from = 1;
    *max_page = *to = static_cast<int>(pages_.size());
  }
  bool OnPrintPage(int page) override {
    wxDC* dc = GetDC();
    cairo_t* cr = dc != nullptr ? CairoOf(*dc) : nullptr;
    if (cr == nullptr || !HasPage(page)) return false;
    int width = 0;
    int height = 0;
    dc->GetSize(&width, &height);
    const double scale = std::min(static_cast<double>(width) / std::max(1L, static_cast<long>(page_size_.cx)),
                                  static_cast<double>(height) / std::max(1L, static_cast<long>(page_size_.cy)));
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, pages_[page - 1], 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    return true;
  }

 private:
  const std::vector<cairo_surface_t*>& pages_;
  CSize page_size_;
};

class SystemPrintJob : public afx::PrintJob {
 public:
  SystemPrintJob(const afx::PrinterSetup& setup, const std::string& document_name, wxWindow* parent)
      : setup_(setup), name_(document_name), parent_(parent) {}
  ~SystemPrintJob() override { Abort(); }

  afx::Surface* StartPage() override {
    const cairo_rectangle_t extents{0, 0, static_cast<double>(setup_.page_size.cx),
                                    static_cast<double>(setup_.page_size.cy)};
    pages_.push_back(cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents));
    page_ = std::make_unique<CairoSurface>(pages_.back(), PagePlacement(setup_, 1));
    return page_.get();
  }
  bool EndPage() override {
    page_.reset();
    return true;
  }
  bool Finish() override {
    page_.reset();
    ReplayPrintout printout(name_, pages_, setup_.page_size);
    wxPrinter printer;
    const bool printed = printer.Print(parent_, &printout, true);
    Abort();
    // A person who cancels the dialog has not seen a failure.
    return printed || wxPrinter::GetLastError() == wxPRINTER_CANCELLED;
  }
  void Abort() override {
    page_.reset();
    for (cairo_surface_t* page : pages_) cairo_surface_destroy(page);
    pages_.clear();
  }

 private:
  afx::PrinterSetup setup_;
  std::string name_;
  wxWindow* parent_;
  std::vector<cairo_surface_t*> pages_;
  std::unique_ptr<CairoSurface> page_;
};

}  // namespace

std::unique_ptr<afx::PrintJob> MakePdfPrintJob(const afx::PrinterSetup& setup, const std::string& document_name) {
  auto job = std::make_unique<PdfPrintJob>(setup, document_name);
  if (!job->ok()) {
    std::cerr << "cannot write " << setup.output_file << "\n";
    return nullptr;
  }
  return job;
}

std::unique_ptr<afx::PrintJob> MakeSystemPrintJob(const afx::PrinterSetup& setup, const std::string& document_name,
                                                  wxWindow* dialog_parent) {
  return std::make_unique<SystemPrintJob>(setup, document_name, dialog_parent);
}

std::unique_ptr<afx::Surface> MakeMeasuringSurface(const afx::PrinterSetup& setup) {
  cairo_surface_t* target = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  auto surface = std::make_unique<CairoSurface>(target, PagePlacement(setup, 1));
  cairo_surface_destroy(target);  // the surface holds its own reference
  return surface;
}

}  // namespace gui
