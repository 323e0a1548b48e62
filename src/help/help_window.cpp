#include "help/help_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include "help/dialog_frame.h"
#include "help/key_picture.h"

namespace slyders {

namespace {

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 440;
constexpr int kFontPixels = 13;
constexpr qreal kBulletIndent = 16;
const QString kBullet = QStringLiteral("\u00B7\t");  // character 183, then the hanging tab
const QRect kHowtoStart{8, 8, 285, 241};
const QPoint kKeyPictureAt{91, 260};
const QRect kKeysLabel{9, 303, 71, 60};
const QRect kOkButton{257, 406, 86, 28};
// Beside the OK button: the gamepads, and where the custom keys and the key test are.
const QRect kPadNote{8, 402, 243, 36};
const QRect kKeysNote{349, 402, 243, 36};
constexpr int kNotePixels = 11;
constexpr int kSmallestNotePixels = 8;

const char* const kPadText = QT_TRANSLATE_NOOP(
    "slyders::THelpWnd",
    "Gamepads: the d-pad, the left stick or the shoulder buttons turn left and right.");
const char* const kKeysText = QT_TRANSLATE_NOOP(
    "slyders::THelpWnd", "Own keys and a key test for all seats: Ctrl+P, then \"Keys...\".");

const char* const kIntro = QT_TRANSLATE_NOOP(
    "slyders::THelpWnd",
    "The main goal of Slyders is to score points while avoiding various dangers. You will "
    "quickly learn what is dangerous by playing with the computer opponent. Each player "
    "controls the slyder with two keys, one for turning left and the other for turning right. "
    "Generally, most solid objects should be avoided. To score points, you have to");

// The ways to score: a bold phrase and its plain remainder.
const std::array<std::pair<const char*, const char*>, 3> kScoring{{
    {QT_TRANSLATE_NOOP("slyders::THelpWnd", "cross gray gaps"),
     QT_TRANSLATE_NOOP("slyders::THelpWnd", " (one point for each gap),")},
    {QT_TRANSLATE_NOOP("slyders::THelpWnd", "capture food"),
     QT_TRANSLATE_NOOP("slyders::THelpWnd", " (one point for each piece of food),")},
    {QT_TRANSLATE_NOOP("slyders::THelpWnd", "eliminate opponents"),
     QT_TRANSLATE_NOOP("slyders::THelpWnd", " (every survivor gets one point).")},
}};

const char* const kClosing = QT_TRANSLATE_NOOP(
    "slyders::THelpWnd",
    "Playing with the computer opponents can be very challenging. However, this game is "
    "especially exciting when played by two or more human players! You can customize the "
    "keyboard control settings in \"Set up human players...\" (Ctrl+P): each player chooses "
    "a key pair or a gamepad there, and \"Keys...\" sets your own keys and tests them.");

// The notes have a fixed place beside the OK button; a longer language takes a smaller face.
void shrinkToFit(QLabel& note) {
    QFont face = note.font();
    while (note.heightForWidth(note.width()) > note.height() &&
           face.pixelSize() > kSmallestNotePixels) {
        face.setPixelSize(face.pixelSize() - 1);
        note.setFont(face);
    }
}

}  // namespace

QString defaultHelpPicturePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/help.bmp");
}

THelpWnd::THelpWnd(QWidget* owner, const QString& picturePath) : QDialog(owner) {
    setObjectName(QStringLiteral("HelpWnd"));
    setWindowTitle(tr("How to play"));
    QFont formFont(QStringLiteral("MS Sans Serif"));
    formFont.setPixelSize(kFontPixels);
    formFont.setBold(true);
    setFont(formFont);
    frameFixedDialog(*this, kClientWidth, kClientHeight);

    m_howto = new QTextEdit(this);
    m_howto->setObjectName(QStringLiteral("howto"));
    m_howto->setReadOnly(true);
    m_howto->setAccessibleName(tr("How to play"));
    m_howto->setFrameShape(QFrame::NoFrame);
    QPalette face = m_howto->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    m_howto->setPalette(face);
    m_howto->setGeometry(kHowtoStart);

    placePicture(picturePath);
    fillText();
    m_howto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    addKeyControls();
}

// The picture stands at the right edge, centred on the text's first height; the text takes
// the room left of it. A missing picture leaves the whole width to the text.
void THelpWnd::placePicture(const QString& picturePath) {
    const QPixmap picture(picturePath);
    const int left = kHowtoStart.left();
    if (picture.isNull()) {
        m_howto->resize(kClientWidth - 2 * left, m_howto->height());
        return;
    }
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("HelpPicture"));
    m_picture->setPixmap(picture);
    const int top = m_howto->y() + (m_howto->height() - picture.height()) / 2;
    const int pictureLeft = kClientWidth - picture.width() - left;
    m_picture->setGeometry(pictureLeft, top, picture.width(), picture.height());
    m_howto->resize(std::max(0, pictureLeft - 2 * left), m_howto->height());
}

void THelpWnd::fillText() {
    // The widget's own font is the plain face: the form's bold would otherwise make it all bold.
    QFont plainFont = font();
    plainFont.setBold(false);
    m_howto->setFont(plainFont);

    QTextDocument* document = m_howto->document();
    document->clear();
    QTextCursor cursor(document);
    const QTextBlockFormat paragraph = cursor.blockFormat();
    QTextCharFormat plain;
    plain.setFontWeight(QFont::Normal);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);

    cursor.insertText(tr(kIntro), plain);
    cursor.insertBlock(paragraph, plain);  // the empty line
    // Qt's own list markers are discs; the game's bullet is the middle dot, hung before the
    // item's text with a tab so that wrapped lines start under the text.
    QTextBlockFormat item = paragraph;
    item.setLeftMargin(kBulletIndent);
    item.setTextIndent(-kBulletIndent);
    item.setTabPositions({QTextOption::Tab(kBulletIndent, QTextOption::LeftTab)});
    for (const auto& [phrase, rest] : kScoring) {
        cursor.insertBlock(item, plain);
        cursor.insertText(kBullet, plain);
        cursor.insertText(tr(phrase), bold);
        cursor.insertText(tr(rest), plain);
    }
    cursor.insertBlock(paragraph, plain);  // the empty line
    cursor.insertBlock(paragraph, plain);
    cursor.insertText(tr(kClosing), plain);

    // The whole text in the form's face and size; only the weight stays the text's own.
    QFont face;
    face.setFamily(font().family());
    face.setPixelSize(font().pixelSize());
    QTextCharFormat faceOnly;
    faceOnly.setFont(face, QTextCharFormat::FontPropertiesSpecifiedOnly);
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(faceOnly);
}

void THelpWnd::addKeyControls() {
    auto* keys = new QLabel(this);
    keys->setObjectName(QStringLiteral("KeyPicture"));
    keys->setPixmap(drawKeyboard());
    keys->setGeometry(QRect(kKeyPictureAt, kKeyPictureSize));

    auto* label = new QLabel(tr("Available control keys:"), this);
    label->setObjectName(QStringLiteral("KeysLabel"));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(kKeysLabel);

    QFont noteFont = font();
    noteFont.setPixelSize(kNotePixels);
    noteFont.setBold(false);
    for (const auto& [name, text, place] : {std::tuple{"PadNote", kPadText, kPadNote},
                                            std::tuple{"KeysNote", kKeysText, kKeysNote}}) {
        auto* note = new QLabel(tr(text), this);
        note->setObjectName(QString::fromUtf8(name));
        note->setFont(noteFont);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        note->setGeometry(place);
        shrinkToFit(*note);
    }

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_ok->setGeometry(kOkButton);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace slyders
