#pragma once
// The folder-picking dialog every page uses for destination, source and
// structure folders. The dialog itself belongs to the desktop, so tests can
// script the choice.

#include <string>

class QWidget;

// The chosen folder in its drive form ("D:\work\x"), or "" when the person
// cancelled or chose nothing that is a folder of a mapped drive.
std::string BrowseForFolder(QWidget* owner, const std::string& title);
