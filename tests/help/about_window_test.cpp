#include "help/about_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "boxes/scripted_boxes.h"

namespace slyders {
namespace {

using test::ScriptedBoxes;

TEST(ReportDocumentOpenError, NamesTheFailureAndStaysSilentOnSuccess) {
    const std::vector<std::pair<int, std::string>> failures{
        {0, "Out of memory"},
        {2, "File or path not found"},
        {3, "File or path not found"},
        {11, "Bad HTML browser program"},
        {27, "HTML Association invalid"},
        {31, "HTML Association invalid"},
        {5, "Specific error: code=5"},
        {32, "Specific error: code=32"},
        {-1, "Specific error: code=-1"},
    };
    for (const auto& [code, text] : failures) {
        ScriptedBoxes boxes;
        ReportDocumentOpenError(boxes, code);
        ASSERT_EQ(boxes.errors.size(), 1u) << code;
        EXPECT_EQ(boxes.errors[0].first, "Error opening HTML file");
        EXPECT_EQ(boxes.errors[0].second, text);
    }
    ScriptedBoxes boxes;
    ReportDocumentOpenError(boxes, 33);
    EXPECT_TRUE(boxes.errors.empty());
}

TEST(AboutWindow, LinksOpenTheirTargetsAndReportAFailure) {
    ScriptedBoxes boxes;
    std::vector<QUrl> opened;
    bool succeed = true;
    TAboutWnd about(nullptr, boxes, [&](const QUrl& url) {
        opened.push_back(url);
        return succeed;
    });
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(301, 130));
    EXPECT_TRUE(about.findChild<QLabel*>("NameLabel")->text().startsWith("SLYDERS v2.1\n"));

    auto* email = about.findChild<QLabel*>("EmailLink");
    auto* web = about.findChild<QLabel*>("WebLink");
    ASSERT_NE(email, nullptr);
    ASSERT_NE(web, nullptr);
    EXPECT_EQ(email->toolTip(), "Send E-mail to authors");
    EXPECT_TRUE(email->font().underline());
    EXPECT_EQ(email->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(email->cursor().shape(), Qt::PointingHandCursor);

    about.show();
    QTest::mouseClick(email, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl("mailto:slyders@example.org"));
    EXPECT_EQ(opened[1], QUrl("https://slyders.example.org"));
    EXPECT_TRUE(boxes.errors.empty());

    succeed = false;
    QTest::mouseClick(web, Qt::LeftButton);
    ASSERT_EQ(boxes.errors.size(), 1u);
    EXPECT_EQ(boxes.errors[0].first, "Error opening HTML file");
    EXPECT_EQ(boxes.errors[0].second, "File or path not found");
}

TEST(AboutWindow, PictureShowsTheGapInTheYellowTrail) {
    const QImage picture = drawAboutPicture().toImage();
    ASSERT_EQ(picture.size(), QSize(48, 48));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 128));
    bool gray = false, yellow = false, red = false;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            const QColor c = picture.pixelColor(x, y);
            gray |= c == QColor(128, 128, 128);
            yellow |= c == QColor(255, 230, 0);
            red |= c == QColor(225, 0, 0);
        }
    }
    EXPECT_TRUE(gray && yellow && red);
}

}  // namespace
}  // namespace slyders
