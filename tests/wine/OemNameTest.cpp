// OEM product names, black-box through setup.exe: every name that cannot be
// a folder of the Start menu or a registry key is refused at start-up, in
// the wizard before any window with one message naming the key and in the
// unattended installation on standard error and in the log, with exit 1
// and nothing changed anywhere; an unusual but sound name installs and
// uninstalls cleanly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/RemovalFixture.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The prefix where an installation may reach, and the folders above the
// Start menu where a name with ".." put the group.
Snapshot Machine() {
  Snapshot state = PrefixState();
  const std::string roaming = std::getenv("APPDATA");
  for (const std::string& folder :
       {roaming, roaming + "\\Microsoft", roaming + "\\Microsoft\\Windows"})
    AddFolderEntries(folder, state, false);
  return state;
}

using OemNameTest = RemovalFixture;

TEST_F(OemNameTest, ANameThatCannotBeAFolderOrKeyIsRefusedAtStartUpAndChangesNothing) {
  const std::string names[] = {"..\\..\\..\\Evil Group", "Acme: Cam*Cast?", "CON",
                               std::string(250, 'L'), "Acme CamCast."};
  const std::string log = m_home + "\\oem-refused.log";
  for (const std::string& name : names) {
    const Snapshot before = Machine();
    const std::string ini = m_dist + "\\setup.ini";
    DeleteFileA(ini.c_str());
    WritePrivateProfileStringA("Kq", "OEMProductName", name.c_str(), ini.c_str());
    {
      ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
      const ui::Driver user(setup.Id());
      const ui::MessageBoxView box = user.WaitMessageBox(15000);
      EXPECT_EQ(1u, user.TopWindows().size()) << name << ": the message comes before any window";
      EXPECT_TRUE(
          Contains(box.text, "The value of OEMProductName in " + ini + ", \"" + name + "\""))
          << box.text;
      EXPECT_TRUE(Contains(box.text, "Nothing was installed")) << box.text;
      user.Answer(box, IDOK);
      EXPECT_EQ(1u, setup.WaitExit()) << name;
    }
    DeleteFileA(log.c_str());
    EXPECT_EQ(1u, InstallUnattended(name.c_str(), "Keep", kRemovalWork, log)) << name;
    const std::string text = ReadWholeFile(log);
    EXPECT_TRUE(Contains(text, "The value of OEMProductName in " + ini)) << text;
    EXPECT_TRUE(Contains(text, "\r\nnothing installed\r\n")) << text;
    const RunOutcome quiet = RunCatchingErrors("\"" + m_dist + "\\setup.exe\" unattended", m_dist);
    EXPECT_EQ(1u, quiet.exitCode) << name;
    EXPECT_TRUE(Contains(quiet.errors, "The value of OEMProductName in " + ini + ", \"" + name))
        << quiet.errors;

    const Snapshot after = Machine();
    EXPECT_EQ(std::vector<std::string>{}, Minus(after, before)) << name;
    EXPECT_EQ(std::vector<std::string>{}, Minus(before, after)) << name;
  }
  DeleteFileA(log.c_str());
}

TEST_F(OemNameTest, AnUnusualButSoundNameInstallsAndUninstallsCleanly) {
  const std::string name = "Caf\xe9 & M\xfcller's Cam";
  RemoveTree(StartMenuGroup(name));
  DeleteEntriesOf(name);
  const Snapshot before = PrefixState();
  ASSERT_EQ(0u, InstallUnattended(name.c_str()));
  EXPECT_EQ((std::vector<std::string>{name + ".lnk", "Uninstall " + name + ".lnk"}),
            FilesIn(StartMenuGroup(name)));
  const std::vector<std::string> entries = EntriesListing(HKEY_CURRENT_USER, kRemovalWork);
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ(0u, entries[0].find(name + " (")) << entries[0];
  EXPECT_EQ(name, EntryValue(HKEY_CURRENT_USER, entries[0], "DisplayName"));

  StandInStarts(kRemovalWork, 2);
  DeleteFileA((std::string(kRemovalWork) + "\\standins.log").c_str());
  const RunOutcome removal = Uninstall();
  EXPECT_EQ(0u, removal.exitCode) << removal.errors;
  ExpectMachineAsBeforeBut(before, {});
}

}  // namespace
