#include "present/panel_text.h"

namespace slyders {

namespace {
PanelLanguage& panelLanguage() {
    static PanelLanguage language;
    return language;
}
}  // namespace

void setPanelLanguage(PanelLanguage language) {
    panelLanguage() = std::move(language);
}

std::string panelText(const std::string& english) {
    const PanelLanguage& language = panelLanguage();
    return language ? language(english) : english;
}

}  // namespace slyders
