#pragma once
// The text of a HOSTS file: lines of an address and host names, "#" comments,
// and the lines the popup blocker puts in (its alias line and its marked ad
// block), which its uninstaller takes out again. Pure text work.
#include <cstddef>
#include <string>

namespace hosts {

// First line of a HOSTS file that the program has to create itself.
extern const char kCreatedByLine[];

// Copies the line starting at `from` (up to the line feed or the end of the
// text) into `line`, at most 519 characters, without carriage returns.
// Returns the position just after the line feed (text.size() at the end).
std::size_t ReadHostsLine(const std::string& text, std::size_t from, std::string& line);

// The host name column of one line: empty for a blank or comment line, else
// the second field (characters above a blank), at most 255 characters.
std::string ParseHostsLine(const std::string& line);

// True when some line maps exactly `name` (any case) to an address.
bool TextMapsHost(const std::string& text, const std::string& name);

// "<address>\t<name>\n", preceded by a line end when `text` is non-empty and
// does not end with one, so the new line never joins the last line.
std::string EntryToAppend(const std::string& text, const std::string& address,
                          const std::string& name);

// The ad-blocking lines sit between two marker lines. WithAdBlock replaces any
// existing block by `adLines` (all other lines kept as they are); WithoutAdBlock
// takes the block out.
std::string WithAdBlock(const std::string& text, const std::string& adLines);
std::string WithoutAdBlock(const std::string& text);

// `text` without what the popup blocker added: its ad block and every line
// that maps `alias`; the user's own lines stay byte for byte.
std::string WithoutProgramLines(const std::string& text, const std::string& alias);

}  // namespace hosts
