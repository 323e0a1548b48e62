#pragma once

#include <QDialog>
#include <QPixmap>
#include <QUrl>
#include <functional>

#include "boxes/message_boxes.h"

class QLabel;
class QPushButton;

namespace slyders {

// Opens a web page or a mail address with the user's default program; false when it could not.
using UrlOpener = std::function<bool(const QUrl&)>;

// The platform's answer to a request to open a document: above kDocumentOpened is success.
inline constexpr int kDocumentOpened = 32;
// What a failed open is reported as, since the platform says no more than that it failed.
inline constexpr int kDocumentNotFound = 2;

// Tells the user why a link of the about box did not open; nothing when it did.
void ReportDocumentOpenError(MessageBoxes& boxes, int c);

// The game's README as installed beside it (share/doc/slyders under the prefix the program
// runs from), or the system's copy when the program runs from elsewhere, e.g. a build tree.
QString defaultReadmePath();

// The about box's picture: a yellow and a red trail crossing on dark blue, the yellow one
// with a gray gap.
QPixmap drawAboutPicture();

// "About": the name and version, the makers and their contact links.
class TAboutWnd final : public QDialog {
    Q_OBJECT

public:
    // The opener is the system's default handler unless a test hands in its own; the web link
    // opens the README, which says how to play and where to report a problem.
    TAboutWnd(QWidget* owner, MessageBoxes& boxes, UrlOpener opener = {},
              const QString& readmePath = defaultReadmePath());

    void EmailLinkClick();
    void WebLinkClick();

    // Escape answers like the single OK button.
    void reject() override { accept(); }

private:
    void addLinks();
    void open(const QUrl& target);

    MessageBoxes& m_boxes;
    UrlOpener m_opener;
    QUrl m_readme;
    QPushButton* m_ok = nullptr;
};

}  // namespace slyders
