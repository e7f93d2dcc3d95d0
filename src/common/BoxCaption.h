#pragma once
// The caption of a numbered box: the title of the page or window it belongs
// to, the spacing, the kind and the number, as in "Creating Folder(s).-From a
// String List.            Warning no: 0023.".

#include <string>

// The twelve blanks that part most captions' titles from their kind; the
// captions that part them otherwise spell it out.
inline const std::string Blanks12 = "            ";

// `start` (the page's title with what follows it), `kind` ("Warning",
// "Information") and the number written with four digits.
std::string BoxCaption(const std::string& start, const std::string& kind, int number);
