// The help and about windows.
#include "help/help_window.h"

#include <gtest/gtest.h>

#include <QFile>
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
#include <string>
#include <utility>
#include <vector>

#include "boxes/scripted_boxes.h"
#include "help/about_window.h"
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
    for (const char* phrase : {"cross gray gaps", "capture food", "eliminate opponents"})
        EXPECT_TRUE(boldByFragment[phrase]) << phrase;
    EXPECT_FALSE(boldByFragment[" (one point for each gap),"]);
    EXPECT_FALSE(boldByFragment[kExpectedText.section('\n', 0, 0)]);
}

TEST(HelpWindow, PictureTakesItsRoomFromTheTextAndEnterOrEscapeAnswerOk) {
    THelpWnd without(nullptr, QStringLiteral("/nonexistent/help.bmp"));
    EXPECT_EQ(without.helpPicture(), nullptr);
    EXPECT_EQ(without.howto()->geometry(), QRect(8, 8, 584, 241));

    QTemporaryDir dir;
    THelpWnd wide(nullptr, pictureOfSize(dir, 500, 101));
    ASSERT_NE(wide.helpPicture(), nullptr);
    EXPECT_EQ(wide.helpPicture()->geometry(), QRect(92, 78, 500, 101));
    EXPECT_EQ(std::pair(wide.howto()->width(), wide.howto()->verticalScrollBarPolicy()),
              std::pair(76, Qt::ScrollBarAlwaysOn));

    // Taller than the text: the half of an odd negative difference rounds toward zero.
    THelpWnd tall(nullptr, pictureOfSize(dir, 100, 300));
    EXPECT_EQ(std::pair(tall.helpPicture()->geometry(), tall.howto()->width()),
              std::pair(QRect(492, -21, 100, 300), 476));

    // Enter and Escape both answer OK.
    for (const auto& [help, key] : {std::pair{&without, Qt::Key_Escape}, {&tall, Qt::Key_Return}}) {
        help->show();
        QTest::keyClick(help, key);
        EXPECT_TRUE(help->result() == QDialog::Accepted && !help->isVisible()) << key;
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
        for (std::size_t b = a + 1; b < caps.size(); ++b)
            EXPECT_FALSE(cap.rect.intersects(caps[b].rect))
                << cap.id.toStdString() << " " << caps[b].id.toStdString();
        const auto player = steered.find(cap.id);
        coloured += player != steered.end();
        EXPECT_EQ(picture.pixelColor(cap.rect.topLeft() + QPoint(4, 4)),
                  player != steered.end() ? player->second : QColor(232, 232, 232))
            << cap.id.toStdString();
    }
    EXPECT_EQ(coloured, 12);
    EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);  // the form shows through around the keys
}

using RecordingBoxes = test::ScriptedBoxes;
using Errors = std::vector<std::pair<std::string, std::string>>;
const std::string kOpenError = "Error opening HTML file", kNotFound = "File or path not found";

TEST(ReportDocumentOpenError, NamesTheFailureAndStaysSilentOnSuccess) {
    const std::vector<std::pair<int, std::string>> failures{
        {0, "Out of memory"},           {2, kNotFound},
        {3, kNotFound},                 {11, "Bad HTML browser program"},
        {27, "HTML Association invalid"}, {31, "HTML Association invalid"},
        {5, "Specific error: code=5"},  {32, "Specific error: code=32"},
        {-1, "Specific error: code=-1"}};
    for (const auto& [code, text] : failures) {
        RecordingBoxes boxes;
        ReportDocumentOpenError(boxes, code);
        EXPECT_EQ(boxes.errors, (Errors{{kOpenError, text}})) << code;
    }
    RecordingBoxes boxes;
    ReportDocumentOpenError(boxes, 33);
    EXPECT_TRUE(boxes.errors.empty());
}

TEST(AboutWindow, LinksOpenTheMailAndTheReadmeAndReportAFailure) {
    QTemporaryDir dir;
    const QString readme = dir.filePath(QStringLiteral("README.md"));
    ASSERT_TRUE(QFile(readme).open(QIODevice::WriteOnly));
    RecordingBoxes boxes;
    std::vector<QUrl> opened;
    bool succeed = true;
    const UrlOpener opener = [&](const QUrl& url) {
        opened.push_back(url);
        return succeed;
    };
    TAboutWnd about(nullptr, boxes, opener, readme);
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(301, 130));
    EXPECT_TRUE(about.findChild<QLabel*>("NameLabel")->text().startsWith("SLYDERS v2.1\n"));

    auto* email = about.findChild<QLabel*>("EmailLink");
    auto* web = about.findChild<QLabel*>("WebLink");
    ASSERT_TRUE(email && web);
    EXPECT_EQ(email->toolTip(), "Send E-mail to authors");
    EXPECT_TRUE(email->font().underline());
    EXPECT_EQ(email->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(email->cursor().shape(), Qt::PointingHandCursor);
    // However deep the README lies, its link ends inside the box and keeps the file's name.
    TAboutWnd deep(nullptr, boxes, opener, QString(200, QChar('d')) + "/README.md");
    auto* deepLink = deep.findChild<QLabel*>("WebLink");
    EXPECT_LE(deepLink->geometry().right(), deep.width());
    EXPECT_TRUE(deepLink->text().endsWith("README.md"));

    about.show();
    QTest::mouseClick(email, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl("mailto:slyders@tallowin.net"),
                                         QUrl::fromLocalFile(readme)}));
    EXPECT_TRUE(boxes.errors.empty());

    succeed = false;
    QTest::mouseClick(web, Qt::LeftButton);
    EXPECT_EQ(boxes.errors, (Errors{{kOpenError, kNotFound}}));

    // No README where it should be: said at once, the desktop is not asked.
    succeed = true;
    opened.clear();
    TAboutWnd bare(nullptr, boxes, opener, dir.filePath(QStringLiteral("missing/README.md")));
    bare.show();
    QTest::mouseClick(bare.findChild<QLabel*>("WebLink"), Qt::LeftButton);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(boxes.errors, (Errors(2, {kOpenError, kNotFound})));
}

TEST(AboutWindow, PictureShowsTheGapInTheYellowTrail) {
    const QImage picture = drawAboutPicture().toImage();
    ASSERT_EQ(picture.size(), QSize(48, 48));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 128));
    bool gray = false, yellow = false, red = false;
    for (int i = 0; i < 48 * 48; ++i) {
        const QColor c = picture.pixelColor(i % 48, i / 48);
        gray |= c == QColor(128, 128, 128);
        yellow |= c == QColor(255, 230, 0);
        red |= c == QColor(225, 0, 0);
    }
    EXPECT_TRUE(gray && yellow && red);
}

}  // namespace
}  // namespace slyders
