#pragma once
// A loader's host that records what it is told: the messages (in UTF-8, so
// tests compare and print them as written) with their icons, and how many
// other events came.

#include "model/location_loader.h"
#include "support/cp1251.h"

#include <string>
#include <vector>

namespace hardening {

class LoadMessages : public model::LoadListener {
public:
    void showMessage(model::MessageIcon icon, const std::string&,
                     const std::string& text) override {
        icons.push_back(icon);
        texts.push_back(cp1251::toUtf8(text));
    }
    void locationNameChanged(const std::string&) override { ++events; }
    void mapLoaded() override { ++events; }
    void redrawRequested() override {}

    std::vector<model::MessageIcon> icons;
    std::vector<std::string> texts;
    int events = 0;
};

} // namespace hardening
