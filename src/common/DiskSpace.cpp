#include "common/DiskSpace.h"

#include "common/FileHelpers.h"
#include "platform/FileSystem.h"

#include <charconv>

std::string SizeToText(uint64_t bytes, double& value, std::string& unit) {
    return SizeFigureToText(static_cast<double>(bytes), value, unit);
}

std::string SizeFigureToText(double count, double& value, std::string& unit) {
    // A quotient of exactly 1 takes the next smaller unit.
    if ((value = count / 1073741824.0) > 1) {
        unit = " GB";
    } else if ((value = count / 1048576.0) > 1) {
        unit = " MB";
    } else if ((value = count / 1024.0) > 1) {
        unit = " KB";
    } else {
        value = count;
        unit = " Bytes";
    }
    // Always a point, whatever the user's locale says.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr) + unit;
}

uint64_t CheckDiskFreeSpace(const std::string& path, std::string& root) {
    std::string drive;
    std::string rest;
    SplitDriveAndRest(path, drive, rest);
    // Without a drive part the root is a bare ":\", which no drive answers to.
    root = (drive.empty() ? std::string() : drive.substr(0, 1)) + ":\\";
    if (drive.empty())
        return 0;
    uint64_t available = 0;
    uint64_t total = 0;
    uint64_t totalFree = 0;
    // Asked for the path itself, not the drive's root: a folder of the drive
    // may be another disk mounted there, and that disk is the one written to.
    if (!platform::GetDiskFreeSpaceExA(path, &available, &total, &totalFree))
        return 0; // a drive that cannot be read has no room
    return available;
}
