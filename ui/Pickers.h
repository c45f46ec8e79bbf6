#pragma once

#include <string>

class CPropertyPage;

// The three Browse routines. Each works on a page field, not on the text in
// its control, and reloads the page's controls when it has stored a result.

// Folder picker over the whole shell namespace. The page reloads whether the
// user confirmed or cancelled.
void BrowseFolder(CPropertyPage& page, std::string& field, const char* title);

// ROM picker: starts in `romFolder`; a picked path that begins with that
// text, byte for byte, is stored as the bare file name.
void BrowseRom(CPropertyPage& page, std::string& field, const std::string& romFolder);

// Plain file picker: any name, even of a file that does not exist yet,
// stored as a full path.
void BrowseFile(CPropertyPage& page, std::string& field);
