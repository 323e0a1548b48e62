#include "help/help_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <map>

#include "help/key_picture.h"

namespace slyders {
namespace {

const QString kExpectedText = QStringLiteral(
    "The main goal of Slyders is to score points while avoiding various dangers. You will "
    "quickly learn what is dangerous by playing with the computer opponent. Each player "
    "controls the slyder with two keys, one for turning left and the other for turning right. "
    "Generally, most solid objects should be avoided. To score points, you have to\n"
    "\n"
    "\u00B7\tcross gray gaps (one point for each gap),\n"
    "\u00B7\tcapture food (one point for each piece of food),\n"
    "\u00B7\teliminate opponents (every survivor gets one point).\n"
    "\n"
    "Playing with the computer opponents can be very challenging. However, this game is "
    "especially exciting when played by two or more human players! You can customize the "
    "keyboard control settings in \"Set up human players...\" (Ctrl+P): each player chooses "
    "a key pair or a gamepad there, and \"Keys...\" sets your own keys and tests them.");

// Makes a help picture of the given size in a temporary folder.
QString pictureOfSize(const QTemporaryDir& dir, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    const QString path = dir.filePath(QStringLiteral("help.bmp"));
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

TEST(HelpWindow, ShowsTheTextInTheFormFontWithItsBoldPhrases) {
    THelpWnd help(nullptr, QStringLiteral("/nonexistent/help.bmp"));
    EXPECT_EQ(help.windowTitle(), "How to play");
    EXPECT_EQ(help.size(), QSize(600, 440));
    const QTextDocument* document = help.howto()->document();
    EXPECT_EQ(document->toPlainText(), kExpectedText);

    std::map<QString, bool> boldByFragment;
    int hangingItems = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        EXPECT_EQ(block.textList(), nullptr);  // a Qt list would add its own disc
        if (block.text().startsWith(QChar(0xB7))) {
            ++hangingItems;
            EXPECT_LT(block.blockFormat().textIndent(), 0);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            boldByFragment[it.fragment().text()] = format.fontWeight() == QFont::Bold;
            EXPECT_EQ(format.fontFamilies().toStringList().value(0), help.font().family());
            EXPECT_EQ(format.property(QTextFormat::FontPixelSize).toInt(), 13);
        }
    }
    EXPECT_EQ(hangingItems, 3);
    for (const char* phrase : {"cross gray gaps", "capture food", "eliminate opponents"}) {
        EXPECT_TRUE(boldByFragment[phrase]) << phrase;
    }
    EXPECT_FALSE(boldByFragment[" (one point for each gap),"]);
    EXPECT_FALSE(boldByFragment[kExpectedText.section('\n', 0, 0)]);
}

TEST(HelpWindow, PictureTakesItsRoomFromTheText) {
    THelpWnd without(nullptr, QStringLiteral("/nonexistent/help.bmp"));
    EXPECT_EQ(without.helpPicture(), nullptr);
    EXPECT_EQ(without.howto()->geometry(), QRect(8, 8, 584, 241));

    QTemporaryDir dir;
    THelpWnd wide(nullptr, pictureOfSize(dir, 500, 101));
    ASSERT_NE(wide.helpPicture(), nullptr);
    EXPECT_EQ(wide.helpPicture()->geometry(), QRect(92, 78, 500, 101));
    EXPECT_EQ(wide.howto()->width(), 76);
    EXPECT_EQ(wide.howto()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // Taller than the text: the half of an odd negative difference rounds toward zero.
    THelpWnd tall(nullptr, pictureOfSize(dir, 100, 300));
    EXPECT_EQ(tall.helpPicture()->geometry(), QRect(492, -21, 100, 300));
    EXPECT_EQ(tall.howto()->width(), 476);
}

TEST(HelpWindow, EnterAndEscapeBothAnswerOk) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        THelpWnd help(nullptr, QStringLiteral("/nonexistent/help.bmp"));
        help.show();
        QTest::keyClick(&help, key);
        EXPECT_EQ(help.result(), QDialog::Accepted) << key;
        EXPECT_FALSE(help.isVisible());
    }
}

TEST(KeyPicture, ColoursExactlyThePlayersKeys) {
    const std::map<QString, QColor> steered{
        {"Q", {255, 230, 0}},     {"W", {255, 230, 0}},        {"N", {40, 90, 255}},
        {"M", {40, 90, 255}},     {"Insert", {0, 180, 0}},     {"Delete", {0, 180, 0}},
        {"Num0", {0, 180, 0}},    {"NumDecimal", {0, 180, 0}}, {"Left", {225, 30, 30}},
        {"Right", {225, 30, 30}}, {"Num4", {225, 30, 30}},     {"Num6", {225, 30, 30}},
    };
    const std::vector<KeyCap> caps = keyboardLayout();
    const QImage picture = drawKeyboard().toImage();
    const QRect bounds(QPoint(0, 0), kKeyPictureSize);
    int coloured = 0;
    for (std::size_t a = 0; a < caps.size(); ++a) {
        const KeyCap& cap = caps[a];
        EXPECT_TRUE(bounds.contains(cap.rect)) << cap.id.toStdString();
        for (std::size_t b = a + 1; b < caps.size(); ++b) {
            EXPECT_FALSE(cap.rect.intersects(caps[b].rect))
                << cap.id.toStdString() << " " << caps[b].id.toStdString();
        }
        const auto player = steered.find(cap.id);
        const QColor fill = picture.pixelColor(cap.rect.topLeft() + QPoint(4, 4));
        if (player != steered.end()) {
            ++coloured;
            EXPECT_EQ(fill, player->second) << cap.id.toStdString();
        } else {
            EXPECT_EQ(fill, QColor(232, 232, 232)) << cap.id.toStdString();
        }
    }
    EXPECT_EQ(coloured, 12);
    EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);  // the form shows through around the keys
}

}  // namespace
}  // namespace slyders
