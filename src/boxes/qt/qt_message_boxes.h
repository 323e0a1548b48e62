#pragma once

#include "boxes/message_boxes.h"

class QWidget;

namespace slyders {

class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    bool ask(const std::string& text) override;
    void inform(const std::string& text) override;
    void warn(const std::string& text) override;
    void error(const std::string& title, const std::string& text) override;

private:
    QWidget* m_parent;
};

}  // namespace slyders
