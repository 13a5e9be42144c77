// The phone number kept in a dial-up address record, the fallback when the
// phonebook stores none for an entry.
#pragma once

#include <cstddef>
#include <string>

// A record whose last two bytes are equal is stored scrambled with its last
// byte; once unscrambled, the 32-bit little-endian number at byte 12 is the
// offset of the NUL-terminated phone number. Returns false, leaving `phone`
// alone, for any other record, one too short to hold the offset, an offset
// outside the record, or a number longer than `maxLength` characters.
bool PhoneFromAddressRecord(const unsigned char* record, size_t size, size_t maxLength,
                            std::string& phone);
