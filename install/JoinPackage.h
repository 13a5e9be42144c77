// Joins a package's pieces into the files they carry.
#pragma once

#include <cstdint>

#include "app/SetupState.h"
#include "platform/FileOps.h"

// Joins the pieces of package `prefix` in the folder of `files` into their
// target files, branding HTML files with the OEM values of `state`, and
// deletes the pieces. Stores the result in state.m_nPackageVersion and
// returns it: the package version on success, 0 on failure, the value left
// unchanged when the package holds no data piece.
int32_t JoinPackage(const char* prefix, SetupState& state, FileOps& files = RealFileOps());
