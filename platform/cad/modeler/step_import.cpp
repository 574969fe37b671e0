#include "platform/cad/modeler/step_import.h"

#include <IFSelect_ReturnStatus.hxx>
#include <STEPControl_Reader.hxx>
#include <Standard_Failure.hxx>
#include <TopExp_Explorer.hxx>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/cad/modeler/brep/brep_shape.h"
#include "platform/cad/modeler/db_3d_solid.h"
#include "platform/cad/modeler/db_body.h"

namespace {

bool startsLikeStep(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(16, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return head.rfind("ISO-10303-21", 0) == 0;
}

void collect(const TopoDS_Shape& shape, std::vector<std::unique_ptr<AcDbEntity>>& entities) {
  for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next()) {
    auto solid = std::make_unique<AcDb3dSolid>();
    solid->setBrep(BrepShape{it.Current()});
    entities.push_back(std::move(solid));
  }
  for (TopExp_Explorer it(shape, TopAbs_SHELL, TopAbs_SOLID); it.More(); it.Next()) {
    auto body = std::make_unique<AcDbBody>();
    body->setBrep(BrepShape{it.Current()});
    entities.push_back(std::move(body));
  }
  for (TopExp_Explorer it(shape, TopAbs_FACE, TopAbs_SHELL); it.More(); it.Next()) {
    auto body = std::make_unique<AcDbBody>();
    body->setBrep(BrepShape{it.Current()});
    entities.push_back(std::move(body));
  }
}

}  // namespace

Acad::ErrorStatus acmodelerImportStep(const char* path, std::vector<std::unique_ptr<AcDbEntity>>& entities,
                                      std::string& message) {
  entities.clear();
  message.clear();
  const std::string name = path != nullptr ? path : "";
  struct stat info {};
  if (name.empty() || ::stat(name.c_str(), &info) != 0) {
    message = "cannot find the file \"" + name + "\"";
    return Acad::eFileNotFound;
  }
  if (!S_ISREG(info.st_mode) || ::access(name.c_str(), R_OK) != 0) {
    message = "cannot read the file \"" + name + "\"";
    return Acad::eFileAccessErr;
  }
  if (!startsLikeStep(name.c_str())) {
    message = "\"" + name + "\" is not a STEP file";
    return Acad::eFilerError;
  }
  std::vector<std::unique_ptr<AcDbEntity>> made;
  try {
    STEPControl_Reader reader;
    if (reader.ReadFile(name.c_str()) != IFSelect_RetDone) {
      message = "\"" + name + "\" is damaged: it does not read as STEP";
      return Acad::eFilerError;
    }
    reader.TransferRoots();
    for (int i = 1; i <= reader.NbShapes(); ++i) collect(reader.Shape(i), made);
  } catch (const Standard_Failure& failure) {
    message = "\"" + name + "\" is damaged: " + failure.GetMessageString();
    return Acad::eFilerError;
  }
  if (made.empty()) {
    message = "\"" + name + "\" holds no solid, shell or face";
    return Acad::eInvalidInput;
  }
  entities = std::move(made);
  return Acad::eOk;
}
