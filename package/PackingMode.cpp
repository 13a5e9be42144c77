#include "package/PackingMode.h"

#include "core/WorkFolderFiles.h"
#include "package/PieceFormat.h"

int KeepContinuation(const char*, const char*, int continuation) { return continuation; }

void RunPackingMode(const PackOperation& pack) {
  pack(kProductPackage, kProductProgram, 1);
  int continuation = pack(kHelpPackage, "*.html", 1);
  for (const char* entry : {"*.gif", "spchapi.exe", "msttsm22l.exe", "mstts.dll"})
    continuation = pack(kHelpPackage, entry, continuation);
}
