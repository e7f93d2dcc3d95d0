#pragma once
// The one way the program turns the bytes of a text file it reads into its
// own texts (UTF-8). List files come from spreadsheet programs, Notepad and
// older Windows machines, so the bytes are taken for what they most likely
// are:
//  - a UTF-8 byte-order mark is dropped; a byte after it that is no UTF-8
//    is read as Windows-1252, so nothing is lost;
//  - UTF-16 with a byte-order mark (little or big endian) is decoded, a
//    surrogate without its partner or a last odd byte becoming U+FFFD;
//  - without a mark, text that is valid UTF-8 is taken as it is;
//  - anything else is Windows-1252, the code page such files are written in.
// The result is always valid UTF-8.

#include <string>
#include <string_view>

std::string DecodeText(std::string_view bytes);

// Windows-1252 bytes as UTF-8: its own table for 0x80-0x9F (the five bytes
// the code page leaves undefined keep their C1 control, as Windows maps
// them), Latin-1 elsewhere.
std::string Windows1252ToUtf8(std::string_view bytes);
