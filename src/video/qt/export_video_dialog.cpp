#include "video/qt/export_video_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "boxes/qt/box_language.h"
#include "present/qt/qt_text_renderer.h"
#include "replay/replay_store.h"

namespace slyders {

namespace {

constexpr int kPollMs = 100;
constexpr int kPermille = 1000;
constexpr double kMaxSeconds = 24 * 3600.0;
constexpr int kSecondsDecimals = 1;
constexpr int kFileFieldWidth = 360;
// The formats in the order of the list, with their extensions.
constexpr std::array<const char*, 3> kExtensions{"webm", "mp4", "gif"};
constexpr std::array<const char*, 4> kSizes{"640x360", "854x480", "1280x720", "1920x1080"};

}  // namespace

ExportVideoDialog::ExportVideoDialog(QWidget* parent, std::filesystem::path replayFile,
                                     VideoOptions defaults)
    : QDialog(parent), m_replayFile(std::move(replayFile)), m_defaults(std::move(defaults)) {
    setWindowTitle(tr("Export video"));
    setObjectName("ExportVideo");

    QString folder = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString stem = QString::fromStdString(m_replayFile.stem().string());
    m_file = new QLineEdit(QDir(folder).filePath(stem + ".webm"), this);
    m_file->setMinimumWidth(kFileFieldWidth);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);

    m_format = new QComboBox(this);
    m_format->addItems({tr("WebM (VP9 with Opus sound)"), tr("MP4 (H.264 with AAC sound)"),
                        tr("GIF (short clips, no sound)")});
    m_from = new QDoubleSpinBox(this);
    m_to = new QDoubleSpinBox(this);
    for (QDoubleSpinBox* box : {m_from, m_to}) {
        box->setRange(0.0, kMaxSeconds);
        box->setDecimals(kSecondsDecimals);
        box->setSuffix(tr(" s"));
    }
    m_from->setValue(m_defaults.from);
    m_to->setSpecialValueText(tr("the end"));  // shown at 0: up to the game's end
    m_to->setValue(m_defaults.to.value_or(0.0));
    m_size = new QComboBox(this);
    m_size->setEditable(true);
    for (const char* s : kSizes) m_size->addItem(s);
    m_size->setCurrentText(QString("%1x%2").arg(m_defaults.width).arg(m_defaults.height));

    auto* form = new QFormLayout;
    auto* fileLabel = new QLabel(tr("&File:"), this);
    fileLabel->setBuddy(m_file);
    form->addRow(fileLabel, fileRow);
    form->addRow(tr("F&ormat:"), m_format);
    form->addRow(tr("F&rom:"), m_from);
    form->addRow(tr("&To:"), m_to);
    form->addRow(tr("&Size:"), m_size);

    m_progress = new QProgressBar(this);
    m_progress->setRange(0, kPermille);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_status = new QLabel(this);
    auto* buttons = new QDialogButtonBox(this);
    m_export = buttons->addButton(tr("&Export"), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_cancel->setText(tr("Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    m_poll = new QTimer(this);
    m_poll->setInterval(kPollMs);
    connect(m_poll, &QTimer::timeout, this, &ExportVideoDialog::poll);
    connect(browse, &QPushButton::clicked, this, &ExportVideoDialog::chooseFile);
    connect(m_format, &QComboBox::currentIndexChanged, this, &ExportVideoDialog::formatChosen);
    connect(m_export, &QPushButton::clicked, this, &ExportVideoDialog::startExport);
    connect(m_cancel, &QPushButton::clicked, this, &ExportVideoDialog::reject);
}

ExportVideoDialog::~ExportVideoDialog() {
    m_cancelAsked = true;
    if (m_worker.joinable()) m_worker.join();
}

void ExportVideoDialog::chooseFile() {
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Export video"), m_file->text(),
        tr("WebM video (*.webm);;MP4 video (*.mp4);;GIF picture (*.gif)"));
    if (file.isEmpty()) return;
    m_file->setText(file);
    const std::optional<VideoFormat> format = videoFormatFor(file.toStdString());
    if (format) m_format->setCurrentIndex(static_cast<int>(*format));
}

// A new format gives the file name its extension.
void ExportVideoDialog::formatChosen(int index) {
    if (index < 0 || index >= int(kExtensions.size())) return;
    const QFileInfo info(m_file->text());
    const QString name = info.completeBaseName() + "." + kExtensions[std::size_t(index)];
    m_file->setText(info.dir().filePath(name));
}

std::optional<VideoOptions> ExportVideoDialog::chosenOptions() {
    VideoOptions o = m_defaults;
    o.from = m_from->value();
    o.to.reset();
    if (m_to->value() > 0.0) o.to = m_to->value();
    if (!parseVideoSize(m_size->currentText().trimmed().toStdString(), o.width, o.height)) {
        QMessageBox::warning(this, windowTitle(), tr("The size is two numbers such as 1280x720."));
        return std::nullopt;
    }
    if (auto error = videoRequestError(m_file->text().toStdString(), o)) {
        QMessageBox::warning(this, windowTitle(), boxText(*error));
        return std::nullopt;
    }
    return o;
}

void ExportVideoDialog::startExport() {
    if (exporting()) return;
    const std::optional<VideoOptions> options = chosenOptions();
    if (!options) return;
    std::string error;
    std::optional<Replay> replay = loadReplayFile(m_replayFile, error);
    if (!replay) {
        QMessageBox::warning(this, windowTitle(), boxText(error));
        return;
    }
    m_cancelAsked = false;
    m_done = false;
    m_permille = 0;
    setBusy(true);
    m_status->setText(tr("Exporting..."));
    const std::filesystem::path out = m_file->text().toStdString();
    m_worker = std::thread([this, out, options = *options, replay = std::move(*replay)] {
        QtTextRenderer text;  // the thread's own: the game's fonts, drawn into its pictures
        m_result = exportVideo(replay, out, options, text, [this](double fraction) {
            m_permille = static_cast<int>(fraction * kPermille);
            return !m_cancelAsked.load();
        });
        m_done = true;
    });
    m_poll->start();
}

void ExportVideoDialog::cancelExport() {
    m_cancelAsked = true;
}

void ExportVideoDialog::poll() {
    m_progress->setValue(m_permille.load());
    if (m_done) finished();
}

void ExportVideoDialog::finished() {
    m_poll->stop();
    if (m_worker.joinable()) m_worker.join();
    setBusy(false);
    if (m_result.ok) {
        m_progress->setValue(kPermille);
        m_status->setText(tr("Saved: %1 s of video.").arg(m_result.seconds, 0, 'f', 1));
    } else if (m_result.cancelled) {
        m_progress->setValue(0);
        m_status->setText(tr("Cancelled: no file was made."));
    } else {
        m_status->setText(tr("Not exported."));
        QMessageBox::warning(this, windowTitle(), boxText(m_result.error));
    }
}

void ExportVideoDialog::setBusy(bool busy) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_file, m_format, m_from, m_to, m_size, m_export}) {
        w->setEnabled(!busy);
    }
}

// Cancel stops a running export first; the dialog closes once nothing runs.
void ExportVideoDialog::reject() {
    if (exporting()) {
        cancelExport();
        return;
    }
    QDialog::reject();
}

void exportVideoDialog(QWidget* parent, const std::filesystem::path& replayFile,
                       const VideoOptions& defaults) {
    ExportVideoDialog dialog(parent, replayFile, defaults);
    dialog.exec();
}

}  // namespace slyders
