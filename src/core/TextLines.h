// The small line-oriented text functions the program's text files are read and
// written with: the settings file, the shipped default settings and the game text.
#pragma once
#include <string>
#include <vector>

#include "core/Text.h"

// Cuts bytes into lines: a line ends at LF, at a zero byte or at the end; CR bytes are
// dropped wherever they occur. No empty last line is added after a final line end.
std::vector<std::string> SplitTextLines(const std::string& bytes);
// The part before the first separator (the whole line when there is none) and after it
// (empty when there is none).
std::string LineKey(const std::string& line, const std::string& separator = "=");
std::string LineValue(const std::string& line, const std::string& separator = "=");
// A number as the settings file holds it: white space, an optional sign, then decimal
// digits, or base 16 after "$", or base 2 after "%". Reading stops at the first other
// character; no digits reads 0. Wraps like 32-bit arithmetic instead of overflowing.
int ReadIntValue(const std::string& text);
// The value of the first line whose upper-case key is the upper-case key; empty when
// there is none or the file cannot be read.
std::string ReadKeyFromFile(const std::string& path, const std::string& key);
// Writes a copy of source to target in which each line whose key is `key` becomes
// KEY=value. When the source cannot be read, the copy holds only that line, so the value
// is never lost. The target is replaced whole or not at all. False when nothing was written.
bool CopyFileReplacingKey(const std::string& source, const std::string& target, const std::string& key,
                          const std::string& value);
// Reports "[NAME] header hot found" (fatal, logged) unless the line is the section header.
void CheckSectionHeader(const std::string& line, const std::string& name);
// The lines after index up to (not including) the next line starting with "[", or the end;
// index is moved past them.
std::vector<std::string> SectionBody(const std::vector<std::string>& lines, size_t& index);
// Appends KEY=value and CR LF.
void WriteKeyLine(std::string& out, const std::string& key, const std::string& value);
void WriteKeyLine(std::string& out, const std::string& key, int value);
