// The Windows-1250 code page of the statistics file (and of settings files written by older
// Windows programs), converted to and from the program's UTF-8 texts.
#pragma once

#include <string>
#include <string_view>

// One byte per character. A character the code page lacks, or a malformed UTF-8 sequence,
// becomes '?', so a record never holds anything but a name of the right length.
std::string Utf8ToCp1250(std::string_view utf8);

// Bytes the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) become '?'.
std::string Cp1250ToUtf8(std::string_view bytes);

bool IsValidUtf8(std::string_view text);
