// Helpers shared by the DXF tests: building drawings, saving and loading them in
// memory, and looking at the records of a DXF text by handle.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/cad/db/db.h"
#include "platform/cad/dxf/dxf_file.h"

namespace dxf_test {

// Appends to the block (model space by default) and closes; the entity's id.
inline AcDbObjectId append(AcDbDatabase& db, AcDbEntity* entity, const char* block = ACDB_MODEL_SPACE) {
  AcDbBlockTable* table = nullptr;
  EXPECT_EQ(db.getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* record = nullptr;
  EXPECT_EQ(table->getAt(block, record, AcDb::kForWrite), Acad::eOk);
  table->close();
  AcDbObjectId id;
  EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
  entity->close();
  record->close();
  return id;
}

inline std::string save(const AcDbDatabase& db) {
  std::string text, message;
  EXPECT_EQ(WriteDxfText(db, text, message), Acad::eOk) << message;
  return text;
}

inline std::unique_ptr<AcDbDatabase> load(const std::string& text) {
  std::unique_ptr<AcDbDatabase> db;
  std::string message;
  EXPECT_EQ(ReadDxfText(text, db, message), Acad::eOk) << message;
  return db;
}

inline AcDbObjectId idOf(AcDbDatabase& db, const AcDbHandle& handle) {
  AcDbObjectId id;
  db.getAcDbObjectId(id, false, handle);
  return id;
}

// Opens for read and closes at the end of the scope.
template <class T>
class Opened {
 public:
  explicit Opened(AcDbObjectId id) { EXPECT_EQ(acdbOpenObject(object_, id, AcDb::kForRead), Acad::eOk); }
  ~Opened() {
    if (object_ != nullptr) object_->close();
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  T* operator->() const { return object_; }
  T* get() const { return object_; }

 private:
  T* object_ = nullptr;
};

// The groups of a DXF text as (code, value) pairs.
inline std::vector<std::pair<int, std::string>> groupsOf(const std::string& text) {
  std::vector<std::pair<int, std::string>> groups;
  std::size_t pos = 0;
  auto line = [&](std::string& out) {
    const std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) return false;
    out = text.substr(pos, end - pos);
    pos = end + 1;
    return true;
  };
  std::string code, value;
  while (line(code) && line(value)) groups.emplace_back(std::stoi(code), value);
  return groups;
}

// Each record of the text that has a handle, as its lines, by handle.
inline std::map<std::string, std::string> recordsByHandle(const std::string& text) {
  std::map<std::string, std::string> records;
  std::string current, handle;
  auto flush = [&] {
    if (!handle.empty()) records[handle] = current;
    current.clear();
    handle.clear();
  };
  for (const auto& [code, value] : groupsOf(text)) {
    if (code == 0) flush();
    if ((code == 5 || code == 105) && handle.empty() && current.rfind("0=SECTION", 0) != 0) handle = value;
    current += std::to_string(code) + "=" + value + "\n";
  }
  flush();
  return records;
}

// Debian's ezdxf, when it is installed, for outside checks.
inline bool ezdxfAvailable() { return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0; }

// Prints "errors N", the audit's errors, "entities N" of model space and each group.
inline const char* ezdxfAuditScript() {
  return R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("errors", len(auditor.errors))
for error in auditor.errors:
    print(error.message)
print("entities", len(doc.modelspace()))
for name, group in doc.groups:
    print("group", name, repr(group.dxf.description), len(group))
)";
}

// Runs a Python script; its standard output.
inline std::string runPython(const std::string& script, const std::string& argument) {
  const std::string scriptPath = ::testing::TempDir() + "dxf_test_script_" + std::to_string(::getpid()) + ".py";
  if (FILE* file = std::fopen(scriptPath.c_str(), "w")) {
    std::fputs(script.c_str(), file);
    std::fclose(file);
  }
  std::string command = "/usr/bin/python3 " + scriptPath + " '" + argument + "' 2>&1";
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
    pclose(pipe);
  }
  std::remove(scriptPath.c_str());
  return output;
}

}  // namespace dxf_test
