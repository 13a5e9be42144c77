#include "package/PackingMode.h"

int KeepContinuation(const char*, const char*, int continuation) { return continuation; }

void RunPackingMode(const PackOperation& pack) {
  pack("kq", "kq.exe", 1);
  int continuation = pack("ch", "*.html", 1);
  for (const char* entry : {"*.gif", "spchapi.exe", "msttsm22l.exe", "mstts.dll"})
    continuation = pack("ch", entry, continuation);
}
