#include "host/svg/svg_document.h"

#include <algorithm>
#include <cmath>

#include "host/svg/svg_color_table.h"
#include "host/svg/svg_xml.h"

namespace {

// The longer side of the picture, in pixels, at its natural size.
constexpr double kSheetPixels = 1000.0;
// Room around the drawing, as a part of its larger side.
constexpr double kMarginShare = 0.02;
// Point markers: PDSIZE 0 gives this part of the view height; a plain dot is smaller.
constexpr double kDefaultMarkerShare = 0.05;
constexpr double kDotShare = 0.003;

struct View {
  double x = 0, y = 0, width = 1, height = 1;
  double size() const { return std::max(width, height); }
};

// The drawing's box with room around it; a single point gets a unit square.
View viewOf(const SvgBounds& bounds) {
  View view;
  if (bounds.empty) return view;
  double size = std::max(bounds.width(), bounds.height());
  const bool single = !(size > 0.0);
  if (single) size = 1.0;
  const double margin = size * kMarginShare;
  const double least = single ? size : size * 1e-6;  // a straight line still gets a little height
  const double width = std::max(bounds.width(), least), height = std::max(bounds.height(), least);
  view.x = bounds.minX - margin - (width - bounds.width()) / 2;
  view.y = bounds.minY - margin - (height - bounds.height()) / 2;
  view.width = width + 2 * margin;
  view.height = height + 2 * margin;
  return view;
}

double markerSize(const SvgScene& scene, const View& view) {
  if (scene.pointSize > 0.0 && std::isfinite(scene.pointSize)) return scene.pointSize;
  if (scene.pointSize < 0.0 && std::isfinite(scene.pointSize)) return -scene.pointSize / 100.0 * view.height;
  return kDefaultMarkerShare * view.height;
}

class DocumentWriter {
 public:
  explicit DocumentWriter(const SvgScene& scene)
      : scene_(scene),
        view_(viewOf(scene.bounds)),
        coordinate_(SvgNumberFormat::forSize(view_.size())),
        length_(coordinate_.decimals() + 3),
        factor_(9) {}

  std::string document();

 private:
  void header();
  void leftOutComments();
  void item(const SvgItem& item);
  void path(const SvgItem& item);
  void text(const SvgItem& item);
  void point(const SvgItem& item);
  std::string strokeAttributes(const SvgItem& item) const;

