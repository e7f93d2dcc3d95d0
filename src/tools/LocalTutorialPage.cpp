#include "tools/LocalTutorialPage.h"

#include "common/FrameworkFiles.h"
#include "common/FrameworkPaths.h"
#include "common/SettingLists.h"
#include "platform/Drives.h"
#include "ui/ShellOpening.h"

#include <QFile>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>
#include <optional>

namespace {

const char* const PageName = "basic.htm";

QByteArray CarriedPage() {
    QFile page(QStringLiteral(":/tutorial/basic.htm"));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    return page.readAll();
}

// Writes the page under a name of its own first and then gives it its name,
// so that nobody ever opens half a page.
bool WritePage(const std::filesystem::path& file, const QByteArray& content) {
    std::error_code error;
    const std::filesystem::path partial = file.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out.is_open())
            return false;
        out.write(content.constData(), content.size());
        out.close();
        if (!out) {
            std::filesystem::remove(partial, error);
            return false;
        }
    }
    std::filesystem::rename(partial, file, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return false;
    }
    return true;
}

std::optional<std::string> WrittenToStartDirectory(const QByteArray& content) {
    const std::string page = IncludeTrailingPathDelimiter(GetStartDirectory()) + PageName;
    const std::optional<std::string> host = platform::ToHostPath(page);
    std::error_code error;
    if (!host || std::filesystem::exists(*host, error) || !WritePage(*host, content))
        return std::nullopt;
    return page;
}

std::optional<std::string> WrittenToCacheFolder(const QByteArray& content) {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        return std::nullopt;
    const std::filesystem::path folder(cache.toStdString());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::filesystem::path file = folder / PageName;
    // The cache holds the page of the program that runs now, not of an
    // earlier version.
    if (!WritePage(file, content))
        return std::nullopt;
    return platform::ToWindowsPath(file.string());
}

} // namespace

std::string LocalTutorialPagePath() {
    const std::string page = IncludeTrailingPathDelimiter(GetStartDirectory()) + PageName;
    if (FileExists(page))
        return page;
    const QByteArray content = CarriedPage();
    if (content.isEmpty())
        return {};
    if (std::optional<std::string> written = WrittenToStartDirectory(content))
        return *written;
    if (std::optional<std::string> cached = WrittenToCacheFolder(content))
        return *cached;
    return {};
}

void OpenLocalTutorialPage() {
    // The shell gets the page's full path, so the current directory need not
    // be switched to the start directory and back.
    const std::string page = LocalTutorialPagePath();
    if (!page.empty())
        ui::OpenInShell(page);
}

void OpenMakerHomePage() {
    // Until the project has a web page of its own, the local tutorial stands in.
    OpenLocalTutorialPage();
}
