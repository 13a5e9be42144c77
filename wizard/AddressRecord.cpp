#include "wizard/AddressRecord.h"

#include <cstdint>
#include <vector>

namespace {
constexpr size_t kOffsetField = 12;
}  // namespace

bool PhoneFromAddressRecord(const unsigned char* record, size_t size, size_t maxLength,
                            std::string& phone) {
  if (size < kOffsetField + 4) return false;
  const unsigned char key = record[size - 1];
  if (record[size - 2] != key) return false;

  std::vector<unsigned char> plain(record, record + size);
  for (unsigned char& byte : plain) byte ^= key;
  uint32_t offset = 0;
  for (int i = 3; i >= 0; --i) offset = (offset << 8) | plain[kOffsetField + i];
  if (offset >= size) return false;

  // Unscrambling zeroed the last byte, so the text ends inside the record.
  size_t end = offset;
  while (plain[end] != 0) ++end;
  if (end - offset > maxLength) return false;
  phone.assign(reinterpret_cast<const char*>(&plain[offset]), end - offset);
  return true;
}
