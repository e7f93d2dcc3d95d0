#pragma once
// Size texts and free space on a path's drive.

#include <cstdint>
#include <string>

// "%.2f" of the value in the largest unit whose quotient is above 1, then the
// unit (" GB", " MB", " KB" or " Bytes"): 1024 gives "1024.00 Bytes".
std::string SizeToText(uint64_t bytes, double& value, std::string& unit);
// The same for a figure beyond 64 bits (a need computed as a double).
std::string SizeFigureToText(double bytes, double& value, std::string& unit);

// The bytes the user may still write where `path` is (the file system that
// holds its deepest existing folder); `root` gets the drive's root ("C:\\").
// A path that cannot be read, or one without a drive part, gives 0.
uint64_t CheckDiskFreeSpace(const std::string& path, std::string& root);
