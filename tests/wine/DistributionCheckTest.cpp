// setup.exe started in a damaged distribution, as after a broken download or
// from a bad disc: one message names the first bad piece before any window
// of the setup shows, the program ends, and every file of the distribution
// is still there. A whole distribution starts the wizard without a word.
// The pieces come from the tests' own writer, not the product's packer.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/Folders.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/DiskPackages.h"

namespace {

using Content = std::map<std::string, std::string>;
using ui::Driver;

class DistributionCheckTest : public testing::Test {
 protected:
  void SetUp() override {
    m_dist = GetCurrentFolder() + "\\dist";
    RemoveTree(m_dist);
    CreateDirectoryA(m_dist.c_str(), nullptr);
  }
  void TearDown() override { RemoveTree(m_dist); }

  // kq.exe in three pieces, two pages in "ch", setup.exe beside them.
  void MakeDistribution() {
    RemoveTree(m_dist);
    CreateDirectoryA(m_dist.c_str(), nullptr);
    WritePackage(m_dist, "kq", "5",
                 {{"kq.exe", Bytes(10000, 1)}, {"kq.exe", Bytes(10000, 2)}, {"kq.exe", "end"}});
    WritePackage(m_dist, "ch", "5",
                 {{"index.html", "<p>Quelmar Ovistra</p>"}, {"help.html", "<p>"}});
    CopyFileA(ui::WindowsPath(SETUP_EXE_PATH).c_str(), (m_dist + "\\setup.exe").c_str(), FALSE);
  }

  // The files beside the distribution, the tests' screenshots left out.
  Content Around() const {
    Content files = FolderContent(m_dist + "\\..");
    for (auto file = files.begin(); file != files.end();)
      file = file->first.find(".bmp") != std::string::npos ? files.erase(file) : std::next(file);
    return files;
  }

  std::string m_dist;
};

TEST_F(DistributionCheckTest, DamagedDistributionIsRefusedWithOneMessageAndNothingChanges) {
  const struct {
    const char* what;
    std::function<void(const std::string&)> damage;
    const char* problem;
  } cases[] = {
      {"bad checksum in the middle of kq",
       [](const std::string& dist) {
         std::string piece = ReadWholeFile(dist + "\\kq2.cab");
         piece[5000] ^= 0x01;
         WriteWholeFile(dist + "\\kq2.cab", piece);
       },
       "kq2.cab has checksum"},
      {"a piece missing from ch",
       [](const std::string& dist) { DeleteFileA((dist + "\\ch2.cab").c_str()); },
       "ch2.cab is missing"},
      {"a wrong version in one piece",
       [](const std::string& dist) {
         WriteWholeFile(dist + "\\kq3.cab", DataPiece("kq.exe", "end", "6"));
       },
       "kq3.cab holds version 6, the header 5"},
      {"a header count one too high",
       [](const std::string& dist) { WriteWholeFile(dist + "\\ch0.cab", HeaderPiece("5", "4")); },
       "ch3.cab is missing; the header counts 4 pieces"},
      {"a header of zeros, as a broken download leaves it",
       [](const std::string& dist) { WriteWholeFile(dist + "\\kq0.cab", std::string(100, '\0')); },
       "kq0.cab (the header piece) is damaged: its package version reads 0"},
      {"a hostile name",
       [](const std::string& dist) {
         WriteWholeFile(dist + "\\ch1.cab", DataPiece("..\\..\\evil.html", "<p>", "5"));
       },
       "ch1.cab names target \"..\\..\\evil.html\""},
  };
  bool first = true;
  for (const auto& c : cases) {
    MakeDistribution();
    c.damage(m_dist);
    const Content before = FolderContent(m_dist);
    const Content around = Around();

    ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
    const Driver user(setup.Id());
    const ui::MessageBoxView box = user.WaitMessageBox(15000);
    EXPECT_EQ(1u, user.TopWindows().size()) << c.what << ": nothing of the setup shows behind it";
    EXPECT_EQ("setup", box.title);
    EXPECT_EQ(0u, box.text.find("The setup files are damaged and must be fetched again."))
        << c.what << ": " << box.text;
    EXPECT_NE(std::string::npos, box.text.find(c.problem)) << c.what << ": " << box.text;
    if (first) ui::Screenshot("damaged-distribution");
    first = false;
    user.Answer(box, IDOK);
    EXPECT_EQ(1u, setup.WaitExit(10000)) << c.what;
    EXPECT_EQ(before, FolderContent(m_dist)) << c.what << ": every piece is still there";
    EXPECT_EQ(around, Around()) << c.what << ": nothing installed";
  }
}

void ExpectNoMessageBox(const Driver& user) {
  for (HWND window : user.TopWindows()) {
    HWND text = GetDlgItem(window, ui::kMessageTextId);
    EXPECT_EQ(nullptr, text) << "a message box \"" << Driver::Text(window)
                             << "\": " << (text ? Driver::Text(text) : "");
  }
}

TEST_F(DistributionCheckTest, WholeDistributionStartsTheWizardWithoutAMessage) {
  MakeDistribution();
  const Content before = FolderContent(m_dist);
  ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
  const Driver user(setup.Id());
  // The check's message would be the first window, before any of the setup.
  user.WaitUntil([&] { return !user.TopWindows().empty(); }, "a window of setup.exe", 15000);
  ExpectNoMessageBox(user);
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  ExpectNoMessageBox(user);
  user.Press(sheet, ui::WizardButton::Cancel);
  EXPECT_EQ(0u, setup.WaitExit(10000));
  EXPECT_EQ(before, FolderContent(m_dist));
}

}  // namespace
