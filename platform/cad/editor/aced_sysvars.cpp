#include "platform/cad/editor/aced_sysvars.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <variant>

#include "platform/cad/db/db_database.h"
#include "platform/cad/db/db_host_services.h"
#include "platform/cad/db/db_object_pointer.h"
#include "platform/cad/db/tables/db_layer_table.h"
#include "platform/cad/db/tables/db_linetype_table.h"
#include "platform/cad/editor/aced_ucs.h"
#include "platform/cad/editor/input/answer_text.h"

namespace {

using Value = std::variant<short, double, std::string, AcGePoint3d>;
enum class Kind { kShort, kReal, kString, kPoint };

struct Session {
  AcGePoint3d last_point_world;
  short pickbox = cadeditor::kDefaultPickBox;
  short cmdecho = 1;
  short filedia = 1;
  short osmode = 0;
  short orthomode = 0;
  short blipmode = 0;
  short highlight = 1;
  short expert = 0;
  short errno_code = 0;  // why the last pick failed
  double elevation = 0.0;
  double thickness = 0.0;
  std::string dwgname = "Drawing1.dxf";
  std::string dwgprefix;
};

Session& State() {
  static Session session;
  return session;
}

AcDbDatabase* Drawing() { return acdbHostApplicationServices()->workingDatabase(); }

struct Variable {
  const char* name;
  Kind kind;
  // nullopt: not readable now (no drawing).
  std::function<std::optional<Value>()> get;
  // Null for a read-only variable; returns why a value is refused, or "".
  std::function<std::string(const Value&)> set;
};

std::function<std::string(const Value&)> ShortSetter(short Session::*field, short low, short high) {
  return [field, low, high](const Value& value) -> std::string {
    const short number = std::get<short>(value);
    if (number < low || number > high) {
      return "Requires an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".";
    }
    State().*field = number;
    return {};
  };
}

std::optional<Value> ShortOf(short Session::*field) { return Value(State().*field); }

std::string SymbolName(AcDbObjectId id) {
  AcDbObjectPointer<AcDbSymbolTableRecord> record(id, AcDb::kForRead);
  return record.openStatus() == Acad::eOk ? std::string(record->name()) : std::string();
}

std::string SetCurrentLayer(const Value& value) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr) return "No drawing is open.";
  AcDbObjectPointer<AcDbLayerTable> table(db->layerTableId(), AcDb::kForRead);
  if (table.openStatus() != Acad::eOk) return "The layer table cannot be read.";
  const AcDbObjectId layer = table->findRecordId(std::get<std::string>(value).c_str());
  if (layer.isNull()) return "Cannot find layer \"" + std::get<std::string>(value) + "\".";
  return db->setClayer(layer) == Acad::eOk ? std::string() : "The layer cannot be made current.";
}

std::string SetCurrentLinetype(const Value& value) {
  AcDbDatabase* db = Drawing();
  if (db == nullptr) return "No drawing is open.";
  AcDbObjectPointer<AcDbLinetypeTable> table(db->linetypeTableId(), AcDb::kForRead);
  if (table.openStatus() != Acad::eOk) return "The linetype table cannot be read.";
  const AcDbObjectId linetype = table->findRecordId(std::get<std::string>(value).c_str());
  if (linetype.isNull()) return "Cannot find linetype \"" + std::get<std::string>(value) + "\".";
  return db->setCeltype(linetype) == Acad::eOk ? std::string() : "The linetype cannot be made current.";
}

// A drawing variable read through the working drawing.
template <class Read>
std::function<std::optional<Value>()> FromDrawing(Read read) {
  return [read]() -> std::optional<Value> {
    const AcDbDatabase* db = Drawing();
    if (db == nullptr) return std::nullopt;
    return Value(read(*db));
  };
}

AcGePoint3d AsPoint(const AcGeVector3d& v) { return {v.x, v.y, v.z}; }

