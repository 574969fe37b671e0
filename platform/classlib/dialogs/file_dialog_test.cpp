#include "platform/classlib/dialogs/file_dialog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/ui/script_driver.h"
#include "platform/win/scoped_temp_folder.h"

namespace {

class FileDialogTest : public ::testing::Test {
 protected:
  void Answer(const std::string& lines) {
    script.str(lines);
    script.clear();
  }
  void Touch(const std::string& name) { std::ofstream(folder / name) << "x"; }

  win::ScopedTempFolder folder;
  std::istringstream script;
  std::ostringstream transcript;
  ui::ScriptDriver driver{script, transcript};
  ui::ScopedUiDriver scope{driver};
};

TEST_F(FileDialogTest, OpenRefusesMissingFilesAndOpensFoldersGiven) {
  std::filesystem::create_directory(folder / "post");
  Touch("post/default.ppr");
  CFileDialog dlg(TRUE, nullptr, "*.ppr", OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, "Post processor (*.ppr) | *.ppr ||");
  dlg.m_ofn.lpstrInitialDir = folder.path().c_str();
  Answer("missing.ppr\npost\ndefault.ppr\n");
  ASSERT_EQ(dlg.DoModal(), IDOK) << transcript.str();
  EXPECT_EQ(dlg.GetPathName(), (folder / "post/default.ppr").c_str());
  EXPECT_EQ(dlg.GetFileName(), "default.ppr");
  EXPECT_EQ(dlg.GetFileTitle(), "default");
  EXPECT_EQ(dlg.GetFileExt(), "ppr");
  EXPECT_EQ(std::string(dlg.m_ofn.lpstrFile), folder / "post/default.ppr");
  EXPECT_NE(transcript.str().find("[Open] missing.ppr\nFile not found.\nCheck the file name and try again. {ok*}"),
            std::string::npos)
      << transcript.str();
  EXPECT_FALSE(driver.Failed());
}

TEST_F(FileDialogTest, SaveAsksBeforeReplacingAndAddsTheDefaultExtension) {
  Touch("out.nc");
  CFileDialog dlg(FALSE, "nc", "default.nc", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                  "NCDATA FILE (*.nc)|*.nc|All Files (*.*)|*.*||");
  dlg.m_ofn.lpstrInitialDir = folder.path().c_str();
  Answer("out\nout.nc\nyes\n");
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetPathName(), (folder / "out.nc").c_str());
  // The first answer met the default No; the second was confirmed.
  EXPECT_NE(
      transcript.str().find("[Confirm Save As] out.nc already exists.\nDo you want to replace it? {yes no*} -> no"),
      std::string::npos)
      << transcript.str();
  EXPECT_NE(transcript.str().find("{yes no*} -> yes"), std::string::npos);
}

TEST_F(FileDialogTest, CancelMissingFolderAndTheProposedName) {
  CFileDialog save(FALSE, "nc", "default.nc");
  save.m_ofn.lpstrInitialDir = folder.path().c_str();
  Answer("nowhere/a.nc\n\n");
  ASSERT_EQ(save.DoModal(), IDOK);
  EXPECT_NE(transcript.str().find("nowhere\nPath does not exist."), std::string::npos);
  EXPECT_EQ(save.GetPathName(), (folder / "default.nc").c_str());

  CFileDialog open(TRUE);
  Answer("cancel\n");
  EXPECT_EQ(open.DoModal(), IDCANCEL);
  EXPECT_EQ(open.GetPathName(), "");
}

}  // namespace
