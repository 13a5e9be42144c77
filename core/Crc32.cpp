#include "core/Crc32.h"

uint32_t Crc32(std::string_view bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char c : bytes) {
    crc ^= static_cast<uint8_t>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

std::string Hex8(uint32_t value) {
  std::string digits(8, '0');
  for (size_t i = digits.size(); i-- > 0; value >>= 4) digits[i] = "0123456789abcdef"[value & 15];
  return digits;
}
