#include "boxes/qt/qt_message_boxes.h"

#include <QMessageBox>
#include <QString>

namespace slyders {

namespace {
const QString kTitle = QStringLiteral("Slyders");
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

bool QtMessageBoxes::ask(const std::string& text) {
    return QMessageBox::question(m_parent, kTitle, q(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtMessageBoxes::inform(const std::string& text) {
    QMessageBox::information(m_parent, kTitle, q(text));
}

void QtMessageBoxes::warn(const std::string& text) {
    QMessageBox::warning(m_parent, kTitle, q(text));
}

void QtMessageBoxes::error(const std::string& title, const std::string& text) {
    QMessageBox::critical(m_parent, q(title), q(text));
}

}  // namespace slyders