const std::vector<Variable>& Variables() {
  static const std::vector<Variable> variables = [] {
    std::vector<Variable> list = {
        {"BLIPMODE", Kind::kShort, [] { return ShortOf(&Session::blipmode); }, ShortSetter(&Session::blipmode, 0, 1)},
        {"CELTYPE", Kind::kString, FromDrawing([](const AcDbDatabase& db) { return SymbolName(db.celtype()); }),
         SetCurrentLinetype},
        {"CLAYER", Kind::kString, FromDrawing([](const AcDbDatabase& db) { return SymbolName(db.clayer()); }),
         SetCurrentLayer},
        {"CMDECHO", Kind::kShort, [] { return ShortOf(&Session::cmdecho); }, ShortSetter(&Session::cmdecho, 0, 1)},
        {"DWGNAME", Kind::kString, [] { return std::optional<Value>(State().dwgname); }, nullptr},
        {"DWGPREFIX", Kind::kString, [] { return std::optional<Value>(State().dwgprefix); }, nullptr},
        {"ELEVATION", Kind::kReal, [] { return std::optional<Value>(State().elevation); },
         [](const Value& v) {
           State().elevation = std::get<double>(v);
           return std::string();
         }},
        {"ERRNO", Kind::kShort, [] { return ShortOf(&Session::errno_code); },
         ShortSetter(&Session::errno_code, 0, 32767)},
        {"EXPERT", Kind::kShort, [] { return ShortOf(&Session::expert); }, ShortSetter(&Session::expert, 0, 5)},
        {"EXTMAX", Kind::kPoint, FromDrawing([](const AcDbDatabase& db) { return db.extmax(); }), nullptr},
        {"EXTMIN", Kind::kPoint, FromDrawing([](const AcDbDatabase& db) { return db.extmin(); }), nullptr},
        {"FILEDIA", Kind::kShort, [] { return ShortOf(&Session::filedia); }, ShortSetter(&Session::filedia, 0, 1)},
        {"HIGHLIGHT", Kind::kShort, [] { return ShortOf(&Session::highlight); },
         ShortSetter(&Session::highlight, 0, 1)},
        {"LASTPOINT", Kind::kPoint, [] { return std::optional<Value>(cadeditor::LastPoint()); },
         [](const Value& v) {
           cadeditor::SetLastPoint(std::get<AcGePoint3d>(v));
           return std::string();
         }},
        {"LTSCALE", Kind::kReal, FromDrawing([](const AcDbDatabase& db) { return db.ltscale(); }),
         [](const Value& v) -> std::string {
           if (Drawing() == nullptr) return "No drawing is open.";
           if (std::get<double>(v) <= 0.0) return "Value must be positive and nonzero.";
           Drawing()->setLtscale(std::get<double>(v));
           return {};
         }},
        {"ORTHOMODE", Kind::kShort, [] { return ShortOf(&Session::orthomode); },
         ShortSetter(&Session::orthomode, 0, 1)},
        {"OSMODE", Kind::kShort, [] { return ShortOf(&Session::osmode); }, ShortSetter(&Session::osmode, 0, 16383)},
        {"PDMODE", Kind::kShort, FromDrawing([](const AcDbDatabase& db) { return static_cast<short>(db.pdmode()); }),
         [](const Value& v) -> std::string {
           if (Drawing() == nullptr) return "No drawing is open.";
           Drawing()->setPdmode(std::get<short>(v));
           return {};
         }},
        {"PDSIZE", Kind::kReal, FromDrawing([](const AcDbDatabase& db) { return db.pdsize(); }),
         [](const Value& v) -> std::string {
           if (Drawing() == nullptr) return "No drawing is open.";
           Drawing()->setPdsize(std::get<double>(v));
           return {};
         }},
        {"PICKBOX", Kind::kShort, [] { return ShortOf(&Session::pickbox); }, ShortSetter(&Session::pickbox, 0, 32767)},
        {"THICKNESS", Kind::kReal, [] { return std::optional<Value>(State().thickness); },
         [](const Value& v) {
           State().thickness = std::get<double>(v);
           return std::string();
         }},
        {"UCSORG", Kind::kPoint, FromDrawing([](const AcDbDatabase& db) { return db.ucsorg(); }), nullptr},
        {"UCSXDIR", Kind::kPoint, FromDrawing([](const AcDbDatabase& db) { return AsPoint(db.ucsxdir()); }), nullptr},
        {"UCSYDIR", Kind::kPoint, FromDrawing([](const AcDbDatabase& db) { return AsPoint(db.ucsydir()); }), nullptr},
        {"WORLDUCS", Kind::kShort,
         FromDrawing([](const AcDbDatabase& db) { return static_cast<short>(db.isUcsWorld() ? 1 : 0); }), nullptr},
    };
    return list;
  }();
  return variables;
}

const Variable* Find(const char* sym) {
  if (sym == nullptr) return nullptr;
  for (const Variable& variable : Variables()) {
    if (cadeditor::EqualsNoCase(variable.name, sym)) return &variable;
  }
  return nullptr;
}

