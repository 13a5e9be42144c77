// Registry values under a root key, each call opening the key without ever
// creating it and closing it again.
#pragma once

#include <string>
#include <vector>

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
// The text of a string value; empty when there is none.
std::string RegistryText(HKEY root, const char* key, const char* name);
// The names of the keys right below `key`.
std::vector<std::string> RegistrySubkeys(HKEY root, const char* key);
// Nothing happens when the key does not open.
void RegistryWrite(HKEY root, const char* key, const char* name, DWORD type, const void* data,
                   DWORD size);
void RegistryDelete(HKEY root, const char* key, const char* name);

// Creates `key` and every missing key above it; `created` receives the keys
// made now, outer ones first. False when the key does not exist afterwards.
bool RegistryCreateKey(HKEY root, const char* key, std::vector<std::string>& created);
// Deletes a key that has no subkeys, with its values.
bool RegistryDeleteKey(HKEY root, const char* key);
// True when the key exists and holds neither subkeys nor values.
bool RegistryKeyIsEmpty(HKEY root, const char* key);
