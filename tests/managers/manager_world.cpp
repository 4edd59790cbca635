#include "manager_world.h"

#include "editor/map_folder.h"
#include "support/application_folder.h"
#include "support/cp1251.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace managers_testing {

ManagerWorld::ManagerWorld(bool sample)
    : canvas(new WorldCanvas(&mainWindow)), m_capture([this](const ui::Message& message) {
          messages.push_back(message);
          return ui::MessageAnswer::Ok;
      }) {
    appfolder::setNative(m_root.path().string());
    if (sample) {
        const fs::path source(MAPEDIT_SAMPLE_WORLD);
        fs::copy(source / "Maps", m_root.path() / "Maps", fs::copy_options::recursive);
        fs::copy(source / "Resources", m_root.path() / "Resources", fs::copy_options::recursive);
    }
    // As the main window sets itself up.
    canvas->setCellHeight(32);
    canvas->setCellWidth(32);
    canvas->setCanvasCellCountX(10);
    canvas->setCanvasCellCountY(10);
    canvas->setDrawOnlyMove(true);
    mainWindow.setWindowTitle(QStringLiteral("Редактор карт"));
    editor::MapFolder() = appFolder() + "Maps\\Default\\";
}

ManagerWorld::~ManagerWorld() = default;

bool ManagerWorld::exists(std::string_view relative) const {
    return fs::exists(m_root.path() / fs::path(std::u8string(relative.begin(), relative.end())));
}

std::vector<std::pair<std::string, std::string>> ManagerWorld::snapshot() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : fs::recursive_directory_iterator(m_root.path())) {
        if (entry.is_regular_file())
            files.emplace_back(entry.path().string(), testing_support::readNative(entry.path()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

void ManagerWorld::openMap(const std::string& map, const std::string& location) {
    editor::MapFolder() = appFolder() + "Maps\\" + map + "\\";
    canvas->setMapPath(map);
    canvas->LoadMap(location);
}

QString q(std::string_view cp1251Text) {
    return QString::fromStdString(cp1251::toUtf8(cp1251Text));
}

std::string cp(const QString& text) {
    return cp1251::fromUtf8(text.toStdString());
}

std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

std::string iniText(const std::vector<std::pair<std::string, std::vector<std::string>>>& sections) {
    std::string text;
    for (const auto& [section, lines] : sections) {
        text += "[" + section + "]\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
    }
    return text;
}

} // namespace managers_testing
