#pragma once

#include <string>
#include <string_view>

namespace runtime {

// Windows-1252 bytes to UTF-8. The five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to
// the C1 control characters of the same value, as Windows itself does, so every byte survives a
// round trip.
std::string cp1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252. A character without a Windows-1252 form becomes "?", and so does each
// malformed or truncated UTF-8 sequence (one "?" per bad sequence, never a cut character).
std::string utf8ToCp1252(std::string_view utf8);
// True when every byte is below 0x80: the same text in both encodings.
bool isAscii(std::string_view text);

} // namespace runtime
