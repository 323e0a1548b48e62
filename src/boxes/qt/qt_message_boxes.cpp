#include "boxes/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

namespace slyders {

namespace {
const QString kTitle = QStringLiteral("Slyders");
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
}  // namespace

// The buttons are named here so that they speak the game's language, not the toolkit's.
bool QtMessageBoxes::ask(const std::string& text) {
    QMessageBox box(QMessageBox::Question, kTitle, q(text), QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("MessageBoxes", "&Yes"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("MessageBoxes", "&No"));
    return box.exec() == QMessageBox::Yes;
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
