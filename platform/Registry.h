// Registry values under a root key, each call opening the key without ever
// creating it and closing it again.
#pragma once

#include <string>

#include "platform/Win32.h"

// True when the key exists and can be opened.
bool RegistryKeyExists(HKEY root, const char* key);
// Reads at most *size bytes; true with *size set to the bytes read.
bool RegistryRead(HKEY root, const char* key, const char* name, void* data, DWORD* size);
enum class RegistryLookup { Found, Absent, Failed };
// A whole value with its type. Absent when the key or the value does not
// exist; Failed when it exists but cannot be read, or holds more than
// `maxSize` bytes.
RegistryLookup RegistryQuery(HKEY root, const char* key, const char* name, DWORD maxSize,
                             DWORD* type, std::string* bytes);
// Nothing happens when the key does not open.
void RegistryWrite(HKEY root, const char* key, const char* name, DWORD type, const void* data,
                   DWORD size);
void RegistryDelete(HKEY root, const char* key, const char* name);
