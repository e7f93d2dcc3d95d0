#pragma once
// The caption of a numbered box, as every box of the creation pages and
// their windows carries it: "Creating Folder(s).-From a String List.
// Warning no: 0023.".

#include <string>

// `start` (the page's title with what follows it), `kind` ("Warning",
// "Information") and the number written with four digits.
std::string BoxCaption(const std::string& start, const std::string& kind, int number);
