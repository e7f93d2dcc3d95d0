#pragma once
// The program's built-in documentation: the help window's topics and the
// texts of the further-help, overview and licence windows. Each text is a
// list of lines, one list item per line, blank lines included.

#include <string>
#include <vector>

struct HelpTopic {
    std::string key; // upper case, as the help window compares it
    std::vector<std::string> lines;
};

// The nine topics, in the order the help window looks them up.
const std::vector<HelpTopic>& HelpTopics();

std::vector<std::string> MoreHelpLines();
std::vector<std::string> OverviewLines();
std::vector<std::string> LicenseLines();
