#include "platform/Attributes.h"

#include "platform/Capabilities.h"
#include "platform/FileSystem.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

namespace platform::detail {

namespace {

bool InGroup(gid_t group) {
    static const std::vector<gid_t> groups = [] {
        std::vector<gid_t> list;
        const int count = getgroups(0, nullptr);
        if (count > 0) {
            list.resize(static_cast<std::size_t>(count));
            const int got = getgroups(count, list.data());
            list.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
        }
        list.push_back(getegid());
        return list;
    }();
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

} // namespace

bool IsWritable(const struct stat& st) {
    static const uid_t user = geteuid();
    if (user == 0 && HoldsCapability(CAP_DAC_OVERRIDE))
        return true;
    if (st.st_uid == user)
        return (st.st_mode & S_IWUSR) != 0;
    if (InGroup(st.st_gid))
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

bool LinkLeadsToFolder(const std::string& host) {
    struct stat target;
    return stat(host.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
}

uint32_t AttributesOf(const struct stat& st, const std::string& name, bool linkToFolder) {
    uint32_t attributes = 0;
    const bool link = S_ISLNK(st.st_mode);
    if (S_ISDIR(st.st_mode) || (link && linkToFolder))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    else
        attributes |= FILE_ATTRIBUTE_ARCHIVE;
    if (link)
        attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
    if (!S_ISLNK(st.st_mode) && !IsWritable(st))
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (!name.empty() && name[0] == '.' && name != "." && name != "..")
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes;
}

} // namespace platform::detail
