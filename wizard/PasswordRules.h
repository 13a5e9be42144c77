// The user password as the page takes it: at most 15 characters, every
// letter a capital (the fields have the upper-case style).
#pragma once

#include <string>

constexpr int kMaxPasswordLength = 15;

// What the page's upper-case field holds after `text` was typed into it.
std::string PasswordAsTyped(const std::string& text);
