#include "help/about_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <string>
#include <utility>

#include "help/dialog_frame.h"

namespace slyders {

namespace {

constexpr int kClientWidth = 301;
constexpr int kClientHeight = 130;
constexpr int kFontPixels = 11;
constexpr int kPictureSide = 48;
const QRect kPictureAt{15, 13, kPictureSide, kPictureSide};
const QRect kNameAt{68, 13, 164, 47};
constexpr int kCaptionLeft = 8;
constexpr int kLinkLeft = 46;
constexpr int kEmailTop = 76;
constexpr int kWebTop = 97;
const QRect kOkButton{250, 11, 43, 43};
// A link may run to the right edge, as far from it as the captions are from the left.
constexpr int kLinkWidth = kClientWidth - kLinkLeft - kCaptionLeft;

const char* const kNameLines =
    QT_TRANSLATE_NOOP("slyders::TAboutWnd", "SLYDERS v2.1\nby the Slyders team\nTallowin");
const QString kEmailAddress = QStringLiteral("slyders@tallowin.net");
const char* const kEmailHint = QT_TRANSLATE_NOOP("slyders::TAboutWnd", "Send E-mail to authors");
const char* const kWebHint = QT_TRANSLATE_NOOP(
    "slyders::TAboutWnd",
    "Read the Slyders guide: options, replays, network play and how to report a problem");
const QString kInstalledReadme = QStringLiteral("/../share/doc/slyders/README.md");
const QString kSystemReadme = QStringLiteral("/usr/share/doc/slyders/README.md");
const char* const kOpenErrorTitle =
    QT_TRANSLATE_NOOP("slyders::TAboutWnd", "Error opening HTML file");

const QColor kArenaBlue{0, 0, 128};
const QColor kYellowTrail{255, 230, 0};
const QColor kYellowHead{255, 255, 170};
const QColor kRedTrail{225, 0, 0};
const QColor kRedHead{255, 160, 160};
const QColor kGapGray{128, 128, 128};
constexpr double kTrailWidth = 3.5;
constexpr double kHeadRadius = 2.5;
constexpr double kGapFrom = 0.4;
constexpr double kGapTo = 0.6;

// A label that reads as a link: blue, underlined, a hand over it, and a click opens it.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& text, const QString& hint, std::function<void()> onClick,
              QWidget* parent)
        : QLabel(text, parent), m_onClick(std::move(onClick)) {
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
        QPalette blue = palette();
        blue.setColor(QPalette::WindowText, Qt::blue);
        setPalette(blue);
        setCursor(Qt::PointingHandCursor);
        setToolTip(hint);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

QPointF along(const QPointF& from, const QPointF& to, double t) {
    return from + (to - from) * t;
}

void drawTrail(QPainter& painter, const QPointF& from, const QPointF& to, const QColor& colour) {
    painter.setPen(QPen(colour, kTrailWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

void drawHead(QPainter& painter, const QPointF& at, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(at, kHeadRadius, kHeadRadius);
}

}  // namespace

QString defaultReadmePath() {
    const QString beside =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + kInstalledReadme);
    return QFileInfo::exists(beside) ? beside : kSystemReadme;
}

std::string translated(const char* text) {
    return QCoreApplication::translate("slyders::TAboutWnd", text).toStdString();
}

void ReportDocumentOpenError(MessageBoxes& boxes, int c) {
    if (c > kDocumentOpened) return;
    std::string text;
    switch (c) {
        case 0:
            text = translated("Out of memory");
            break;
        case 2:
        case 3:
            text = translated("File or path not found");
            break;
        case 11:
            text = translated("Bad HTML browser program");
            break;
        case 27:
        case 31:
            text = translated("HTML Association invalid");
            break;
        default:
            text = translated("Specific error: code=") + std::to_string(c);
            break;
    }
    boxes.error(translated(kOpenErrorTitle), text);
}

// The red slyder crosses the yellow trail right through its gap: a point scored.
QPixmap drawAboutPicture() {
    QPixmap picture(kPictureSide, kPictureSide);
    picture.fill(kArenaBlue);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF yellowFrom{2, 29}, yellowTo{42, 19};
    const QPointF redFrom{16, 44}, redTo{32, 4};
    drawTrail(painter, yellowFrom, along(yellowFrom, yellowTo, kGapFrom), kYellowTrail);
    drawTrail(painter, along(yellowFrom, yellowTo, kGapFrom), along(yellowFrom, yellowTo, kGapTo),
              kGapGray);
    drawTrail(painter, along(yellowFrom, yellowTo, kGapTo), yellowTo, kYellowTrail);
    drawTrail(painter, redFrom, redTo, kRedTrail);
    drawHead(painter, yellowTo, kYellowHead);
    drawHead(painter, redTo, kRedHead);
    return picture;
}

TAboutWnd::TAboutWnd(QWidget* owner, MessageBoxes& boxes, UrlOpener opener,
                     const QString& readmePath)
    : QDialog(owner),
      m_boxes(boxes),
      m_opener(std::move(opener)),
      m_readme(QUrl::fromLocalFile(readmePath)) {
    setObjectName(QStringLiteral("AboutWnd"));
    setWindowTitle(tr("About"));
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPixelSize(kFontPixels);
    formFont.setBold(true);
    setFont(formFont);
    frameFixedDialog(*this, kClientWidth, kClientHeight);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setPixmap(drawAboutPicture());
    picture->setGeometry(kPictureAt);

    auto* name = new QLabel(tr(kNameLines), this);
    name->setObjectName(QStringLiteral("NameLabel"));
    QFont regular = formFont;
    regular.setBold(false);
    name->setFont(regular);
    name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    name->setWordWrap(true);
    name->setGeometry(kNameAt);

    addLinks();

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_ok->setGeometry(kOkButton);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutWnd::addLinks() {
    auto* emailCaption = new QLabel(tr("E-mail:"), this);
    emailCaption->move(kCaptionLeft, kEmailTop);
    auto* webCaption = new QLabel(tr("WWW:"), this);
    webCaption->move(kCaptionLeft, kWebTop);

    auto* email = new LinkLabel(
        kEmailAddress, tr(kEmailHint), [this] { EmailLinkClick(); }, this);
    email->setObjectName(QStringLiteral("EmailLink"));
    email->move(kLinkLeft, kEmailTop);
    email->adjustSize();
    // A long path keeps its start and its file name.
    const QString shown =
        QFontMetrics(font()).elidedText(m_readme.toLocalFile(), Qt::ElideMiddle, kLinkWidth);
    auto* web = new LinkLabel(
        shown, tr(kWebHint), [this] { WebLinkClick(); }, this);
    web->setObjectName(QStringLiteral("WebLink"));
    web->move(kLinkLeft, kWebTop);
    web->adjustSize();
}

void TAboutWnd::EmailLinkClick() {
    open(QUrl(QStringLiteral("mailto:") + kEmailAddress));
}

void TAboutWnd::WebLinkClick() {
    open(m_readme);
}

void TAboutWnd::open(const QUrl& target) {
    // A missing file is known before asking the desktop, whose viewer might only say so later
    // or not at all.
    const bool missing = target.isLocalFile() && !QFileInfo::exists(target.toLocalFile());
    const bool opened =
        !missing && (m_opener ? m_opener(target) : QDesktopServices::openUrl(target));
    ReportDocumentOpenError(m_boxes, opened ? kDocumentOpened + 1 : kDocumentNotFound);
}

}  // namespace slyders
