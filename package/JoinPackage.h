// Joins a package's pieces into the files they carry.
#pragma once

#include "core/SetupState.h"
#include "platform/FileOps.h"

enum class JoinResult {
  kJoined,     // every file in place, the pieces deleted
  kNoData,     // a header counting only itself, deleted
  kNoPackage,  // no header piece: nothing to join
  kFailed,     // a damaged package or a target that could not be placed
};

// Joins the pieces of package `prefix` in the folder of `files` into their
// target files, branding HTML files with the OEM values of `state`, and
// deletes the pieces. Stores the version in state.m_nPackageVersion: the
// package version when joined, 0 when failed or absent, unchanged for a
// package without data pieces.
JoinResult JoinPackage(const char* prefix, SetupState& state, FileOps& files = RealFileOps());
