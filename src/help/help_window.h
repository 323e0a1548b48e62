#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextEdit;

namespace slyders {

// "help.bmp" beside the executable, where the build puts it; the game passes its data folder.
QString defaultHelpPicturePath();

// "How to play": the goal, the scoring and the control keys, with a picture of the game
// beside the text and a keyboard drawing with the players' keys coloured.
class THelpWnd final : public QDialog {
    Q_OBJECT

public:
    // Without a picture at picturePath the text takes the whole width.
    explicit THelpWnd(QWidget* owner = nullptr,
                      const QString& picturePath = defaultHelpPicturePath());

    QTextEdit* howto() const { return m_howto; }
    QLabel* helpPicture() const { return m_picture; }  // null when "help.bmp" did not load

    // Escape answers like the single OK button.
    void reject() override { accept(); }

private:
    void placePicture(const QString& picturePath);
    void fillText();
    void addKeyControls();

    QTextEdit* m_howto = nullptr;
    QLabel* m_picture = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace slyders
