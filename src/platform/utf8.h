// The program keeps single-byte text (Latin-1), as its own files are. Files written for other
// programs are UTF-8, and so are the names of files on this system.
#pragma once

#include <string>
#include <string_view>

// The program's text in UTF-8.
std::string ToUtf8(std::string_view text);
// UTF-8, a file's name, as the program's text, to show the user: a character the program's
// text cannot hold shows as "?", and a byte that is no part of a UTF-8 character stands for the
// Latin-1 letter of that byte, as older disks name files.
std::string FromUtf8(std::string_view utf8);