// The resbuf's value in the variable's kind; nullopt for a type that does not fit.
std::optional<Value> ValueOf(Kind kind, const resbuf& val) {
  switch (kind) {
    case Kind::kShort:
      if (val.restype == RTSHORT) return Value(val.resval.rint);
      if (val.restype == RTLONG && val.resval.rlong >= -32768 && val.resval.rlong <= 32767) {
        return Value(static_cast<short>(val.resval.rlong));
      }
      return std::nullopt;
    case Kind::kReal:
      if (val.restype == RTREAL) return Value(val.resval.rreal);
      if (val.restype == RTSHORT) return Value(static_cast<double>(val.resval.rint));
      if (val.restype == RTLONG) return Value(static_cast<double>(val.resval.rlong));
      return std::nullopt;
    case Kind::kString:
      if (val.restype == RTSTR && val.resval.rstring != nullptr) return Value(std::string(val.resval.rstring));
      return std::nullopt;
    case Kind::kPoint:
      if (val.restype == RT3DPOINT || val.restype == RTPOINT) {
        return Value(AcGePoint3d(val.resval.rpoint[0], val.resval.rpoint[1], val.resval.rpoint[2]));
      }
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<Value> ValueOfText(Kind kind, const std::string& text) {
  switch (kind) {
    case Kind::kShort: {
      const std::optional<long> number = cadeditor::ParseWholeNumber(text);
      if (!number || *number < -32768 || *number > 32767) return std::nullopt;
      return Value(static_cast<short>(*number));
    }
    case Kind::kReal:
      if (const std::optional<double> number = cadeditor::ParseNumber(text)) return Value(*number);
      return std::nullopt;
    case Kind::kString:
      return Value(std::string(cadeditor::TrimmedText(text)));
    case Kind::kPoint:
      if (auto point = cadeditor::ParsePoint(text, cadeditor::LastPoint(), cadeditor::CurrentElevation())) {
        return Value(*point);
      }
      return std::nullopt;
  }
  return std::nullopt;
}

const char* KindRequirement(Kind kind) {
  switch (kind) {
    case Kind::kShort:
      return "Requires an integer value.";
    case Kind::kReal:
      return "Requires numeric value.";
    case Kind::kString:
      return "Requires a text.";
    case Kind::kPoint:
      return "Invalid point.";
  }
  return "";
}

}  // namespace

int acedSetVar(const char* sym, const resbuf* val) {
  const Variable* variable = Find(sym);
  if (variable == nullptr || val == nullptr || !variable->set) return RTERROR;
  const std::optional<Value> value = ValueOf(variable->kind, *val);
  if (!value) return RTERROR;
  return variable->set(*value).empty() ? RTNORM : RTERROR;
}

int acedGetVar(const char* sym, resbuf* result) {
  const Variable* variable = Find(sym);
  if (variable == nullptr || result == nullptr) return RTERROR;
  const std::optional<Value> value = variable->get();
  if (!value) return RTERROR;
  result->rbnext = nullptr;
  if (const short* number = std::get_if<short>(&*value)) {
    result->restype = RTSHORT;
    result->resval.rint = *number;
  } else if (const double* real = std::get_if<double>(&*value)) {
    result->restype = RTREAL;
    result->resval.rreal = *real;
  } else if (const std::string* text = std::get_if<std::string>(&*value)) {
    char* copy = static_cast<char*>(std::malloc(text->size() + 1));
    if (copy == nullptr) return RTERROR;
    std::memcpy(copy, text->c_str(), text->size() + 1);
    result->restype = RTSTR;
    result->resval.rstring = copy;
  } else {
    const AcGePoint3d& point = std::get<AcGePoint3d>(*value);
    result->restype = RT3DPOINT;
    result->resval.rpoint[0] = point.x;
    result->resval.rpoint[1] = point.y;
    result->resval.rpoint[2] = point.z;
  }
  return RTNORM;
}

namespace cadeditor {

std::vector<std::string> SystemVariableNames() {
  std::vector<std::string> names;
  for (const Variable& variable : Variables()) names.emplace_back(variable.name);
  std::sort(names.begin(), names.end());
  return names;
}

std::string SystemVariableText(const char* sym) {
  const Variable* variable = Find(sym);
  if (variable == nullptr) return {};
  const std::optional<Value> value = variable->get();
  if (!value) return {};
  if (const short* number = std::get_if<short>(&*value)) return std::to_string(*number);
  if (const double* real = std::get_if<double>(&*value)) return FormatReal(*real);
  if (const std::string* text = std::get_if<std::string>(&*value)) return *text;
  return FormatPoint(std::get<AcGePoint3d>(*value));
}

std::string SetSystemVariableFromText(const char* sym, const std::string& text) {
  const Variable* variable = Find(sym);
  if (variable == nullptr) return "Unknown variable name.";
  if (!variable->set) return std::string(variable->name) + " is read-only.";
  const std::optional<Value> value = ValueOfText(variable->kind, text);
  if (!value) return KindRequirement(variable->kind);
  return variable->set(*value);
}

void ResetSystemVariables() { State() = Session(); }

void SetDrawingPathVariables(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  if (path.empty()) {
    State().dwgname = "Drawing1.dxf";
    State().dwgprefix.clear();
  } else if (slash == std::string::npos) {
    State().dwgname = path;
    State().dwgprefix.clear();
  } else {
    State().dwgname = path.substr(slash + 1);
    State().dwgprefix = path.substr(0, slash + 1);
  }
}

AcGePoint3d LastPoint() { return WorldToUcs() * State().last_point_world; }

void SetLastPoint(const AcGePoint3d& ucsPoint) { State().last_point_world = UcsToWorld() * ucsPoint; }

double PickBoxReach() { return State().pickbox; }

void SetErrno(short code) { State().errno_code = code; }

double CurrentElevation() { return State().elevation; }

}  // namespace cadeditor
