// The packing mode: names, package by package, the files that make up the
// two packages and hands each to a packing operation.
#pragma once

#include <functional>

// Packs `pattern` into package `prefix`; receives the continuation value of
// the call before in the same package (1 for a package's first entry) and
// returns the one for the next call.
using PackOperation = std::function<int(const char* prefix, const char* pattern, int continuation)>;

// The setup's own operation packs nothing: pieces are made by the packer
// tool at build time, so the continuation is passed on unchanged.
int KeepContinuation(const char* prefix, const char* pattern, int continuation);

void RunPackingMode(const PackOperation& pack = KeepContinuation);
