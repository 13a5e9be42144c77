// The configuration and branding that start-up reads and the other parts of
// the setup use. Window-free, so the engine can be built and tested natively.
#pragma once

#include <cstdint>

class CProp;

// Paths and profile values live in buffers of this size (259 characters and
// the terminator), as the profile API and the installed product expect.
constexpr int kTextSize = 260;

// Build-time defaults of the branding keys. An OEM value that differs from
// these (exactly) is the reseller's own and is carried into the installation.
constexpr const char kDefaultProductName[] = "Quelmar Ovistra";
constexpr const char kDefaultShortName[] = "Ovistra";
constexpr const char kDefaultWebSite[] = "http://www.quelmar.example";
constexpr const char kDefaultCompanyName[] = "Quelmar Labs";
constexpr const char kDefaultInfoEmail[] = "info@quelmar.example";
// Server keys holding this text anywhere count as not given.
constexpr const char kServerPlaceholder[] = "01234";

struct SetupState {
  // The folder of the running program, which holds the distribution.
  char m_szSetupDir[kTextSize];
  char m_szSetupIni[kTextSize];
  char m_szProductIni[kTextSize];
  int32_t m_nPackageVersion;
  char m_szProductName[kTextSize];
  int m_bOemProductName;
  char m_szTitleFormat[kTextSize];
  char m_szWebSite[kTextSize];
  int m_bOemWebSite;
  char m_szCompanyName[kTextSize];
  int m_bOemCompanyName;
  char m_szInfoEmail[kTextSize];
  int m_bOemInfoEmail;
  char m_szServer[kTextSize];
  int m_bServer;
  char m_szServerDir[kTextSize];
  int m_bServerDir;
  char m_szServerMainPage[kTextSize];
  int m_bServerMainPage;
  char m_szServerMainPageM[kTextSize];
  int m_bServerMainPageM;
  CProp* m_pWizard;
};
