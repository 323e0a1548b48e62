#pragma once

#include <QDialog>
#include <atomic>
#include <filesystem>
#include <thread>

#include "video/video_export.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace slyders {

// "Export video...": the replay made into a video file, the format, the part and the size
// chosen here. The export runs on a thread of its own while the window stays alive; a
// progress bar follows it and Cancel stops it, leaving no file.
class ExportVideoDialog final : public QDialog {
    Q_OBJECT

public:
    // defaults: where the game's sounds, logo and background are; the part and size shown.
    ExportVideoDialog(QWidget* parent, std::filesystem::path replayFile, VideoOptions defaults);
    ~ExportVideoDialog() override;

    // For tests and the keyboard: the fields, and the export started as the button does.
    QLineEdit* fileField() const { return m_file; }
    QComboBox* formatField() const { return m_format; }
    QDoubleSpinBox* fromField() const { return m_from; }
    QDoubleSpinBox* toField() const { return m_to; }
    QComboBox* sizeField() const { return m_size; }
    QProgressBar* progressBar() const { return m_progress; }
    QLabel* statusLine() const { return m_status; }
    void startExport();
    void cancelExport();
    bool exporting() const { return m_worker.joinable(); }

protected:
    void reject() override;

private:
    void chooseFile();
    void formatChosen(int index);
    void poll();
    void finished();
    void setBusy(bool busy);
    std::optional<VideoOptions> chosenOptions();

    std::filesystem::path m_replayFile;
    VideoOptions m_defaults;
    QLineEdit* m_file = nullptr;
    QComboBox* m_format = nullptr;
    QDoubleSpinBox* m_from = nullptr;
    QDoubleSpinBox* m_to = nullptr;
    QComboBox* m_size = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer* m_poll = nullptr;

    std::thread m_worker;
    std::atomic<bool> m_cancelAsked{false};
    std::atomic<bool> m_done{false};
    std::atomic<int> m_permille{0};
    VideoResult m_result;  // written by the worker before m_done
};

// Opens the dialog for a replay file and runs it to its close.
void exportVideoDialog(QWidget* parent, const std::filesystem::path& replayFile,
                       const VideoOptions& defaults);

}  // namespace slyders
