#include "boxes/qt/qt_message_boxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>

#include "boxes/qt/box_language.h"

namespace slyders {

namespace {
const QString kTitle = QStringLiteral("Slyders");
// Every text in the game's language, whether the caller translated it or not.
QString q(const std::string& s) {
    return boxText(s);
}

void tell(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("MessageBoxes", "OK"));
    box.exec();
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
    tell(m_parent, QMessageBox::Information, kTitle, q(text));
}

void QtMessageBoxes::warn(const std::string& text) {
    tell(m_parent, QMessageBox::Warning, kTitle, q(text));
}

void QtMessageBoxes::error(const std::string& title, const std::string& text) {
    tell(m_parent, QMessageBox::Critical, q(title), q(text));
}

}  // namespace slyders