  const SvgScene& scene_;
  View view_;
  SvgNumberFormat coordinate_;  // positions
  SvgNumberFormat length_;      // sizes that may be much smaller than the drawing
  SvgNumberFormat factor_;      // unit-free
  std::string out_;
};

std::string DocumentWriter::document() {
  header();
  leftOutComments();
  out_ += "<g fill=\"none\" stroke-linejoin=\"round\" font-family=\"sans-serif\">\n";
  for (const SvgItem& each : scene_.items) item(each);
  out_ += "</g>\n</svg>\n";
  return std::move(out_);
}

void DocumentWriter::header() {
  const double pixels = scene_.bounds.empty ? 100.0 : kSheetPixels;
  const SvgNumberFormat pixel(2);
  const std::string x = coordinate_(view_.x), y = coordinate_(view_.y);
  const std::string width = coordinate_(view_.width), height = coordinate_(view_.height);
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
          pixel(pixels * view_.width / view_.size()) + "\" height=\"" + pixel(pixels * view_.height / view_.size()) +
          "\" viewBox=\"" + x + ' ' + y + ' ' + width + ' ' + height + "\">\n";
  out_ +=
      "<rect x=\"" + x + "\" y=\"" + y + "\" width=\"" + width + "\" height=\"" + height + "\" fill=\"#ffffff\"/>\n";
}

void DocumentWriter::leftOutComments() {
  int count = 0;
  for (const auto& [name, number] : scene_.notDrawn) count += number;
  if (count > 0) {
    std::string kinds;
    for (const auto& [name, number] : scene_.notDrawn) {
      if (!kinds.empty()) kinds += ", ";
      kinds += name;
      if (scene_.notDrawn.size() > 1 && number > 1) kinds += " (" + std::to_string(number) + ")";
    }
    out_ += "<!-- " +
            XmlCommentText(std::to_string(count) + (count == 1 ? " entity" : " entities") + " not drawn: " + kinds) +
            " -->\n";
  }
  for (const std::string& note : scene_.notes) out_ += "<!-- " + XmlCommentText(note) + " -->\n";
}

void DocumentWriter::item(const SvgItem& item) {
  switch (item.kind) {
    case SvgItem::Kind::kPath:
      path(item);
      break;
    case SvgItem::Kind::kText:
      text(item);
      break;
    case SvgItem::Kind::kPoint:
      point(item);
      break;
  }
}

std::string DocumentWriter::strokeAttributes(const SvgItem& item) const {
  std::string attributes = " stroke=\"" + ColorIndexToSvg(item.colorIndex) + '"';
  if (item.width > 0.0) {
    attributes += " stroke-width=\"" + length_(item.width) + '"';
  } else {
    attributes += " stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
  }
  if (!item.dashes.empty()) {
    std::string dashes;
    for (const double dash : item.dashes) dashes += (dashes.empty() ? "" : " ") + length_(dash);
    attributes += " stroke-dasharray=\"" + dashes + '"';
  }
  return attributes;
}

void DocumentWriter::path(const SvgItem& item) {
  out_ += "<path d=\"" + item.path.data(coordinate_) + '"' + strokeAttributes(item) + "/>\n";
}

void DocumentWriter::text(const SvgItem& item) {
  const SvgText& shape = item.text;
  const double* m = shape.matrix;
  out_ += "<text xml:space=\"preserve\" font-size=\"" + length_(shape.height) + "\" fill=\"" +
          ColorIndexToSvg(item.colorIndex) + '"';
  const bool plain =
      std::fabs(m[0] - 1) < 1e-12 && std::fabs(m[1]) < 1e-12 && std::fabs(m[2]) < 1e-12 && std::fabs(m[3] - 1) < 1e-12;
  if (plain) {
    out_ += " x=\"" + coordinate_(m[4]) + "\" y=\"" + coordinate_(m[5]) + '"';
  } else {
    out_ += " transform=\"matrix(" + factor_(m[0]) + ' ' + factor_(m[1]) + ' ' + factor_(m[2]) + ' ' + factor_(m[3]) +
            ' ' + coordinate_(m[4]) + ' ' + coordinate_(m[5]) + ")\"";
  }
  if (shape.anchor != nullptr) out_ += std::string(" text-anchor=\"") + shape.anchor + '"';
  if (shape.baseline != nullptr) out_ += std::string(" dominant-baseline=\"") + shape.baseline + '"';
  if (shape.fitLength > 0.0) {
    out_ += " textLength=\"" + length_(shape.fitLength) + "\" lengthAdjust=\"spacingAndGlyphs\"";
  }
  out_ += '>' + XmlEscape(shape.text) + "</text>\n";
}

// The marker of the drawing's point style: a dot, nothing, a plus, a cross or a tick,
// with a circle and a square around it on request.
void DocumentWriter::point(const SvgItem& item) {
  const int mode = scene_.pointMode;
  const double size = markerSize(scene_, view_), half = size / 2;
  const SvgPoint& p = item.point;
  auto at = [&](double dx, double dy) { return coordinate_(p.x + dx) + ' ' + coordinate_(p.y + dy); };
  std::string d;
  switch (mode & 7) {
    case 0:
      if ((mode & 96) == 0) {
        out_ += "<circle cx=\"" + coordinate_(p.x) + "\" cy=\"" + coordinate_(p.y) + "\" r=\"" +
                length_(kDotShare * view_.size()) + "\" fill=\"" + ColorIndexToSvg(item.colorIndex) + "\"/>\n";
        return;
      }
      break;
    case 2:
      d = "M" + at(-half, 0) + " L" + at(half, 0) + " M" + at(0, -half) + " L" + at(0, half);
      break;
    case 3:
      d = "M" + at(-half, -half) + " L" + at(half, half) + " M" + at(-half, half) + " L" + at(half, -half);
      break;
    case 4:
      d = "M" + at(0, 0) + " L" + at(0, -half);
      break;
    default:
      break;
  }
  if ((mode & 32) != 0) {
    d += (d.empty() ? "M" : " M") + at(-half, 0) + " A" + length_(half) + ' ' + length_(half) + " 0 1 0 " +
         at(half, 0) + " A" + length_(half) + ' ' + length_(half) + " 0 1 0 " + at(-half, 0) + " Z";
  }
  if ((mode & 64) != 0) {
    d += (d.empty() ? "M" : " M") + at(-half, -half) + " L" + at(half, -half) + " L" + at(half, half) + " L" +
         at(-half, half) + " Z";
  }
  if (d.empty()) return;
  SvgItem marker = item;
  marker.dashes.clear();
  marker.width = 0.0;
  out_ += "<path d=\"" + d + '"' + strokeAttributes(marker) + "/>\n";
}

}  // namespace

std::string SvgDocumentOf(const SvgScene& scene) { return DocumentWriter(scene).document(); }
