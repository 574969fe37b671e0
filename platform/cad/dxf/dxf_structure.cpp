#include "platform/cad/dxf/dxf_structure.h"

#include <strings.h>

#include <algorithm>
#include <charconv>

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

namespace {

template <std::size_t N>
bool isOneOf(std::string_view name, const std::string_view (&names)[N]) {
  return std::any_of(std::begin(names), std::end(names),
                     [&](std::string_view known) { return equalsIgnoringCase(name, known); });
}

}  // namespace

bool isFrameRecord(std::string_view name) {
  static constexpr std::string_view kNames[] = {"SECTION", "ENDSEC", "TABLE", "ENDTAB",
                                                "BLOCK",   "ENDBLK", "CLASS", "EOF"};
  return isOneOf(name, kNames);
}

bool isSequencePart(std::string_view name) {
  static constexpr std::string_view kNames[] = {"VERTEX", "ATTRIB", "SEQEND"};
  return isOneOf(name, kNames);
}

bool isPolylineRecord(std::string_view name) { return equalsIgnoringCase(name, "POLYLINE"); }

bool isDxfTableName(std::string_view name) {
  static constexpr std::string_view kNames[] = {"VPORT", "LTYPE", "LAYER",    "STYLE",       "VIEW",
                                                "UCS",   "APPID", "DIMSTYLE", "BLOCK_RECORD"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

std::string_view tableRecordSubclass(std::string_view table) {
  static constexpr std::pair<std::string_view, std::string_view> kMarkers[] = {
      {"VPORT", "AcDbViewportTableRecord"},    {"LTYPE", "AcDbLinetypeTableRecord"},
      {"LAYER", "AcDbLayerTableRecord"},       {"STYLE", "AcDbTextStyleTableRecord"},
      {"VIEW", "AcDbViewTableRecord"},         {"UCS", "AcDbUCSTableRecord"},
      {"APPID", "AcDbRegAppTableRecord"},      {"DIMSTYLE", "AcDbDimStyleTableRecord"},
      {"BLOCK_RECORD", "AcDbBlockTableRecord"}};
  for (const auto& [name, marker] : kMarkers) {
    if (name == table) return marker;
  }
  return {};
}

bool isDxfEntityName(std::string_view name) {
  static constexpr std::string_view kNames[] = {"3DFACE",     "3DSOLID",  "ACAD_PROXY_ENTITY",
                                                "ARC",        "ATTDEF",   "ATTRIB",
                                                "BODY",       "CIRCLE",   "DIMENSION",
                                                "ELLIPSE",    "HATCH",    "IMAGE",
                                                "INSERT",     "LEADER",   "LINE",
                                                "LWPOLYLINE", "MLINE",    "MTEXT",
                                                "OLE2FRAME",  "OLEFRAME", "POINT",
                                                "POLYLINE",   "RAY",      "REGION",
                                                "SEQEND",     "SHAPE",    "SOLID",
                                                "SPLINE",     "TEXT",     "TOLERANCE",
                                                "TRACE",      "VERTEX",   "VIEWPORT",
                                                "XLINE"};
  return isOneOf(name, kNames);
}

bool isDxfObjectName(std::string_view name) {
  static constexpr std::string_view kNames[] = {"ACAD_PROXY_OBJECT",
                                                "ACDBDICTIONARYWDFLT",
                                                "ACDBPLACEHOLDER",
                                                "DICTIONARY",
                                                "DICTIONARYVAR",
                                                "DIMASSOC",
                                                "GROUP",
                                                "IDBUFFER",
                                                "IMAGEDEF",
                                                "IMAGEDEF_REACTOR",
                                                "LAYER_FILTER",
                                                "LAYER_INDEX",
                                                "LAYOUT",
                                                "MATERIAL",
                                                "MLINESTYLE",
                                                "OBJECT_PTR",
                                                "PLOTSETTINGS",
                                                "RASTERVARIABLES",
                                                "SORTENTSTABLE",
                                                "SPATIAL_FILTER",
                                                "SPATIAL_INDEX",
                                                "VISUALSTYLE",
                                                "XRECORD"};
  return isOneOf(name, kNames);
}

bool checkHeaderShape(const std::vector<DxfItem>& items, std::size_t& bad, std::string& problem) {
  for (std::size_t i = 0; i < items.size(); i += 2) {
    bad = i;
    if (items[i].code != 9) {
      problem = "group code " + std::to_string(items[i].code) + " stands outside any header variable";
      return false;
    }
    const std::string& name = items[i].text;
    if (name.size() < 2 || name[0] != '$') {
      problem = "header variable '" + name.substr(0, 40) + "' does not start with '$'";
      return false;
    }
    if (i + 1 >= items.size() || items[i + 1].code == 9) {
      problem = "header variable " + name + " has no value";
      return false;
    }
    if (i + 2 < items.size() && items[i + 2].code != 9) {
      bad = i + 2;
      problem =
          "header variable " + name + " has a second value (group code " + std::to_string(items[i + 2].code) + ")";
      return false;
    }
  }
  return true;
}

std::string dxfVersionOf(const std::vector<DxfItem>& items) {
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    if (items[i].code == 9 && items[i].text == "$ACADVER") return items[i + 1].text;
  }
  return {};
}

bool isPreR13Version(std::string_view version) {
  if (version.substr(0, 2) != "AC") return false;
  // Releases before R10 named themselves "AC2.10" and the like.
  if (version.find('.') != std::string_view::npos) return true;
  int number = 0;
  const auto [end, ec] = std::from_chars(version.data() + 2, version.data() + version.size(), number);
  return ec == std::errc() && end == version.data() + version.size() && number < 1012;
}
