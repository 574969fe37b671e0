#include "platform/win/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win/find_file.h"
#include "platform/win/folders.h"
#include "platform/win/last_error.h"
#include "platform/win/scoped_temp_folder.h"
#include "platform/win/win_paths.h"

namespace {

void Touch(const std::string& path, const std::string& text = "x") { std::ofstream(path) << text; }

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

std::vector<std::string> FindAll(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATA data;
  HANDLE search = FindFirstFile(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names.emplace_back(data.cFileName);
  } while (FindNextFile(search, &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
  EXPECT_TRUE(FindClose(search));
  return names;
}

TEST(WinPaths, MapDrivesSeparatorsAndPrograms) {
  win::ScopedTempFolder home;
  win::ScopedEnv home_env("HOME", home.path());
  EXPECT_EQ(home.path() + "/Ostrivo/Ncdata", win::ToUnixPath("c:\\Ostrivo\\Ncdata"));
  EXPECT_EQ(home.path() + "/cam", win::ToUnixPath("D:/cam"));
  EXPECT_EQ("a/b/c", win::ToUnixPath("a\\\\b/c"));
  EXPECT_EQ(home.path() + "/marrel/ncdata", win::FolderUnderHome("c:\\marrel\\ncdata\\"));

  // Windows device names and drive-relative names are ordinary Linux names.
  for (const char* name : {"nul", "NUL.NC", "nul.nc", "Nul.NC.nc", "con", "aux.txt"}) {
    EXPECT_EQ(home.path() + "/" + name, win::ToUnixPath(home.path() + "\\" + name));
    EXPECT_EQ(name, win::ToUnixPath(name));
  }
  EXPECT_EQ("c:prog.nc", win::ToUnixPath("c:prog.nc"));
  EXPECT_EQ("sub/c:prog.nc", win::ToUnixPath("sub/c:prog.nc"));

  EXPECT_EQ(home.path() + "/Ostrivo/Tarnwick", win::ToProgramPath("c:\\Ostrivo\\Tarnwick.exe"));
  Touch(home / "Real.EXE");
  EXPECT_EQ(home.path() + "/Real.EXE", win::ToProgramPath("c:\\Real.EXE"));
}

TEST(Files, AttributesAndTheReadOnlyBit) {
  win::ScopedTempFolder folder;
  std::string file = folder / "a.nc";
  Touch(file);
  EXPECT_EQ(FILE_ATTRIBUTE_NORMAL, GetFileAttributes(file.c_str()));
  EXPECT_EQ(FILE_ATTRIBUTE_DIRECTORY, GetFileAttributes(folder.path().c_str()));
  Touch(folder / ".hidden");
  EXPECT_EQ(FILE_ATTRIBUTE_HIDDEN, GetFileAttributes((folder / ".hidden").c_str()));

  ASSERT_TRUE(SetFileAttributes(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(FILE_ATTRIBUTE_READONLY, GetFileAttributes(file.c_str()));
  EXPECT_FALSE(DeleteFile(file.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
  EXPECT_TRUE(Exists(file));
  ASSERT_TRUE(SetFileAttributes(file.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_TRUE(DeleteFile(file.c_str()));
  EXPECT_FALSE(Exists(file));

  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributes(file.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_FALSE(DeleteFile(folder.path().c_str()));
}

TEST(Files, SaveThroughATemporaryFileAndMove) {
  win::ScopedTempFolder folder;
  std::string target = folder / "prog.nc";
  Touch(target, "old");

  char temporary[MAX_PATH];
  UINT number = GetTempFileName(folder.path().c_str(), "CRE", 0, temporary);
  ASSERT_NE(0u, number);
  EXPECT_TRUE(std::string(temporary).starts_with(folder / "CRE")) << temporary;
  EXPECT_TRUE(std::string(temporary).ends_with(".TMP"));
  EXPECT_TRUE(Exists(temporary));
  char second[MAX_PATH];
  ASSERT_NE(0u, GetTempFileName(folder.path().c_str(), "CREATE", 0, second));
  EXPECT_STRNE(temporary, second);
  EXPECT_EQ(0x1A2Bu, GetTempFileName(folder.path().c_str(), "X", 0x1A2B, second));
  EXPECT_EQ(folder / "X1A2B.TMP", second);
  EXPECT_FALSE(Exists(second));
  EXPECT_EQ(0u, GetTempFileName((folder / "missing").c_str(), "CRE", 0, second));
  EXPECT_EQ(static_cast<DWORD>(ERROR_DIRECTORY), GetLastError());

  Touch(temporary, "new");
  EXPECT_FALSE(MoveFile(temporary, target.c_str()));  // never replaces
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  ASSERT_TRUE(DeleteFile(target.c_str()));
  ASSERT_TRUE(MoveFile(temporary, target.c_str()));
  std::ifstream moved(target);
  std::string text;
  moved >> text;
  EXPECT_EQ("new", text);
  EXPECT_FALSE(MoveFile(temporary, target.c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());

  Touch(folder / "other", "other");
  EXPECT_TRUE(MoveFileEx((folder / "other").c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING));
  EXPECT_FALSE(CopyFile(target.c_str(), target.c_str(), TRUE));
  EXPECT_TRUE(CopyFile(target.c_str(), (folder / "copy").c_str(), TRUE));
}

TEST(FindFile, ListsMatchesWithoutCaseAndWithDotEntries) {
  win::ScopedTempFolder folder;
  Touch(folder / "b.NC");
  Touch(folder / "a.nc");
  Touch(folder / "readme");
  Touch(folder / "c.tap");
  mkdir((folder / "Post").c_str(), 0777);

  EXPECT_EQ((std::vector<std::string>{".", "..", "a.nc", "b.NC", "c.tap", "Post", "readme"}),
            FindAll(folder.path() + "\\*.*"));
  EXPECT_EQ((std::vector<std::string>{"a.nc", "b.NC"}), FindAll(folder / "*.nc"));
  EXPECT_EQ((std::vector<std::string>{"readme"}), FindAll(folder / "readme.*"));
  EXPECT_EQ((std::vector<std::string>{"c.tap"}), FindAll(folder / "?.TAP"));
  EXPECT_EQ((std::vector<std::string>{"Post"}), FindAll(folder / "Post"));

  WIN32_FIND_DATA data;
  HANDLE search = FindFirstFile((folder / "Post").c_str(), &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  FindClose(search);
  search = FindFirstFile((folder / "a.nc").c_str(), &data);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  FindClose(search);
  EXPECT_EQ(1u, data.nFileSizeLow);
  EXPECT_NE(0u, data.ftLastWriteTime.dwHighDateTime);

  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFile((folder / "*.hnc").c_str(), &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFile((folder / "none/*.*").c_str(), &data));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
  EXPECT_FALSE(FindClose(reinterpret_cast<HANDLE>(1)));
  // "nul" is an ordinary name here: found only where such a file is.
  EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFile((folder.path() + "\\nul").c_str(), &data));
}

TEST(Folders, CurrentFolderTempPathAndDrives) {
  win::ScopedTempFolder folder;
  char saved[4096];
  ASSERT_NE(0u, GetCurrentDirectory(sizeof saved, saved));

  ASSERT_TRUE(CreateDirectory((folder.path() + "\\Ncdata").c_str(), nullptr));
  EXPECT_FALSE(CreateDirectory((folder.path() + "\\Ncdata").c_str(), nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  ASSERT_TRUE(SetCurrentDirectory((folder.path() + "\\Ncdata").c_str()));
  char current[4096];
  DWORD length = GetCurrentDirectory(sizeof current, current);
  EXPECT_EQ(std::strlen(current), length);
  EXPECT_TRUE(std::string(current).ends_with("/Ncdata"));
  EXPECT_EQ(length + 1, GetCurrentDirectory(3, current));
  EXPECT_FALSE(SetCurrentDirectory((folder / "missing").c_str()));
  ASSERT_TRUE(SetCurrentDirectory(saved));
  Touch(folder / "Ncdata/x");
  EXPECT_FALSE(RemoveDirectory((folder / "Ncdata").c_str()));
  EXPECT_EQ(static_cast<DWORD>(ERROR_DIR_NOT_EMPTY), GetLastError());

  win::ScopedEnv tmp("TMPDIR", folder.path());
  EXPECT_EQ(folder.path().size() + 1, GetTempPath(sizeof current, current));
  EXPECT_EQ(folder.path() + "/", current);

  win::ScopedEnv home("HOME", folder.path());
  char drives[128];
  DWORD size = GetLogicalDriveStrings(sizeof drives, drives);
  ASSERT_GT(size, 0u);
  ASSERT_LT(size, sizeof drives);
  EXPECT_EQ('\0', drives[size]);
  EXPECT_STREQ("/", drives);
  EXPECT_EQ(folder.path() + "/", std::string(drives + 2));
  EXPECT_EQ(size + 1, GetLogicalDriveStrings(2, drives));
}

}  // namespace
